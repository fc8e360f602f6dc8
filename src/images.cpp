// The nine pictures: read once at start-up, kept until teardown.
#include "lumor5.h"

#include <cstdio>

// A picture that cannot be had is reported and then simply not drawn.
void chargeimages(jeu& j) {
    for (int i = 0; i < nombreimages; ++i) {
        SDL_RWops* flux = SDL_RWFromFile(fichiers[i], "rb");
        if (flux) j.surfaces[i].reset(SDL_LoadBMP_RW(flux, 1));
        if (!j.surfaces[i])
            std::fprintf(stderr, "lumor5: cannot load %s: %s\n", fichiers[i], SDL_GetError());
    }
}

void creetextures(jeu& j) {
    for (int i = 0; i < nombreimages; ++i) {
        if (!j.surfaces[i]) continue;
        j.textures[i].reset(SDL_CreateTextureFromSurface(j.renderer.get(), j.surfaces[i].get()));
        if (!j.textures[i])
            std::fprintf(stderr, "lumor5: cannot draw %s: %s\n", fichiers[i], SDL_GetError());
    }
}
