// The bombs: a random countdown picks when and from which ship a bomb is
// released; a released bomb falls 4 pixels a frame to the top of the block row.
#include <cstdlib>

#include "lumor5.h"
#include "toile.h"

namespace {
constexpr int32_t jeu::*drapeaux[4] = {&jeu::b0, &jeu::b1, &jeu::b2, &jeu::b3};
}

void armebombes(jeu& j) {
    j.tempo = std::rand() % 20;
}

// tempo is never reset between levels, so a level's first try waits for the
// tempo the previous level left; a try whose ship still has a bomb out is lost.
void etapelargage(jeu& j) {
    if (j.deplace < static_cast<float>(j.tempo)) return;
    j.choix = j.tempo % 4;
    for (int k = 0; k < 4; ++k) {
        if (j.choix == k && j.*drapeaux[k] == 0) {
            j.bombes[k].y = j.vaisseaux[k].y + j.hauteur / 12;
            j.bombes[k].x = j.vaisseaux[k].x + j.largeur / 80;
            j.*drapeaux[k] = 1;
        }
    }
    j.tempo = std::rand() % 100;
}

// Bombs 0, 2 and 3 read their flag off their height every frame, so they can
// be released again once landed; bomb 1 keeps its flag, so ship 1 bombs once a run.
void etapechute(jeu& j) {
    const int32_t ligne = sol(j.hauteur);
    for (int k = 0; k < 4; ++k) {
        int32_t& tombe = j.*drapeaux[k];
        if (k != 1) tombe = j.bombes[k].y < ligne ? 1 : 0;
        if (tombe == 1 && j.bombes[k].y < ligne) {
            j.bombes[k].y += 4;
            copie(j, imagebombe, j.bombes[k]);
        }
    }
}
