// Guards the formation's arithmetic: places that pin down the level table,
// the precision of each ship and the integer divisions before conversion.
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

TEST(Formation, PlacesQuiFixentLArithmetique) {
    struct place {
        int tableau;
        float t;
        int w, h, vaisseau, x, y;
    } const places[] = {
        {0, 0.0f, 800, 600, 3, 400, 150},
        {2, 0.0f, 800, 600, 1, 400, 150},
        {0, 100.0f, 800, 600, 0, 156, 235},
        {0, 0.0f, 1000, 700, 3, 500, 175},
        {2, 60.0f, 800, 600, 0, 415, 142},
        {3, 60.0f, 800, 600, 0, 415, 157},
        {2, 60.0f, 800, 600, 2, 384, 157},
        {3, 60.0f, 800, 600, 2, 384, 142},
        // where the other precision would move a ship by one pixel
        {0, 105.0f, 1038, 779, 0, -1, 287},
        {0, 44.0f, 1052, 790, 0, -1, 289},
        {0, 130.0f, 799, 599, 1, 410, -1},
        {1, 130.0f, 799, 599, 1, 410, -1},
    };
    for (const place& p : places) {
        const SDL_Rect& v = vol(p.tableau, p.t, p.w, p.h).vaisseaux[p.vaisseau];
        if (p.x >= 0) EXPECT_EQ(v.x, p.x) << p.tableau << " " << p.t << " " << p.w;
        if (p.y >= 0) EXPECT_EQ(v.y, p.y) << p.tableau << " " << p.t << " " << p.w;
        EXPECT_EQ(v.w, p.w / 16);
        EXPECT_EQ(v.h, p.h / 12);
    }
}

// Each odd level mirrors the even one before it about H / 4; levels 4 and 5 fly as 0 and 1.
TEST(Formation, MiroirsEtReprises) {
    for (int pair : {0, 2, 4})
        for (float t = 0.0f; t < 254.0f; t += 1.0f) {
            const jeu a = vol(pair, t), b = vol(pair + 1, t), c = vol(pair % 4, t);
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(a.vaisseaux[k].x, b.vaisseaux[k].x);
                EXPECT_LE(std::abs(a.vaisseaux[k].y + b.vaisseaux[k].y - 300), 1) << pair << t;
                EXPECT_EQ(a.vaisseaux[k].y, c.vaisseaux[k].y);
            }
        }
}

}  // namespace
