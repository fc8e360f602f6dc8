// The real game: real waits, seeded with the calendar time. The command line
// is ignored but for --help, --version and --fullscreen.
#include <cstdio>
#include <cstring>
#include <ctime>

#include "lumor5.h"

#ifndef _WIN32
#include <fcntl.h>

// A descriptor 0 to 2 left closed would be taken by the next file the game
// opens, the display's connection among them, and warnings written there.
static void bouchedescripteurs() {
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && open("/dev/null", O_RDWR) == -1) return;
}
#else
static void bouchedescripteurs() {}
#endif

static const char* const aide =
    "Usage: lumor5 [-f | --fullscreen]\n"
    "A formation of four ships bombs a row of four blocks over six levels, while you\n"
    "slide a tank along the bottom of the window.\n\n"
    "  -f, --fullscreen  fill the whole screen instead of an 800 x 600 window\n\n"
    "  move the mouse    the tank follows the pointer\n"
    "  the left stick or the d-pad of a game controller slides the tank\n"
    "  any key, any other controller button, or a trigger pulled halfway or more,\n"
    "                    ends the game through its end screen\n\n"
    "The pictures are read from data/ under the working directory.\n"
    "SDL_VIDEODRIVER picks SDL's video driver (x11, wayland, ...),\n"
    "SDL_RENDER_DRIVER its renderer (opengl, opengles2, software).\n";

int main(int argc, char* argv[]) {
    jeu j;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) return std::fputs(aide, stdout) == EOF;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::fputs("lumor5 " LUMOR_VERSION "\n", stdout) == EOF;
        if (std::strcmp(argv[i], "--fullscreen") == 0 || std::strcmp(argv[i], "-f") == 0)
            j.pleinecran = true;
    }
    bouchedescripteurs();
    const plateforme p = {[](Uint32 ms, void*) { SDL_Delay(ms); }, nullptr,
                          static_cast<unsigned>(std::time(nullptr)), horlogesdl};
    return lumor5(j, p);
}
