// The picture's primitives. Every step draws through these into the retained
// picture; only presente() shows it.
#include "toile.h"

#include <algorithm>
#include <initializer_list>

void noir(jeu& j) {
    SDL_SetRenderDrawColor(j.renderer.get(), 0, 0, 0, 255);
}

// The picture is kept in a texture of its own because a window's back buffer
// is not guaranteed to survive a present, and play never redraws the whole field.
bool creetoile(jeu& j, int largeur, int hauteur) {
    texture toile(SDL_CreateTexture(j.renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                    SDL_TEXTUREACCESS_TARGET, largeur, hauteur));
    if (!toile || SDL_SetRenderTarget(j.renderer.get(), toile.get()) != 0) return false;
    // Stretched onto a scaled screen's pixels at each present: square, whatever
    // SDL_RENDER_SCALE_QUALITY a player set for other games.
    SDL_SetTextureScaleMode(toile.get(), SDL_ScaleModeNearest);
    noir(j);
    SDL_RenderClear(j.renderer.get());
    j.toile = std::move(toile);
    return true;
}

// The window may grow no larger than the screens together, which is all anyone
// can see of it, nor than the picture the renderer can hold: a picture of
// 16384 x 16384 costs seconds a frame, and a key would wait for them.
void bornefenetre(jeu& j) {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(j.renderer.get(), &info);
    SDL_Rect ecrans{};
    for (int i = 0; j.bornesecrans && i < SDL_GetNumVideoDisplays(); ++i)
        if (SDL_Rect ecran; SDL_GetDisplayBounds(i, &ecran) == 0)
            SDL_UnionRect(&ecrans, &ecran, &ecrans);
    const auto borne = [](int cote, int vu) {
        return std::min({cote > 0 ? cote : cotemax, vu > 0 ? vu : cotemax, cotemax});
    };
    SDL_SetWindowMaximumSize(j.window.get(), borne(info.max_texture_width, ecrans.w),
                             borne(info.max_texture_height, ecrans.h));
    j.ramenee = {};  // a new bound: the size is looked at again
}

// Without a window manager nothing holds the window to its maximum size, and
// past it no picture can be made (nor, on some drivers, shown): it is brought
// back. Asked once a size, and again a second later while it stays there: SDL 3
// on X11 at times drops the request, yet a window system that keeps the window
// larger is not asked every frame.
void ramene(jeu& j) {
    int w = 0, h = 0, wmax = 0, hmax = 0;
    SDL_GetWindowSize(j.window.get(), &w, &h);
    if (w == j.ramenee.x && h == j.ramenee.y && j.instant - j.rameneeinstant < rappelramene) return;
    j.ramenee = {w, h};
    j.rameneeinstant = j.instant;
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

// Moving sprites are painted over after the present, so each frame starts from
// the retained picture without them; two at a time, since the GPU renderers fill
// with triangles and take four rectangles' corners from the heap, fewer from the stack.
void efface(jeu& j) {
    for (const SDL_Rect* r : {j.vaisseaux, j.vaisseaux + 2, j.bombes, j.bombes + 2})
        SDL_RenderFillRects(j.renderer.get(), r, 2);
}
