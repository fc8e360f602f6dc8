// The picture's primitives. Every step draws through these into the retained
// picture; only presente() shows it.
#include "toile.h"

#include <algorithm>

void noir(jeu& j) {
    SDL_SetRenderDrawColor(j.renderer.get(), 0, 0, 0, 255);
}

// The picture is kept in a texture of its own because a window's back buffer
// is not guaranteed to survive a present, and play never redraws the whole field.
bool creetoile(jeu& j, int largeur, int hauteur) {
    texture toile(SDL_CreateTexture(j.renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_TARGET, largeur, hauteur));
    if (!toile || SDL_SetRenderTarget(j.renderer.get(), toile.get()) != 0) return false;
    noir(j);
    SDL_RenderClear(j.renderer.get());
    j.toile = std::move(toile);
    return true;
}

// Without a window manager nothing holds the window to its maximum size, and
// past it no picture can be made (nor, on some drivers, shown): it is brought back.
void ramene(jeu& j) {
    int w = 0, h = 0, wmax = 0, hmax = 0;
    SDL_GetWindowSize(j.window.get(), &w, &h);
    SDL_GetWindowMaximumSize(j.window.get(), &wmax, &hmax);
    if (wmax > 0 && (w > wmax || h > hmax))
        SDL_SetWindowSize(j.window.get(), std::min(w, wmax), std::min(h, hmax));
}

void copie(jeu& j, image i, const SDL_Rect& ou) {
    if (j.textures[i]) SDL_RenderCopy(j.renderer.get(), j.textures[i].get(), nullptr, &ou);
}

void dessineblocs(jeu& j) {
    copie(j, imageatari, j.blocs[0]);
    copie(j, imagesinclair, j.blocs[1]);
    copie(j, imageamiga, j.blocs[2]);
    copie(j, imageoric, j.blocs[3]);
}

void presente(jeu& j) {
    SDL_PumpEvents();  // the window's size as it is now, after a wait that looked at nothing
    ramene(j);
    SDL_Renderer* r = j.renderer.get();
    SDL_SetRenderTarget(r, nullptr);
    SDL_RenderCopy(r, j.toile.get(), nullptr, nullptr);
    SDL_RenderPresent(r);
    SDL_SetRenderTarget(r, j.toile.get());
    ++j.presentations;
}

// Moving sprites are painted over after the present, so each frame starts
// from the retained picture without them.
void efface(jeu& j) {
    SDL_RenderFillRects(j.renderer.get(), j.vaisseaux, 4);
    SDL_RenderFillRects(j.renderer.get(), j.bombes, 4);
}
