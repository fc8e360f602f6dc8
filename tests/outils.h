// Driving the game headlessly: a scripted run, the picture's pixels, a folder of one's own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "lumor5.h"
#include "scenario.h"
#include "toile.h"

// A run ended by a key on its first frame, `regard` looking at each screen; what it said on stderr.
std::string joue(std::function<void(jeu&, Uint32 ms)> regard, bool plein = false);
std::vector<Uint32> sequence(int images, bool fini);  // the waits of a run
bool toutnoir(jeu& j, const SDL_Rect& r);             // clipped to the picture
bool seulchar(jeu& j, int x);  // the tank drawn at x, and nothing else on its row
// Pixels where picture i (or s) drawn at `ou` differs, sampled mid-pixel, clipped, sprites skipped.
int ecarts(jeu& j, image i, const SDL_Rect& ou, const SDL_Surface* s = nullptr);
// Pixels above the tank's row differing from the 800 x 600 block row on black, `noirs` erased.
int ecarts(jeu& j, const std::vector<SDL_Rect>& noirs);
