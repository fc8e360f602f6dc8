// Game controllers: plugged in and pulled out at any time; their sticks are
// read as state every frame, never queued as the player's one event, and any
// button but the d-pad ends the run as a key does.
#include <algorithm>
#include <cmath>

#include "lumor5.h"

namespace {

constexpr Sint16 demigachette = 16384;  // a trigger runs from 0 to 32767

SDL_JoystickID identite(const manette& m) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(m.get()));
}

// SDL may announce a pad plugged in before start twice.
void branche(jeu& j, int index) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
    for (const manette& m : j.manettes)
        if (m && identite(m) == id) return;
    for (manette& m : j.manettes)
        if (!m) return m.reset(SDL_GameControllerOpen(index));
}

void debranche(jeu& j, SDL_JoystickID id) {
    for (manette& m : j.manettes)
        if (m && identite(m) == id) m.reset();
}

bool fin(const SDL_Event& e) {
    return e.type == SDL_CONTROLLERBUTTONDOWN &&
           (e.cbutton.button < SDL_CONTROLLER_BUTTON_DPAD_UP ||
            e.cbutton.button > SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
}

// One pad's push along the width, -1 to 1 of full speed.
double poussee(SDL_GameController* m) {
    const int gauche = SDL_GameControllerGetButton(m, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    const int droite = SDL_GameControllerGetButton(m, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    if (gauche != droite) return droite - gauche;
    const double x = SDL_GameControllerGetAxis(m, SDL_CONTROLLER_AXIS_LEFTX);
    const double y = SDL_GameControllerGetAxis(m, SDL_CONTROLLER_AXIS_LEFTY);
    // A round dead zone: a worn stick resting off centre on both axes stays still.
    // (Not std::hypot, which would ask the portable builds for glibc 2.35.)
    const double rayon = std::sqrt(x * x + y * y);
    if (rayon <= zonemorte) return 0.0;
    return (std::min(rayon, 32767.0) - zonemorte) / (32767.0 - zonemorte) * x / rayon;
}

}  // namespace

bool boutonsmanettes(jeu& j) {
    SDL_Event e[16];
    int n;
    while (SDL_HasEvents(SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1) &&
           (n = SDL_PeepEvents(e, 16, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_FINGERDOWN - 1)) > 0)
        for (int k = 0; k < n; ++k) {
            if (e[k].type == SDL_CONTROLLERDEVICEADDED) branche(j, e[k].cdevice.which);
            if (e[k].type == SDL_CONTROLLERDEVICEREMOVED) debranche(j, e[k].cdevice.which);
            if (fin(e[k])) return true;
        }
    for (const manette& m : j.manettes)
        if (m &&
            (SDL_GameControllerGetAxis(m.get(), SDL_CONTROLLER_AXIS_TRIGGERLEFT) >= demigachette ||
             SDL_GameControllerGetAxis(m.get(), SDL_CONTROLLER_AXIS_TRIGGERRIGHT) >= demigachette))
            return true;
    return false;
}

// Time-based, so a slow machine moves as far a second; the rest below a pixel is kept.
bool poussemanettes(jeu& j, Uint64 maintenant) {
    const Uint64 ecart = std::min(maintenant - j.instant, ecartmax);
    j.instant = maintenant;
    double total = 0.0;
    for (const manette& m : j.manettes)
        if (m) total += poussee(m.get());
    if (total == 0.0) return false;
    const int32_t avant = static_cast<int32_t>(j.pointeur);
    const double vitesse = std::clamp(total, -1.0, 1.0) * j.largeur;  // pixels a second
    j.pointeur = std::clamp(j.pointeur + vitesse * static_cast<double>(ecart) / 1000.0, 0.0,
                            j.largeur - 1.0);
    return static_cast<int32_t>(j.pointeur) != avant;
}
