// Counts heap allocations: SDL's, through its memory functions, and the C++
// heap's, through a replaced operator new (linking comptage.cpp installs it).
#pragma once

// Allocations so far in this process, counted since comptesdl(true) for SDL's.
long allocationsfaites();

// Routes SDL's allocations through the counter, or back to SDL's own functions.
void comptesdl(bool oui);
