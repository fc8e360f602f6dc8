// The player's side: one event a frame, and the window's size read every frame.
#include <algorithm>
#include <cstdio>

#include "lumor5.h"
#include "toile.h"

// The event record outlives the frame and an empty queue leaves it as it was,
// so a resting pointer keeps its tank drawn frame after frame.
bool etapeevenement(jeu& j) {
    // Direct3D loses the picture when its device resets (a resize, a lost device).
    // SDL's word of it is not the player's one event of the frame: it is kept aside.
    SDL_Event remise;
    while (SDL_PeepEvents(&remise, 1, SDL_GETEVENT, SDL_RENDER_TARGETS_RESET,
                          SDL_RENDER_DEVICE_RESET) == 1)
        j.remise = std::max(j.remise, remise.type);
    SDL_PollEvent(&j.evenement);
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
