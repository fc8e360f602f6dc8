// The run: start-up, welcome screen, block row, six levels, end screen, teardown.
#include "lumor5.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "toile.h"

namespace {

// A program started from Windows' desktop has no stderr: the line goes to a
// message box there.
bool echec(const char* quoi) {
    char ligne[512];
    SDL_snprintf(ligne, sizeof ligne, "lumor5: %s: %s\n", quoi, SDL_GetError());
    if (std::fputs(ligne, stderr) == EOF || fileno(stderr) < 0)
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "LUMOR", ligne, nullptr);
    return false;
}

// SDL falls back to drivers that show nothing when no display answers; a game
// nobody can see must not pass for one that played.
bool invisible() {
    const char* demande = SDL_getenv("SDL_VIDEODRIVER");
    const char* pilote = SDL_GetCurrentVideoDriver();
    if ((demande && *demande) || !pilote) return false;
    return std::strcmp(pilote, "offscreen") == 0 || std::strcmp(pilote, "dummy") == 0;
}

// A scaled screen (200 %, 150 %) gets the picture at its own pixels, each of the
// game's pixels a block of them, instead of a 1x window the system blurs up.
bool demarrevideo() {
#if defined(__linux__)
    // SDL 3 beneath SDL 2 makes Wayland windows in the screen's pixels, half as large at 200 %:
    // in points, as SDL 2 does, unless the player asks otherwise.
    if (!SDL_getenv("SDL_VIDEO_WAYLAND_SCALE_TO_DISPLAY"))
        SDL_SetHintWithPriority("SDL_VIDEO_WAYLAND_SCALE_TO_DISPLAY", "0", SDL_HINT_OVERRIDE);
    // In a Wayland session XWayland's windows are blurred or tiny at any scale:
    // Wayland first, X11 after it. The player's SDL_VIDEODRIVER wins over both.
    // An SDL_VIDEODRIVER set but empty asks for nothing, yet would win over a plain hint.
    const char* demande = SDL_getenv("SDL_VIDEODRIVER");
    const char* session = SDL_getenv("WAYLAND_DISPLAY");
    const char* serveurx = SDL_getenv("DISPLAY");
    // On X11 alone, X11 first; with neither, the console's driver, then the one that shows
    // nothing, as SDL 2 falls back to. SDL 3 would try Wayland, whose library prints a line of
    // its own when no XDG_RUNTIME_DIR is set, and has no fallback that says why it failed.
    const char* ordre = session && *session     ? "wayland,x11"
                        : serveurx && *serveurx ? "x11"
                                                : "kmsdrm,offscreen";
    if (!demande || !*demande) {
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, ordre, SDL_HINT_OVERRIDE);
        if (SDL_Init(SDL_INIT_VIDEO) == 0) return true;
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);  // neither answered: SDL's own order
    }
#elif defined(_WIN32)
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_SCALING, "1");
#endif
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

// The browser's page scales the canvas itself, without a blur: a canvas sized
// by the device's pixel ratio would put the tank off the pointer there.
#ifdef __EMSCRIPTEN__
constexpr Uint32 hautedensite = 0;
#else
constexpr Uint32 hautedensite = SDL_WINDOW_ALLOW_HIGHDPI;
#endif

}  // namespace

bool demarre(jeu& j) {
    // Ctrl+C and SIGTERM must end the process: the game itself ignores quit requests.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Square pixels on a scaled screen, whatever SDL_RENDER_SCALE_QUALITY a player set for other
    // games: SDL's own textures too, such as the one that shows the software renderer's window.
    SDL_SetHintWithPriority(SDL_HINT_RENDER_SCALE_QUALITY, "nearest", SDL_HINT_OVERRIDE);
    if (!demarrevideo()) return echec("cannot start SDL's video");
    // Without pads the mouse and the keyboard still play.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        std::fprintf(stderr, "lumor5: no game controllers: %s\n", SDL_GetError());
    if (invisible()) {
        SDL_SetError("SDL found none and fell back to its %s driver", SDL_GetCurrentVideoDriver());
        return echec("no display to open a window on");
    }
    // The desktop's own mode: nothing is left in another if the game is killed.
    const Uint32 plein = j.pleinecran ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    // Made the screen's size too: without a window manager to act on full screen (a kiosk, a
    // bare xinit) SDL 2 on X11 would leave the window at 800 x 600 and lay out for the screen.
    SDL_Rect ecran = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, j.largeur, j.hauteur};
    if (plein && SDL_GetDisplayBounds(0, &ecran) != 0)
        ecran = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, j.largeur, j.hauteur};
    // Hidden until its renderer is made: SDL 3 makes the window anew for OpenGL, and a window
    // shown at once would open, vanish and open again.
    j.window.reset(SDL_CreateWindow(titre, ecran.x, ecran.y, ecran.w, ecran.h,
                                    SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | hautedensite | plein));
    if (!j.window) return echec("cannot create the window");
    // In full screen, everything laid out at start-up is laid out at the screen's size.
    if (plein) SDL_GetWindowSize(j.window.get(), &j.largeur, &j.hauteur);
    // Without a GPU driver, or one without render targets, the software renderer
    // draws the same picture.
    for (Uint32 sorte : {SDL_RENDERER_ACCELERATED, SDL_RENDERER_SOFTWARE}) {
        j.renderer.reset(SDL_CreateRenderer(j.window.get(), -1, sorte));
        if (j.renderer && creetoile(j, j.largeur, j.hauteur)) {
            bornefenetre(j);
            SDL_ShowWindow(j.window.get());
            return true;
        }
    }
    return echec(j.renderer ? "cannot create the picture texture" : "cannot create a renderer");
}

void libere(jeu& j) {
    for (manette& m : j.manettes) m.reset();
    for (texture& t : j.textures) t.reset();
    for (surface& s : j.surfaces) s.reset();
    j.toile.reset();
    j.renderer.reset();
    j.window.reset();
    SDL_Quit();
}

bool joue(jeu& j, const plateforme& p) {
    j.instant = p.horloge(p.contexte);
    for (j.tableau = 0; j.tableau < nombretableaux; ++j.tableau) {
        for (j.deplace = 0.0f; imagespartableau > j.deplace; j.deplace += 1.0f) {
            etapeformation(j);
            etapelargage(j);
            etapechute(j);
            p.attente(dureeimage, p.contexte);
            if (etapeevenement(j, p.horloge(p.contexte))) return false;
            etapetaille(j);
            presente(j);
            efface(j);
        }
    }
    return true;
}

int lumor5(jeu& j, const plateforme& p) {
    // Initialization
    if (!demarre(j)) {
        libere(j);
        return 1;
    }
    chargeimages(j);
    std::srand(p.graine);
    creetextures(j);
    noir(j);
    presente(j);
    disposedemarrage(j);

    // Welcome screen, then the block row
    copie(j, imagetheend, j.rectecran[1]);
    copie(j, imageaccueil, j.rectecran[0]);
    presente(j);
    p.attente(dureeaccueil, p.contexte);
    SDL_RenderClear(j.renderer.get());
    dessineblocs(j);
    presente(j);
    p.attente(dureeblocs, p.contexte);

    // Play: six levels, unless a key ends them
    armebombes(j);
    if (joue(j, p)) p.attente(dureefinie, p.contexte);

    // End screen, stretched to the window as it is now
    j.rectecran[1].w = j.largeur;
    j.rectecran[1].h = j.hauteur;
    copie(j, imagetheend, j.rectecran[1]);
    presente(j);
    p.attente(dureefin, p.contexte);
    SDL_RenderClear(j.renderer.get());

    // De-initialization
    libere(j);
    return 0;
}
