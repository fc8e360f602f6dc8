// The game's shared state: one plain struct that every step reads and writes,
// so a test can build a fresh state and drive a step or a whole run.
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
using manette = std::unique_ptr<SDL_GameController, liberateur<SDL_GameControllerClose>>;

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

// The largest side of a picture: the largest texture most GPUs take, and
// below the size at which SDL's own blitter overflows.
inline constexpr int32_t cotemax = 16384;
// The time (ms) before a window still past its bound is asked back again.
inline constexpr Uint64 rappelramene = 1000;

// Timing, in milliseconds, and the run's length.
inline constexpr Uint32 dureeaccueil = 2000;
inline constexpr Uint32 dureeblocs = 400;
inline constexpr Uint32 dureeimage = 15;
inline constexpr Uint32 dureefinie = 400;
inline constexpr Uint32 dureefin = 1000;
inline constexpr int32_t nombretableaux = 6;
inline constexpr float imagespartableau = 254.0f;

// Game controllers: how many at once, the round dead zone of a stick (of 32767),
// the longest time a frame moves the pointer for (a stalled window must not fling it).
inline constexpr int nombremanettes = 8;
inline constexpr double zonemorte = 8000.0;
inline constexpr Uint64 ecartmax = 100;

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

    // The window fills the desktop, and the start-up size is the desktop's.
    bool pleinecran = false;
    // The screens bound the window; a page sizes its canvas itself, larger than
    // the screen when zoomed out, and the benchmark plays sizes no screen has.
#ifdef __EMSCRIPTEN__
    bool bornesecrans = false;
#else
    bool bornesecrans = true;
#endif
    SDL_Point ramenee = {};  // the window's size when last brought back, and the clock then
    Uint64 rameneeinstant = 0;

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
    Uint32 remise = 0;  // the picture lost by the renderer: the reset event's type, or 0

    int presentations = 0;  // pictures shown so far

    // The pads' pointer along the width, with its sub-pixel rest, and the clock
    // (ms) when the event step last read them.
    double pointeur = 0.0;
    Uint64 instant = 0;

    // Declared so that they are released textures first, window last.
    fenetre window;
    rendu renderer;
    texture toile;  // the retained picture every step draws into
    surface surfaces[nombreimages];
    texture textures[nombreimages];
    manette manettes[nombremanettes];
};
