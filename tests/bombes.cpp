// Guards the bombs' own rules, with their quirks: where a bomb starts, how it
// falls and lands, a try lost while the chosen ship's bomb is out, ship 1's
// single bomb, and flags read off the height when the window changes.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

// An 800 x 600 state late in a level, so that every frame tries, ships at (400, 150).
jeu ciel() {
    jeu j;
    j.deplace = 200.0f;
    disposedemarrage(j);
    for (SDL_Rect& v : j.vaisseaux) v = {400, 150, 50, 50};
    return j;
}

int32_t* drapeau(jeu& j, int k) {
    int32_t* d[4] = {&j.b0, &j.b1, &j.b2, &j.b3};
    return d[k];
}

// Releases ship k's bomb and lets the fall run `chutes` times.
void largue(jeu& j, int k, int chutes) {
    j.tempo = k;
    etapelargage(j);
    for (int n = 0; n < chutes; ++n) etapechute(j);
}

TEST(Bombes, DepartChuteEtNouveauLargage) {
    for (int k = 0; k < 4; ++k) {
        jeu j = ciel();
        j.vaisseaux[k] = {316, 89, 50, 50};
        largue(j, k, 0);
        EXPECT_EQ(j.choix, k);
        EXPECT_TRUE(j.bombes[k].x == 326 && j.bombes[k].y == 139) << "ship " << k;
        EXPECT_EQ(j.bombes[(k + 1) % 4].y, 580) << "the others stay where they rest";
        j.vaisseaux[k].y = 150;
        largue(j, k, 0);  // lost: this bomb is still out
        EXPECT_EQ(j.bombes[k].y, 139);
        for (int n = 0; n < 80; ++n) etapechute(j);
        EXPECT_EQ(j.bombes[k].y, 451) << "stops on the first place at or below 450";
        EXPECT_EQ(*drapeau(j, k), k == 1 ? 1 : 0) << "only bomb 1 keeps its flag once landed";
        largue(j, k, 1);
        EXPECT_EQ(j.bombes[k].y, k == 1 ? 451 : 204) << "ship 1 bombs once a run";
    }
    jeu j = ciel();
    largue(j, 0, 100);
    EXPECT_EQ(j.bombes[0].y, 452) << "from 200, 63 falls of 4";
}

TEST(Bombes, LaLigneSuitLaHauteur) {
    jeu j = ciel();
    j.hauteur = 774;  // line at 580: the resting bombs stay
    etapechute(j);
    EXPECT_EQ(j.bombes[0].y, 580);
    j.hauteur = 775;  // line past 580: bombs 0, 2 and 3 fall unreleased, bomb 1 waits
    etapechute(j);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(j.bombes[k].y, k == 1 ? 580 : 584) << k;
    j = ciel();
    largue(j, 0, 40);
    ASSERT_EQ(j.bombes[0].y, 360);
    j.hauteur = 480;  // line at 360: it stops at once
    etapechute(j);
    EXPECT_TRUE(j.bombes[0].y == 360 && j.b0 == 0);
    j.hauteur = 600;  // and falls on when the line moves back down
    etapechute(j);
    EXPECT_EQ(j.bombes[0].y, 364);
}

}  // namespace
