// Helpers for driving the game headlessly: a scripted run, and the picture's pixels.
#pragma once

#include <functional>
#include <vector>

#include "lumor5.h"
#include "toile.h"

// A run whose waits are recorded instead of slept, each one handing control
// to the script, which may queue events, resize the window or read pixels.
struct scenario {
    jeu j;
    unsigned graine = 20261206;
    std::vector<Uint32> attentes;
    std::function<void(scenario&, Uint32 ms)> script;

    int lance();
    // The frame being played, counted over the whole run from 0.
    int image() const { return j.tableau * 254 + static_cast<int>(j.deplace); }
    bool enjeu(Uint32 ms) const { return ms == dureeimage; }
    bool finjeu(Uint32 ms) const { return ms == dureefinie && j.tableau == nombretableaux; }
};

// The retained picture's colour at (x, y), as 0xRRGGBB.
Uint32 pixel(jeu& j, int x, int y);
std::vector<Uint32> toutelatoile(jeu& j);
// The colour of a picture's own pixel (u, v), as 0xRRGGBB.
Uint32 source(const jeu& j, image i, int u, int v);
// True when every pixel of the rectangle, clipped to the picture, is black.
bool noir(jeu& j, const SDL_Rect& r);

SDL_Event souris(int x, int y);
SDL_Event touche();
void pousse(SDL_Event e);
