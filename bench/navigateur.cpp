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
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* w = SDL_CreateWindow(titre, 0, 0, 800, 600, SDL_WINDOW_RESIZABLE);
    SDL_Renderer* r = SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
    int largeur = 0, hauteur = 0;
    SDL_GetWindowSize(w, &largeur, &hauteur);
    SDL_Texture* toile = SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                           largeur, hauteur);
    const auto montre = [r, toile] {
        SDL_SetRenderTarget(r, nullptr);
        SDL_RenderCopy(r, toile, nullptr, nullptr);
        SDL_RenderPresent(r);
        SDL_SetRenderTarget(r, toile);
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
    SDL_DestroyTexture(toile);
    SDL_DestroyRenderer(r);
    SDL_DestroyWindow(w);
    SDL_Quit();
    return 0;
}

}  // namespace

int main() {
    setenv("SDL_EMSCRIPTEN_ASYNCIFY", "0", 1);  // a hint would not outlive SDL_Quit
    chrono nu, partie;
    double debut = emscripten_get_now();
    if (bancnu(nu) != 0) return 1;
    const double toutnu = emscripten_get_now() - debut;

    jeu j;
    const plateforme p = {attends, &partie, 2026};
    debut = emscripten_get_now();
    const int statut = lumor5(j, p);
    const double toutpartie = emscripten_get_now() - debut;
    const double mp = moyennecentrale(partie.images), mn = moyennecentrale(nu.images);
    std::printf("size %dx%d: frames %d, presents %d, status %d\n", j.largeur, j.hauteur,
                partie.attentesimage, j.presentations, statut);
    std::printf("frame work (mean of the middle half): game %.3f ms, bare loop %.3f ms, ratio %.2f\n", mp, mn,
                mp / mn);
    std::printf("whole run: game %.2f s, bare loop %.2f s, ratio %.3f\n", toutpartie / 1000.0,
                toutnu / 1000.0, toutpartie / toutnu);
    return statut;
}
