// Driving the game headlessly: a scripted run, the picture's pixels, a folder of one's own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "lumor5.h"
#include "toile.h"

// A run whose waits are recorded instead of slept, each handing control to the script.
struct scenario {
    jeu j;
    unsigned graine = 20261206;
    std::vector<Uint32> attentes;
    Uint64 temps = 0;  // the run's clock, in ms: the waits, and what the script adds
    std::function<void(scenario&, Uint32 ms)> script;
    int lance();
    int image() const { return j.tableau * 254 + static_cast<int>(j.deplace); }  // 0 to 1523
};

// A run ended by a key on its first frame, `regard` looking at each screen; what it said on stderr.
std::string joue(std::function<void(jeu&, Uint32 ms)> regard, bool plein = false);
std::vector<Uint32> sequence(int images, bool fini);  // the waits of a run
void pousse(Uint32 type, int x = 0);                  // queues an event; x for a motion
bool toutnoir(jeu& j, const SDL_Rect& r);             // clipped to the picture
bool seulchar(jeu& j, int x);  // the tank drawn at x, and nothing else on its row
// Pixels where picture i (or s) drawn at `ou` differs from it, sampled at the
// middle of each source pixel's place, clipped, skipping other sprites over it.
int ecarts(jeu& j, image i, const SDL_Rect& ou, const SDL_Surface* s = nullptr);
// Pixels above the tank's row where an 800 x 600 picture differs from the
// block row alone on black, with `noirs` erased.
int ecarts(jeu& j, const std::vector<SDL_Rect>& noirs);
