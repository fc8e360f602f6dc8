// The real game: real waits, seeded with the calendar time. Command line ignored.
#include <ctime>

#include "lumor5.h"

int main(int, char*[]) {
    jeu j;
    const plateforme p = {[](Uint32 ms, void*) { SDL_Delay(ms); }, nullptr,
                          static_cast<unsigned>(std::time(nullptr))};
    return lumor5(j, p);
}
