#include "scenario.h"

int scenario::lance() {
    const plateforme p = {[](Uint32 ms, void* c) {
                              scenario& s = *static_cast<scenario*>(c);
                              s.attentes.push_back(ms);
                              s.temps += ms;
                              // The window's own events, as many as each SDL queues at start
                              // (2.32's dummy driver: fifteen), would stand before the script's.
                              if (ms == dureeaccueil) {
                                  SDL_PumpEvents();
                                  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
                              }
                              if (s.script) s.script(s, ms);
                          },
                          this, graine, [](void* c) { return static_cast<scenario*>(c)->temps; }};
    return lumor5(j, p);
}

void pousse(Uint32 type, int x) {
    SDL_Event e{};
    e.type = type, e.motion.x = x;
    SDL_PushEvent(&e);
}
