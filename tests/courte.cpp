// A short headless run for memcheck: the real run, a motion, a resize and a
// key after 30 frames. Exits with the run's status.
#include <cstdlib>

#include "lumor5.h"

int main() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    static jeu j;
    const plateforme p = {[](Uint32 ms, void*) {
                              if (ms != dureeimage) return;
                              SDL_Event e{};
                              if (j.deplace == 10.0f) {
                                  e.type = SDL_MOUSEMOTION;
                                  e.motion.x = 790;
                              } else if (j.deplace == 20.0f) {
                                  SDL_SetWindowSize(j.window.get(), 640, 800);
                              } else if (j.deplace == 30.0f) {
                                  e.type = SDL_KEYDOWN;
                              }
                              if (e.type) SDL_PushEvent(&e);
                          },
                          nullptr, 1};
    return lumor5(j, p);
}
