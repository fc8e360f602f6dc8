// The player's side: one event a frame, and the window's size read every frame.
#include <algorithm>
#include <cstdio>

#include "lumor5.h"
#include "toile.h"

namespace {

// A mouse sends motions far faster than frames come, and on X11 and Wayland
// every one reaches the queue: a run of them is one event, the last, so the
// tank goes where the pointer is now. What stands behind the run keeps its turn.
void rattrape(SDL_Event& pris) {
    SDL_Event suivant;
    while (pris.type == SDL_MOUSEMOTION &&
           SDL_PeepEvents(&suivant, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 &&
           suivant.type == SDL_MOUSEMOTION)
        SDL_PeepEvents(&pris, 1, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION);
}

}  // namespace

// The event record outlives the frame and an empty queue leaves it as it was,
// so a resting pointer keeps its tank drawn frame after frame.
bool etapeevenement(jeu& j, Uint64 maintenant) {
    SDL_PumpEvents();
    // Direct3D loses the picture when its device resets (a resize, a lost device).
    // SDL's word of it is not the player's one event of the frame: it is kept aside.
    // Each look asks first whether there is anything: SDL 3 beneath SDL 2 allocates for every
    // SDL_PeepEvents call, and a frame of a resting game allocates nothing.
    SDL_Event pris;
    while (SDL_HasEvents(SDL_RENDER_TARGETS_RESET, SDL_RENDER_DEVICE_RESET) &&
           SDL_PeepEvents(&pris, 1, SDL_GETEVENT, SDL_RENDER_TARGETS_RESET,
                          SDL_RENDER_DEVICE_RESET) == 1)
        j.remise = std::max(j.remise, pris.type);
    // A screen plugged in, pulled out or changed: the window's bound follows the screens.
    if (SDL_HasEvent(SDL_DISPLAYEVENT) &&
        SDL_PeepEvents(&pris, 1, SDL_GETEVENT, SDL_DISPLAYEVENT, SDL_DISPLAYEVENT) == 1)
        bornefenetre(j);
    // Nor are the pads' events: a moving stick would queue them ahead of a key.
    if (boutonsmanettes(j)) return true;
    // Nor a finger's own events: SDL queues a mouse motion beside each, and those
    // must stand together.
    SDL_FlushEvents(SDL_FINGERDOWN, SDL_MULTIGESTURE);
    const bool pousse = poussemanettes(j, maintenant);
    // Taken without pumping again, and kept only when there was one: SDL may
    // write into the record when the queue is empty.
    const bool unpris = SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) &&
                        SDL_PeepEvents(&pris, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
    if (unpris) rattrape(pris), j.evenement = pris;
    // The mouse takes over at once, and the pads go on from its x; a pad's move
    // is left in the record as a motion, so the tank rests there afterwards.
    if (unpris && pris.type == SDL_MOUSEMOTION) j.pointeur = pris.motion.x;
    if (pousse && j.evenement.type != SDL_KEYDOWN) {
        j.evenement = SDL_Event{};
        j.evenement.type = SDL_MOUSEMOTION;
        j.evenement.motion.x = static_cast<Sint32>(j.pointeur);
    }
    switch (j.evenement.type) {
        case SDL_KEYDOWN:
            return true;
        case SDL_MOUSEMOTION:
            SDL_RenderFillRect(j.renderer.get(), &j.rectchar);
            j.rectchar.x = j.evenement.motion.x;
            j.rectchar.y = hauteurchar(j.hauteur);
            copie(j, imagechar, j.rectchar);
            break;
        default:  // the close button too: only a key ends the game
            break;
    }
    return false;
}

void etapetaille(jeu& j) {
    ramene(j);
    SDL_GetWindowSize(j.window.get(), &j.largeurnew, &j.hauteurnew);
    if (j.largeurnew == j.largeur && j.hauteurnew == j.hauteur && !j.remise) return;
    j.largeur = j.largeurnew;
    j.hauteur = j.hauteurnew;
    // A lost device took every texture with it; the surfaces make them again.
    if (j.remise == SDL_RENDER_DEVICE_RESET) creetextures(j);
    j.remise = 0;
    // The picture follows the window; failing that, the old one is kept and clipped.
    if (!creetoile(j, j.largeur, j.hauteur))
        std::fprintf(stderr, "lumor5: cannot resize the picture to %dx%d: %s\n", j.largeur,
                     j.hauteur, SDL_GetError());
    noir(j);
    SDL_RenderClear(j.renderer.get());
    disposeblocs(j);
    dessineblocs(j);
}
