// The player's side: one event a frame, and the window's size read every frame.
#include <cstdio>

#include "lumor5.h"
#include "toile.h"

// The event record outlives the frame and an empty queue leaves it as it was,
// so a resting pointer keeps its tank drawn frame after frame.
bool etapeevenement(jeu& j) {
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
    if (j.largeurnew == j.largeur && j.hauteurnew == j.hauteur) return;
    j.largeur = j.largeurnew;
    j.hauteur = j.hauteurnew;
    // The picture follows the window; failing that, the old one is kept and clipped.
    if (!creetoile(j, j.largeur, j.hauteur))
        std::fprintf(stderr, "lumor5: cannot resize the picture to %dx%d: %s\n", j.largeur,
                     j.hauteur, SDL_GetError());
    noir(j);
    SDL_RenderClear(j.renderer.get());
    disposeblocs(j);
    dessineblocs(j);
}
