// Where things stand, at the sizes where the integer arithmetic truncates.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

void egal(const SDL_Rect& r, int x, int y, int w, int h) {
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.w, w);
    EXPECT_EQ(r.h, h);
}

TEST(Disposition, DemarrageEn800x600) {
    jeu j;
    disposedemarrage(j);
    egal(j.rectecran[0], 0, 0, 800, 600);
    egal(j.rectecran[1], 0, 0, 800, 600);
    egal(j.blocs[0], 120, 450, 80, 50);
    egal(j.blocs[1], 280, 450, 80, 50);
    egal(j.blocs[2], 440, 450, 80, 50);
    egal(j.blocs[3], 600, 450, 80, 50);
    for (const SDL_Rect& b : j.bombes) egal(b, 400, 580, 10, 30);
    egal(j.rectchar, 0, 525, 80, 50);
    EXPECT_EQ(sol(600), 450);
}

TEST(Disposition, LargeurQuiTronque) {
    jeu j;
    j.largeur = 799;
    disposeblocs(j);
    egal(j.blocs[2], 440, 450, 79, 50);  // (3 * 799) / 5 - 799 / 20 = 479 - 39
    EXPECT_EQ(j.blocs[0].x, 120);        // 159 - 39
    EXPECT_EQ(j.blocs[3].x, 600);        // 639 - 39
}

TEST(Disposition, BlocsEn1000x700) {
    jeu j;
    j.largeur = 1000;
    j.hauteur = 700;
    disposeblocs(j);
    const int xs[4] = {150, 350, 550, 750};
    for (int k = 0; k < 4; ++k) egal(j.blocs[k], xs[k], 525, 100, 58);
    EXPECT_EQ(hauteurchar(700), 612);  // 612.5 truncated
    EXPECT_EQ(sol(701), 525);          // 2103 / 4, product first
}

TEST(Disposition, TailleMinuscule) {
    jeu j;
    j.largeur = 1;
    j.hauteur = 1;
    disposedemarrage(j);
    egal(j.blocs[0], 0, 0, 0, 0);
    egal(j.bombes[0], 0, -19, 0, 0);
    egal(j.rectchar, 0, 0, 0, 0);
}

}  // namespace
