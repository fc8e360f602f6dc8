// Where things stand: every place and size is a fraction of the window,
// in integer arithmetic with the products taken before the divisions.
#include "lumor5.h"

int32_t sol(int32_t hauteur) {
    return (3 * hauteur) / 4;
}

int32_t hauteurchar(int32_t hauteur) {
    return static_cast<int32_t>(3.5 * hauteur / 4.0);
}

void disposeblocs(jeu& j) {
    const int32_t W = j.largeur, H = j.hauteur;
    for (int32_t k = 1; k <= 4; ++k)
        j.blocs[k - 1] = {(k * W) / 5 - W / 20, sol(H), W / 10, H / 12};
}

// The bombs and the tank keep these sizes for the whole run, whatever the window does.
void disposedemarrage(jeu& j) {
    const int32_t W = j.largeur, H = j.hauteur;
    j.rectecran[0] = {0, 0, W, H};
    j.rectecran[1] = {0, 0, W, H};
    for (SDL_Rect& b : j.bombes) b = {W / 2, H - 20, W / 80, H / 20};
    disposeblocs(j);
    j.rectchar = {0, hauteurchar(H), W / 10, H / 12};
}
