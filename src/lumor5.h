// The run and its steps. One run of the game is lumor5(); every step is a
// free function of the state. The run calls the steps, the steps call the
// picture's primitives (toile.h), and nothing calls back up.
#pragma once

#include "jeu.h"

// What differs between a real game and a test: how to wait, the seed, and the
// clock (ms) that paces the pads' pointer.
struct plateforme {
    void (*attente)(Uint32 ms, void* contexte);
    void* contexte;
    unsigned graine;
    Uint64 (*horloge)(void* contexte);
};
inline Uint64 horlogesdl(void*) {
    return SDL_GetTicks64();
}

// The whole run: 0 when it played to the end or a key, 1 when SDL, the
// window or the renderer could not be had. Leaves the SDL resources released.
int lumor5(jeu& j, const plateforme& p);

// Start-up and teardown (lumor5.cpp).
bool demarre(jeu& j);
void libere(jeu& j);
bool joue(jeu& j, const plateforme& p);

// Pictures (images.cpp). chargeimage reads one picture file, or says why not
// through SDL_GetError and gives null.
SDL_Surface* chargeimage(const char* chemin);
void chargeimages(jeu& j);
void creetextures(jeu& j);

// Layout (disposition.cpp). sol() is the top of the block row, where bombs land.
int32_t sol(int32_t hauteur);
int32_t hauteurchar(int32_t hauteur);
void disposedemarrage(jeu& j);
void disposeblocs(jeu& j);

// Formation (formation.cpp).
void etapeformation(jeu& j);

// Bombs (bombes.cpp).
void armebombes(jeu& j);
void etapelargage(jeu& j);
void etapechute(jeu& j);

// Tank and window (evenements.cpp): etapeevenement is true when a key or a
// pad's button ends the run; `maintenant` is the clock's reading.
bool etapeevenement(jeu& j, Uint64 maintenant);
void etapetaille(jeu& j);

// Game controllers (manette.cpp), for the event step: boutonsmanettes takes the
// pads' events off the queue (plugging, unplugging, buttons) and is true when a
// button or a trigger ends the run; poussemanettes moves the pointer by the
// sticks and d-pads since the last frame and is true when it moved by a pixel.
bool boutonsmanettes(jeu& j);
bool poussemanettes(jeu& j, Uint64 maintenant);
