#include "outils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

// No display: SDL's dummy driver, picked explicitly before any test starts.
static const int sansaffichage = setenv("SDL_VIDEODRIVER", "dummy", 1);
// Nor focus, without which SDL leaves the pads unread.
static const int manettes = setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);

std::vector<Uint32> sequence(int images, bool fini) {
    std::vector<Uint32> w = {2000, 400};  // welcome, block row
    w.insert(w.end(), images, 15);
    if (fini) w.push_back(400);
    w.push_back(1000);  // end screen
    return w;
}

static std::vector<Uint32> lis(jeu& j, const SDL_Rect& r) {
    std::vector<Uint32> p(static_cast<size_t>(r.w) * static_cast<size_t>(r.h));
    SDL_RenderReadPixels(j.renderer.get(), &r, SDL_PIXELFORMAT_RGB888, p.data(), r.w * 4);
    for (Uint32& c : p) c &= 0xFFFFFF;
    return p;
}

bool toutnoir(jeu& j, const SDL_Rect& r) {
    const SDL_Rect toile = {0, 0, j.largeur, j.hauteur};
    SDL_Rect vu;
    const std::vector<Uint32> p =
        SDL_IntersectRect(&r, &toile, &vu) ? lis(j, vu) : std::vector<Uint32>();
    return std::all_of(p.begin(), p.end(), [](Uint32 c) { return c == 0; });
}

bool seulchar(jeu& j, int x) {
    const int y = hauteurchar(j.hauteur);
    return ecarts(j, imagechar, {x, y, 80, 50}) == 0 && toutnoir(j, {0, y, x, 50}) &&
           toutnoir(j, {x + 80, y, j.largeur, 50});
}

int ecarts(jeu& j, image i, const SDL_Rect& ou, const SDL_Surface* s) {
    if (!(s = s ? s : j.surfaces[i].get())) return -1;
    SDL_Surface* c =
        SDL_ConvertSurfaceFormat(const_cast<SDL_Surface*>(s), SDL_PIXELFORMAT_RGB888, 0);
    const std::vector<Uint32> vu = lis(j, {0, 0, j.largeur, j.hauteur});
    int faux = 0;
    for (int v = 0; v < s->h; ++v)
        for (int u = 0; u < s->w; ++u) {
            const SDL_Point p = {ou.x + (2 * u + 1) * ou.w / (2 * s->w),
                                 ou.y + (2 * v + 1) * ou.h / (2 * s->h)};
            bool cache = p.x < 0 || p.y < 0 || p.x >= j.largeur || p.y >= j.hauteur;
            for (int k = 0; k < 4; ++k)
                cache = cache || (i != imagebombe && SDL_PointInRect(&p, &j.bombes[k])) ||
                        (i != imagelumor && SDL_PointInRect(&p, &j.vaisseaux[k]));
            faux +=
                !cache && vu[static_cast<size_t>(p.y * j.largeur + p.x)] !=
                              (static_cast<Uint32*>(c->pixels)[v * c->pitch / 4 + u] & 0xFFFFFF);
        }
    SDL_FreeSurface(c);
    return faux;
}

int ecarts(jeu& j, const std::vector<SDL_Rect>& noirs) {
    SDL_Surface* attendu = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888);
    for (int k = 0; k < 4; ++k) {  // SDL stretches no palette picture
        SDL_Surface* c = SDL_ConvertSurface(j.surfaces[imageatari + k].get(), attendu->format, 0);
        SDL_BlitScaled(c, nullptr, attendu, &j.blocs[k]);
        SDL_FreeSurface(c);
    }
    SDL_FillRects(attendu, noirs.data(), static_cast<int>(noirs.size()), 0);
    const std::vector<Uint32> vu = lis(j, {0, 0, 800, 520});
    const Uint32* p = static_cast<const Uint32*>(attendu->pixels);
    int faux = 0;
    for (size_t i = 0; i < vu.size(); ++i) faux += vu[i] != (p[i] & 0xFFFFFF);
    SDL_FreeSurface(attendu);
    return faux;
}

std::string joue(std::function<void(jeu&, Uint32 ms)> regard, bool plein) {
    scenario s;
    s.j.pleinecran = plein;
    s.script = [&](scenario& s, Uint32 ms) {
        if (ms != dureeimage) regard(s.j, ms);
        if (ms == dureeimage) pousse(SDL_KEYDOWN);
    };
    const auto ouverts = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto avant = ouverts();
    testing::internal::CaptureStderr();
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(s.attentes, sequence(1, false));
    EXPECT_EQ(ouverts(), avant + 1) << "descriptors left open (the capture holds one)";
    return testing::internal::GetCapturedStderr();
}
