// Game controllers, as virtual pads that SDL itself reads, on the run's own clock.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

SDL_Joystick* branche() {
    SDL_VirtualJoystickDesc d{};
    d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    d.naxes = SDL_CONTROLLER_AXIS_MAX;
    d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    return SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&d));
}

void debranche(SDL_Joystick* p) {
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == SDL_JoystickInstanceID(p))
            SDL_JoystickDetachVirtual(i);
    SDL_JoystickClose(p);
}

void manche(SDL_Joystick* p, Sint16 x, Sint16 y) {
    SDL_JoystickSetVirtualAxis(p, SDL_CONTROLLER_AXIS_LEFTX, x);
    SDL_JoystickSetVirtualAxis(p, SDL_CONTROLLER_AXIS_LEFTY, y);
}

// Every axis moved, as a restless player does: the right stick, the triggers below
// half, the left stick's vertical within the dead zone and its horizontal at x.
void remue(SDL_Joystick* p, int n, Sint16 x) {
    const int v = n % 2 ? 3000 : -3000, axes[] = {x, v, 10 * v, -10 * v, v - 20000, -v - 20000};
    for (int k = 0; p && k < SDL_CONTROLLER_AXIS_MAX; ++k)
        SDL_JoystickSetVirtualAxis(p, k, static_cast<Sint16>(axes[k]));
}

// Guards, in one run: the record kept through SDL's real queue; the round dead zone; one width a
// second at full push on 15 and 30 ms frames, the rest below a pixel kept; the d-pad; the pointer
// held in the window; the mouse taking over, the stick going on from its x, the tank drawn once; a
// pad announced twice opened once; a stalled frame capped; two pads no faster than one; their flood
// never before the player's event; one of two pulled out; ten plugged and pulled, each closed.
TEST(Manette, DeplacementsEtFin) {
    scenario s;
    SDL_Joystick *a = nullptr, *b = nullptr, *c = nullptr;
    int x0 = 0, n0 = 0, lent = 1;
    auto vitesse = [&](int n, int x) {  // pixels a second since the last mark
        const double v = (x - x0) * 1000.0 / ((n - n0) * 15 * lent);
        x0 = x, n0 = n;
        return v;
    };
    s.script = [&](scenario& s, Uint32 ms) {
        jeu& j = s.j;
        const int n = s.image(), x = j.rectchar.x;
        if (ms == dureeaccueil) {
            a = branche();
            manche(a, 5000, -5000);  // at rest on a worn stick: inside the round zone
            SDL_JoystickSetVirtualAxis(a, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
            SDL_JoystickSetVirtualAxis(a, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -1000);  // below half
        }
        if (ms != dureeimage) return;
        const SDL_Rect tank = {x, 525, 80, 50};
        if (n >= 1) EXPECT_TRUE(seulchar(j, x)) << "frame " << n;
        if (n == 0) pousse(SDL_MOUSEMOTION, 40);
        if (n >= 1 && n < 10) {  // at rest: the record draws the tank again every frame
            EXPECT_TRUE(x == 40 && j.pointeur == 40.0) << "frame " << n;
            SDL_RenderFillRect(j.renderer.get(), &tank);
        }
        if (n == 5) manche(a, 0, 32767);     // the vertical axis alone
        if (n == 10) manche(a, 6000, 6000);  // past the round zone, within a square one
        if (n == 20) {
            EXPECT_TRUE(j.pointeur > 40.5 && j.pointeur < 43.0) << j.pointeur;
            manche(a, 20384, 0), vitesse(n, x);  // half a push; pad a (device 0) announced again
            SDL_Event e{};
            e.cdevice = {SDL_CONTROLLERDEVICEADDED, 0, 0}, SDL_PushEvent(&e);
        }
        if (n == 35) {
            EXPECT_NEAR(vitesse(n, x), 400.0, 40.0) << "half a push, from a pad opened once";
            manche(a, 32767, 0);
        }
        if (n == 50) {
            EXPECT_NEAR(vitesse(n, x), 800.0, 80.0) << "full right on 15 ms frames";
            manche(a, -32768, 0);
        }
        if (n == 60) EXPECT_NEAR(vitesse(n, x), -800.0, 80.0) << "full left on 30 ms frames";
        lent = n >= 50 && n < 60 ? 2 : 1;
        if (n == 80) {
            EXPECT_TRUE(x == 0 && j.pointeur == 0.0) << "held at the left edge";
            manche(a, 0, 0);
            SDL_JoystickSetVirtualButton(a, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
            vitesse(n, x);
        }
        if (n == 100) {
            EXPECT_NEAR(vitesse(n, x), 800.0, 80.0) << "the d-pad at full speed";
            SDL_JoystickSetVirtualButton(a, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0);
            manche(a, 32767, 0);
        }
        if (n == 110) x0 = x, s.temps += 5000;  // a frame stalled for 5 s
        if (n == 111) EXPECT_EQ(x - x0, 80) << "a stalled frame moves the tank by 100 ms at most";
        if (n == 170) EXPECT_TRUE(x == 799 && j.pointeur == 799.0) << "held at the right edge";
        if (n >= 170)
            remue(a, n, n < 180 ? (n % 2 ? 3000 : -3000) : 32767),
                remue(b, n, n <= 201 ? 32767 : 0);
        if (n == 170 || n == 190) pousse(SDL_MOUSEMOTION, n == 170 ? 300 : 200);
        if (n == 171) EXPECT_EQ(x, 300) << "the mouse is taken at once, in the flood";
        if (n == 180) vitesse(n, x);
        if (n == 190) EXPECT_NEAR(vitesse(n, x), 800.0, 80.0) << "the stick goes on from the mouse";
        if (n == 191) {
            EXPECT_EQ(x, 200) << "the mouse wins over a pushed stick";
            vitesse(n, x), b = branche();
        }
        if (n == 201) {
            EXPECT_NEAR(vitesse(n, x), 800.0, 80.0) << "and goes on from there, two pads no faster";
            debranche(a), a = nullptr;
            SDL_JoystickSetVirtualButton(b, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
        }
        if (n == 211) EXPECT_NEAR(vitesse(n, x), -800.0, 80.0) << "the other pad, a's pulled out";
        if (n > 201 && n <= 221) n % 2 ? debranche(c) : void(c = branche());
        if (n == 222) {
            SDL_JoystickSetVirtualButton(b, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0), vitesse(n, x);
            SDL_JoystickSetVirtualButton(c = branche(), SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
        }
        if (n == 232) {
            EXPECT_NEAR(vitesse(n, x), 800.0, 80.0) << "an eleventh pad plugged in during play";
            SDL_JoystickSetVirtualButton(b, SDL_CONTROLLER_BUTTON_X, 1);
        }
        s.temps += (lent - 1) * ms;  // this frame as long as the speed's mark counts it
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(s.attentes, sequence(233, false)) << "a button ends the run";
}

// Guards what ends the run: any button but the d-pad, a trigger at half, a key while every axis
// floods the queue; and what does not.
TEST(Manette, CeQuiFinit) {
    const int fins[][3] = {
        // button or -1, trigger or -1, ends
        {SDL_CONTROLLER_BUTTON_A, -1, 1},          {SDL_CONTROLLER_BUTTON_START, -1, 1},
        {SDL_CONTROLLER_BUTTON_GUIDE, -1, 1},      {SDL_CONTROLLER_BUTTON_LEFTSTICK, -1, 1},
        {SDL_CONTROLLER_BUTTON_PADDLE4, -1, 1},    {SDL_CONTROLLER_BUTTON_DPAD_UP, -1, 0},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, -1, 0},  {-1, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 1},
        {-1, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 1}, {-1, -1, 1},  // a key
    };
    for (const auto& f : fins) {
        scenario s;
        SDL_Joystick* p = nullptr;
        s.script = [&](scenario& s, Uint32 ms) {
            const int n = s.image();
            if (ms == dureeaccueil) p = branche();
            if (ms == dureeimage) remue(p, n, n % 2 ? 3000 : -3000);
            if (ms != dureeimage || n != 5) return;
            if (f[0] >= 0) SDL_JoystickSetVirtualButton(p, f[0], 1);
            if (f[1] >= 0) SDL_JoystickSetVirtualAxis(p, f[1], 1);  // SDL makes it 16384, half
            if (f[0] < 0 && f[1] < 0) pousse(SDL_KEYDOWN);
            if (!f[2]) pousse(SDL_MOUSEMOTION), pousse(SDL_KEYDOWN);
        };
        EXPECT_EQ(s.lance(), 0);
        EXPECT_EQ(s.attentes, sequence(f[2] ? 6 : 7, false)) << f[0] << " " << f[1];
    }
}

}  // namespace
