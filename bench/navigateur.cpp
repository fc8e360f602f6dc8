// What a frame costs in the browser. One page plays a bare loop (copy a
// full-window picture, present), then the game, both with the game's waits,
// and prints each one's frame work and whole time. A frame's work is the time
// from the end of one wait to the start of the next. SDL's own yield at each
// present is turned off, so that a frame's time is its work, not the browser's.
#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "lumor5.h"
#include "toile.h"

namespace {

struct chrono {
    std::vector<double> images;  // each frame's work, in ms
    int attentesimage = 0;
    Uint32 derniere = 0;
    double finattente = 0.0;
};

void attends(Uint32 ms, void* c) {
    chrono& t = *static_cast<chrono*>(c);
    if (ms == dureeimage && t.derniere == dureeimage)
        t.images.push_back(emscripten_get_now() - t.finattente);
    t.attentesimage += ms == dureeimage;
    t.derniere = ms;
    emscripten_sleep(ms);
    t.finattente = emscripten_get_now();
}

// The mean of the middle half: the browser's clock ticks by 0.1 ms, which a
// median would round to, and a plain mean would count the odd garbage collection.
double moyennecentrale(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    double somme = 0.0;
    for (size_t k = v.size() / 4; k < v.size() * 3 / 4; ++k) somme += v[k];
    return somme / static_cast<double>(v.size() * 3 / 4 - v.size() / 4);
}

// The same screens, waits and frames as the game, each frame a bare present.
int bancnu(chrono& t) {
    jeu j;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    j.window.reset(SDL_CreateWindow(titre, 0, 0, j.largeur, j.hauteur, SDL_WINDOW_RESIZABLE));
    j.renderer.reset(SDL_CreateRenderer(j.window.get(), -1, SDL_RENDERER_SOFTWARE));
    SDL_GetWindowSize(j.window.get(), &j.largeur, &j.hauteur);  // the canvas's size
    if (!j.renderer || !creetoile(j, j.largeur, j.hauteur)) {
        std::fprintf(stderr, "banc: no bare loop: %s\n", SDL_GetError());
        libere(j);
        return 1;
    }
    SDL_Renderer* r = j.renderer.get();
    const auto montre = [&j, r] {
        SDL_SetRenderTarget(r, nullptr);
        SDL_RenderCopy(r, j.toile.get(), nullptr, nullptr);
        SDL_RenderPresent(r);
        SDL_SetRenderTarget(r, j.toile.get());
    };
    montre();
    montre();
    attends(dureeaccueil, &t);
    montre();
    attends(dureeblocs, &t);
    for (int k = 0; k < nombretableaux * 254; ++k) {
        attends(dureeimage, &t);
        montre();
    }
    attends(dureefinie, &t);
    montre();
    attends(dureefin, &t);
    libere(j);
    return 0;
}

}  // namespace

int main() {
    setenv("SDL_EMSCRIPTEN_ASYNCIFY", "0", 1);  // a hint would not outlive SDL_Quit
    chrono nu, partie;
    nu.images.reserve(nombretableaux * 254);  // so that timing allocates nothing
    partie.images.reserve(nombretableaux * 254);
    double debut = emscripten_get_now();
    if (bancnu(nu) != 0) return 1;
    const double toutnu = emscripten_get_now() - debut;

    jeu j;
    const plateforme p = {attends, &partie, 2026, horlogesdl};
    debut = emscripten_get_now();
    const int statut = lumor5(j, p);
    const double toutpartie = emscripten_get_now() - debut;
    const double mp = moyennecentrale(partie.images), mn = moyennecentrale(nu.images);
    std::printf("size %dx%d: frames %d, presents %d, status %d\n", j.largeur, j.hauteur,
                partie.attentesimage, j.presentations, statut);
    std::printf(
        "frame work (mean of the middle half): game %.3f ms, bare loop %.3f ms, ratio %.2f\n", mp,
        mn, mp / mn);
    std::printf("whole run: game %.2f s, bare loop %.2f s, ratio %.3f\n", toutpartie / 1000.0,
                toutnu / 1000.0, toutpartie / toutnu);
    return statut;
}
