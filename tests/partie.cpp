// Whole headless runs, each checking many facts in one pass.
#include <gtest/gtest.h>

#include <cstdlib>

#include "comptage.h"
#include "outils.h"

namespace {

// Guards the run's order and what each step leaves in the retained picture: the timed sequence; the
// welcome and block-row pictures; a frame drawing, waiting, presenting, then erasing; the
// scheduler's draws; no tank before a motion, then on the mouse; the close button ignored; the
// notches and the clean sky at the end; no allocation once level one has warmed SDL's pools; a run
// of a thousand motions, or a finger's drag, taken as one: the tank drawn at the last.
TEST(Partie, SansToucheNiRedimension) {
    scenario s;
    s.graine = 4242;
    std::srand(s.graine);  // the draws the scheduler must make, in order
    const int32_t arme = std::rand() % 20;
    std::vector<int32_t> tirages(2000);
    for (int32_t& t : tirages) t = std::rand() % 100;
    int32_t tires = 0, tempo = arme, largages = 0, pleins = 0;
    std::vector<SDL_Rect> posees;  // where bombs stood at a present
    s.attentes.reserve(1600);      // allocations are counted from wait to wait
    long allocations = 0, chaudes = 0;
    SDL_version v;  // SDL 3 beneath SDL 2 (2.32.50 and up) allocates in its own present
    SDL_GetVersion(&v);
    comptesdl(v.patch < 50);  // there, only the game's own allocations are counted
    s.script = [&](scenario& s, Uint32 ms) {
        jeu& j = s.j;
        const int n = s.image();
        if (ms == dureeaccueil)  // drawn into a picture of its own, which a present cannot lose
            EXPECT_TRUE(j.toile && ecarts(j, imageaccueil, {0, 0, 800, 600}) == 0);
        if (s.attentes.size() == 2) {  // the block row alone; bombs and tank where they rest
            for (int k = 0; k < 4; ++k) EXPECT_EQ(j.blocs[k].x, 120 + 160 * k);
            const SDL_Rect bombe = {400, 580, 10, 30}, tank = {0, 525, 80, 50};
            EXPECT_TRUE(SDL_RectEquals(&j.bombes[3], &bombe) && SDL_RectEquals(&j.rectchar, &tank));
        }
        if (ms == dureefinie) {  // the block row, and the end of play
            EXPECT_EQ(j.presentations, s.attentes.size() == 2 ? 3 : 3 + 1524);
            EXPECT_EQ(ecarts(j, posees), 0) << "the blocks, notched where bombs stood, on black";
        }
        if (ms != dureeimage) return;

        if (n >= 254) chaudes += allocationsfaites() - allocations;
        EXPECT_EQ(j.presentations, 3 + n) << "frame " << n << " presents after its wait";
        if (j.deplace >= static_cast<float>(tempo)) {  // a try draws one number
            EXPECT_TRUE(j.choix == tempo % 4 && j.tempo == tirages[tires++]) << "frame " << n;
            largages += n == arme;
            pleins += j.deplace > 99.0f;
        } else {
            EXPECT_EQ(j.tempo, tempo) << "frame " << n << " drew a number before its tempo";
        }
        tempo = j.tempo;
        for (const SDL_Rect& b : j.bombes)
            if (b.y + b.h > 450 && b.y < 580) posees.push_back(b);
        for (int k = 0; k < 4 && n == 130; ++k)  // this frame's ships drawn
            EXPECT_EQ(ecarts(j, imagelumor, j.vaisseaux[k]), 0);
        for (int k = 0; k < 1000 && n == 10; ++k) pousse(SDL_MOUSEMOTION, k < 999 ? k % 790 : 300);
        for (int k = 1; k <= 300 && n == 60; ++k)  // as SDL queues a drag: a motion, a finger's
            pousse(SDL_MOUSEMOTION, 400 + k), pousse(SDL_FINGERMOTION);
        if (n == 9) EXPECT_TRUE(toutnoir(j, {0, hauteurchar(600), 800, 50})) << "an early tank";
        if (n == 11 || n == 60 || n == 61) EXPECT_TRUE(seulchar(j, n < 61 ? 300 : 700)) << n;
        if (n % 100 == 5 && n < 254) pousse(SDL_QUIT);  // the close button does not end the game
        allocations = allocationsfaites();
    };
    EXPECT_EQ(s.lance(), 0);
    comptesdl(false);
    EXPECT_EQ(s.attentes, sequence(1524, true));
    EXPECT_TRUE(s.j.presentations == 3 + 1524 + 1 && !s.j.window && !s.j.toile && !s.j.surfaces[0])
        << "end screen, then all released";
    EXPECT_EQ(largages, 1) << "the first try is on the frame the armed tempo names";
    EXPECT_EQ(pleins, 6 * 154) << "past frame 99 every frame tries";
    EXPECT_GT(posees.size(), 50u);
    EXPECT_EQ(chaudes, 0) << "allocations after the first level";
}

// Guards the event and size steps: queued events taken one a frame, a run of motions as one, a
// button between two runs keeping its frame, a key behind 500 motions taken next; sizes from one
// pixel to past the dummy screen (1024 x 768), brought back to it; a key ending the run
// unpresented, without the last wait; the end picture at the size of the moment. A lost picture
// (or device) and a screen's change are read beside the player's event: the field rebuilt, the
// bound following the screens, and with none to bound it the largest picture, 16384 a side.
TEST(Partie, EvenementsTaillesEtTouche) {
    scenario s;
    const int cibles = SDL_RENDER_TARGETS_RESET, appareil = SDL_RENDER_DEVICE_RESET;
    const int ecran = SDL_DISPLAYEVENT;
    const int tailles[][4] = {{180, 800, 600, cibles}, {190, 800, 600, appareil}, {240, 1000, 700},
                              {260, 1200, 700},        {270, 1200, 800},          {280, 1, 1},
                              {285, 20000, 100},       {290, 4000, 3000},         {295, 1000, 700},
                              {296, 1000, 700, ecran}, {297, 32767, 100},         {299, 1000, 700}};
    int presentees = 0;
    s.script = [&](scenario& s, Uint32 ms) {
        jeu& j = s.j;
        const int n = s.image();
        for (int k = 0; k < 11 && ms == dureeaccueil; ++k)
            pousse(k == 5 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEMOTION, 100 + 10 * k);
        if (ms == dureefin) {
            EXPECT_EQ(j.presentations, presentees + 1) << "the key's frame is not presented";
            EXPECT_EQ(ecarts(j, imagetheend, {0, 0, 1000, 700}), 0);
        }
        if (ms != dureeimage) return;
        if (n >= 1 && n <= 3) EXPECT_EQ(j.rectchar.x, n < 3 ? 140 : 200) << "frame " << n;
        for (const auto& t : tailles) {
            if (n == t[0]) SDL_SetWindowSize(j.window.get(), t[1], t[2]);
            if (n == t[0] && t[3] && t[3] != ecran) {    // the picture spoiled; on a lost device, a
                copie(j, imageaccueil, j.rectecran[0]);  // texture gone
                if (t[3] == appareil) j.textures[imageatari].reset();
            }
            if (n == t[0] && t[3] == ecran)  // a screen changed, and none bounds the window now
                j.bornesecrans = false, SDL_SetWindowMaximumSize(j.window.get(), 1000, 700);
            if (n == t[0]) SDL_PumpEvents(), SDL_FlushEvent(SDL_WINDOWEVENT);  // SDL 3 sends more
            if (n == t[0] && t[3]) pousse(t[3]), pousse(SDL_MOUSEMOTION, t[0]);
            const int cote = n > 296 ? 16384 : 0;  // the screen at most, then the largest picture
            const int w = std::min(t[1], cote ? cote : 1024), h = std::min(t[2], cote ? cote : 768);
            int tw = 0, th = 0;
            SDL_QueryTexture(j.toile.get(), nullptr, nullptr, &tw, &th);
            EXPECT_TRUE(n != t[0] + 1 || (j.largeur == w && j.hauteur == h && tw == w && th == h));
            for (int k = 0; k < 4 && n == t[0] + 1; ++k)  // drawn, a picture pixel a pixel or more
                EXPECT_TRUE(j.blocs[k].x == (k + 1) * w / 5 - w / 20 && j.blocs[k].y == 3 * h / 4 &&
                            (h < 120 || ecarts(j, image(imageatari + k), j.blocs[k]) == 0))
                    << w;
            EXPECT_TRUE(
                n != t[0] + 1 || !t[3] ||
                ((t[3] == ecran || toutnoir(j, {0, 500, 800, 100})) && j.rectchar.x == t[0]));
        }
        if (n == 241) {
            EXPECT_TRUE(j.blocs[0].w == 100 && j.blocs[0].h == 58);
            EXPECT_TRUE(toutnoir(j, {0, 583, 1000, 117}) && toutnoir(j, {850, 560, 20, 15}))
                << "the field is cleared, the old tank gone until a motion";
            pousse(SDL_MOUSEMOTION, 200);
        }
        if (n == 250) EXPECT_EQ(ecarts(j, imagechar, {200, 612, 80, 50}), 0);
        for (int k = 0; k < 500 && n == 300; ++k) pousse(SDL_MOUSEMOTION, k);
        if (n == 300) pousse(SDL_KEYDOWN);
        presentees = j.presentations;
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(s.attentes, sequence(302, false));
}

// Guards the start-up size in full screen (SDL's dummy screen is 1024 x 768): every start-up
// rectangle laid out at it, the welcome and end pictures covering it, the blocks drawn there. Under
// memcheck too: every picture loaded, drawn and released.
TEST(Partie, DemarrageEnPleinEcran) {
    const std::string dit = joue(
        [](jeu& j, Uint32 ms) {
            const image i = ms == dureefin ? imagetheend : imageaccueil;  // covering the screen
            EXPECT_TRUE(ms == dureeblocs || ecarts(j, i, {0, 0, 1024, 768}) == 0) << ms;
            if (ms != dureeblocs) return;
            jeu large;  // where a bomb's width W / 80 differs from W / 79
            large.largeur = 1580, disposedemarrage(large);
            const SDL_Rect cas[][2] = {{j.rectecran[0], {0, 0, 1024, 768}},
                                       {large.bombes[1], {790, 580, 19, 30}},
                                       {j.blocs[0], {153, 576, 102, 64}},
                                       {j.blocs[3], {768, 576, 102, 64}},
                                       {j.bombes[0], {512, 748, 12, 38}},
                                       {j.rectchar, {0, 672, 102, 64}}};  // as laid out, as due
            for (const auto& c : cas) EXPECT_TRUE(SDL_RectEquals(&c[0], &c[1])) << c[1].w;
            EXPECT_EQ(ecarts(j, imageoric, j.blocs[3]), 0);
        },
        true);
    EXPECT_EQ(dit, "");
}

}  // namespace
