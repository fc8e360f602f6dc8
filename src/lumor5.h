// The game's shared state and its steps. One run of the game is lumor5();
// every step is a free function of the state, so a test can build a fresh
// state and drive the steps or the whole run.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

// RAII holders for the SDL resources; nothing else here has behaviour.
template <auto liberation>
struct liberateur {
    template <class T>
    void operator()(T* p) const {
        liberation(p);
    }
};
using fenetre = std::unique_ptr<SDL_Window, liberateur<SDL_DestroyWindow>>;
using rendu = std::unique_ptr<SDL_Renderer, liberateur<SDL_DestroyRenderer>>;
using texture = std::unique_ptr<SDL_Texture, liberateur<SDL_DestroyTexture>>;
using surface = std::unique_ptr<SDL_Surface, liberateur<SDL_FreeSurface>>;

// The nine pictures, in the order they are loaded and turned into textures.
enum image {
    imagelumor,
    imagebombe,
    imageatari,
    imagesinclair,
    imageamiga,
    imageoric,
    imagechar,
    imageaccueil,
    imagetheend,
    nombreimages
};

inline constexpr const char* fichiers[nombreimages] = {
    "data/lumor.bmp",       "data/bombe.bmp",    "data/blocatari.bmp",
    "data/blosinclair.bmp", "data/bloamiga.bmp", "data/bloric.bmp",
    "data/char.bmp",        "data/accueil.bmp",  "data/theend.bmp",
};

inline constexpr const char* titre =
    "essai  SDL2 LUMOR -  fen\xC3\xAAtre redimensionnable - pressez une touche pour sortir"
    " - utiliser la Souris pour deplacer le Char";

// Timing, in milliseconds, and the run's length.
inline constexpr Uint32 dureeaccueil = 2000;
inline constexpr Uint32 dureeblocs = 400;
inline constexpr Uint32 dureeimage = 15;
inline constexpr Uint32 dureefinie = 400;
inline constexpr Uint32 dureefin = 1000;
inline constexpr int32_t nombretableaux = 6;
inline constexpr float imagespartableau = 254.0f;

// The level table; rows 6 and 7 are never flown.
inline constexpr int32_t sininvert[8] = {1, -1, 1, -1, 1, -1, 1, -1};
inline constexpr int32_t oscillation[8] = {40, 40, 10, 10, 40, 40, 10, 10};
inline constexpr int32_t oscillationvertical[8] = {1, 1, 4, 4, 1, 1, 4, 4};

struct jeu {
    // Window size in use, and as read back from the window each frame.
    int32_t largeur = 800;
    int32_t hauteur = 600;
    int32_t largeurnew = 800;
    int32_t hauteurnew = 600;

    int32_t tableau = 0;     // level, 0 to 5
    float deplace = 0.0f;    // frame within the level, 0.0 to 253.0
    float distanceh = 0.0f;  // formation's amplitudes this frame
    float distancev = 0.0f;

    // Bomb scheduler: the frame of the next try, the ship chosen, falling flags.
    int32_t tempo = 0;
    int32_t choix = 0;
    int32_t b0 = 0, b1 = 0, b2 = 0, b3 = 0;

    SDL_Rect rectecran[2] = {};  // welcome, end
    SDL_Rect blocs[4] = {};      // Atari, Sinclair, Amiga, Oric
    SDL_Rect bombes[4] = {};
    SDL_Rect rectchar = {};
    SDL_Rect vaisseaux[4] = {};
    SDL_Event evenement = {};

    int presentations = 0;  // pictures shown so far

    // Declared so that they are released textures first, window last.
    fenetre window;
    rendu renderer;
    texture toile;  // the retained picture every step draws into
    surface surfaces[nombreimages];
    texture textures[nombreimages];
};

// What differs between a real game and a test: how to wait, and the seed.
struct plateforme {
    void (*attente)(Uint32 ms, void* contexte);
    void* contexte;
    unsigned graine;
};

// The whole run: 0 when it played to the end or a key, 1 when SDL, the
// window or the renderer could not be had. Leaves the SDL resources released.
int lumor5(jeu& j, const plateforme& p);

// Start-up and teardown (lumor5.cpp).
bool demarre(jeu& j);
void libere(jeu& j);
bool creetoile(jeu& j, int largeur, int hauteur);
void presente(jeu& j);
void efface(jeu& j);
void dessineblocs(jeu& j);
void copie(jeu& j, image i, const SDL_Rect& ou);
bool joue(jeu& j, const plateforme& p);

// Pictures (images.cpp).
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

// Tank and window (evenements.cpp): etapeevenement is true when a key ends the run.
bool etapeevenement(jeu& j);
void etapetaille(jeu& j);
