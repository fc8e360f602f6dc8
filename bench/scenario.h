// A scripted run of the game, which the tests and the benchmark drive: its waits
// recorded instead of slept, each handing control to the script, on a clock of its own.
#pragma once

#include <functional>
#include <vector>

#include "lumor5.h"

struct scenario {
    jeu j;
    unsigned graine = 20261206;
    std::vector<Uint32> attentes;
    Uint64 temps = 0;  // the run's clock, in ms: the waits, and what the script adds
    std::function<void(scenario&, Uint32 ms)> script;
    int lance();
    int image() const { return j.tableau * 254 + static_cast<int>(j.deplace); }  // 0 to 1523
};

void pousse(Uint32 type, int x = 0);  // queues an event; x for a motion
