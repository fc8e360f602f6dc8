// The formation's flight at the numbers that pin its arithmetic down.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

jeu vol(int tableau, float deplace, int largeur = 800, int hauteur = 600) {
    jeu j;
    j.tableau = tableau;
    j.deplace = deplace;
    j.largeur = largeur;
    j.hauteur = hauteur;
    etapeformation(j);
    return j;
}

void place(const SDL_Rect& v, int x, int y) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
}

TEST(Formation, DepartSuperpose) {
    for (int tableau = 0; tableau < 6; ++tableau) {
        const jeu j = vol(tableau, 0.0f);
        for (const SDL_Rect& v : j.vaisseaux) {
            place(v, 400, 150);
            EXPECT_EQ(v.w, 50);
            EXPECT_EQ(v.h, 50);
        }
    }
}

TEST(Formation, PlacesConnues) {
    const jeu a = vol(0, 40.0f);
    place(a.vaisseaux[0], 482, 210);
    place(a.vaisseaux[1], 277, 193);
    place(a.vaisseaux[2], 316, 89);
    const jeu b = vol(1, 40.0f);
    place(b.vaisseaux[0], 482, 89);
    place(b.vaisseaux[1], 277, 106);
    place(b.vaisseaux[2], 316, 210);
    place(vol(0, 100.0f).vaisseaux[0], 156, 235);
}

// An odd level mirrors the even one before it about the line H / 4.
TEST(Formation, MiroirEtReprises) {
    for (int pair : {0, 2, 4})
        for (float t = 0.0f; t < 254.0f; t += 1.0f) {
            const jeu a = vol(pair, t), b = vol(pair + 1, t);
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(a.vaisseaux[k].x, b.vaisseaux[k].x);
                EXPECT_LE(std::abs((a.vaisseaux[k].y - 150) + (b.vaisseaux[k].y - 150)), 1)
                    << "level " << pair << " t " << t << " ship " << k;
            }
        }
    for (float t = 0.0f; t < 254.0f; t += 1.0f)
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(vol(4, t).vaisseaux[k].x, vol(0, t).vaisseaux[k].x);
            EXPECT_EQ(vol(4, t).vaisseaux[k].y, vol(0, t).vaisseaux[k].y);
            EXPECT_EQ(vol(5, t).vaisseaux[k].y, vol(1, t).vaisseaux[k].y);
        }
}

TEST(Formation, AmplitudesDuTableau) {
    jeu j = vol(0, 126.0f);
    EXPECT_NEAR(j.distanceh, 320.0f, 0.5f);  // 0.4 W
    EXPECT_NEAR(j.distancev, 150.0f, 0.5f);  // H / 4
    j = vol(0, 252.0f);
    EXPECT_LT(j.distanceh, 0.0f);
    EXPECT_LT(j.distancev, 0.0f);
    // The four-wave levels fly a quarter as high.
    int haut = 0;
    for (float t = 0.0f; t < 254.0f; t += 1.0f)
        haut = std::max(haut, std::abs(vol(2, t).vaisseaux[0].y - 150));
    EXPECT_LE(haut, 38);
    EXPECT_GE(haut, 30);
}

TEST(Formation, SuitLaFenetre) {
    const jeu j = vol(0, 40.0f, 1000, 700);
    for (const SDL_Rect& v : j.vaisseaux) {
        EXPECT_EQ(v.w, 62);
        EXPECT_EQ(v.h, 58);
    }
    EXPECT_EQ(vol(0, 0.0f, 1000, 700).vaisseaux[3].x, 500);
    EXPECT_EQ(vol(0, 0.0f, 1000, 700).vaisseaux[3].y, 175);
    EXPECT_GT(j.vaisseaux[0].x, 500 + (482 - 400));  // the path scales with the width
}

// Places where working in the other precision would move a ship by one pixel.
TEST(Formation, PrecisionQuiCompte) {
    EXPECT_EQ(vol(0, 105.0f, 1038, 779).vaisseaux[0].y, 287);  // 286 in double precision
    EXPECT_EQ(vol(0, 44.0f, 1052, 790).vaisseaux[0].y, 289);   // 288 in double precision
    EXPECT_EQ(vol(0, 130.0f, 799, 599).vaisseaux[1].x, 410);   // 411 in single precision
    EXPECT_EQ(vol(1, 130.0f, 799, 599).vaisseaux[1].x, 410);
}

}  // namespace
