#include "outils.h"

#include <algorithm>

int scenario::lance() {
    const plateforme p = {[](Uint32 ms, void* c) {
                              scenario& s = *static_cast<scenario*>(c);
                              s.attentes.push_back(ms);
                              if (s.script) s.script(s, ms);
                          },
                          this, graine};
    return lumor5(j, p);
}

Uint32 pixel(jeu& j, int x, int y) {
    const SDL_Rect r = {x, y, 1, 1};
    Uint32 p = 0;
    SDL_RenderReadPixels(j.renderer.get(), &r, SDL_PIXELFORMAT_ARGB8888, &p, 4);
    return p & 0xFFFFFF;
}

std::vector<Uint32> toutelatoile(jeu& j) {
    std::vector<Uint32> p(static_cast<size_t>(j.largeur) * static_cast<size_t>(j.hauteur));
    SDL_RenderReadPixels(j.renderer.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, p.data(),
                         j.largeur * 4);
    for (Uint32& c : p) c &= 0xFFFFFF;
    return p;
}

Uint32 source(const jeu& j, image i, int u, int v) {
    const SDL_Surface* s = j.surfaces[i].get();
    const Uint8* p =
        static_cast<const Uint8*>(s->pixels) + v * s->pitch + u * s->format->BytesPerPixel;
    Uint32 brut = 0;
    for (int k = 0; k < s->format->BytesPerPixel; ++k) brut |= static_cast<Uint32>(p[k]) << (8 * k);
    Uint8 r, g, b;
    SDL_GetRGB(brut, s->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

bool noir(jeu& j, const SDL_Rect& r) {
    const SDL_Rect toile = {0, 0, j.largeur, j.hauteur};
    SDL_Rect vu;
    if (!SDL_IntersectRect(&r, &toile, &vu)) return true;
    std::vector<Uint32> p(static_cast<size_t>(vu.w) * static_cast<size_t>(vu.h));
    SDL_RenderReadPixels(j.renderer.get(), &vu, SDL_PIXELFORMAT_ARGB8888, p.data(), vu.w * 4);
    return std::all_of(p.begin(), p.end(), [](Uint32 c) { return (c & 0xFFFFFF) == 0; });
}

SDL_Event souris(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

SDL_Event touche() {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_SPACE;
    e.key.keysym.scancode = SDL_SCANCODE_SPACE;
    return e;
}

void pousse(SDL_Event e) {
    SDL_PushEvent(&e);
}
