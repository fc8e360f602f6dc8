// The steps' own rules, one step at a time, at the numbers that pin them down.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

// The state but the ships and amplitudes the formation writes, member by member, not padding.
std::vector<unsigned char> hors(const jeu& j) {
    std::vector<unsigned char> v;
    const auto mets = [&](const auto&... m) {
        (v.insert(v.end(), reinterpret_cast<const unsigned char*>(&m),
                  reinterpret_cast<const unsigned char*>(&m) + sizeof m),
         ...);
    };
    mets(j.largeur, j.hauteur, j.largeurnew, j.hauteurnew, j.tableau, j.deplace, j.tempo, j.choix);
    mets(j.b0, j.b1, j.b2, j.b3, j.ramenee, j.rectecran, j.blocs, j.bombes, j.rectchar, j.remise);
    mets(j.presentations, j.rameneeinstant, j.pointeur, j.instant, j.evenement, j.pleinecran, j.bornesecrans);
    mets(j.window.get(), j.renderer.get(), j.toile.get());
    return v;
}

jeu vol(int tableau, int deplace, int largeur, int hauteur) {
    jeu j;
    j.tableau = tableau, j.deplace = deplace, j.largeur = largeur, j.hauteur = hauteur;
    const auto avant = hors(j);
    etapeformation(j);
    EXPECT_TRUE(hors(j) == avant) << "the formation writes its four ships and nothing else";
    return j;
}

// Guards the formation's arithmetic: the level table, each ship's precision, the integer divisions
// before conversion, the ships' size; and that it writes nothing else of the state.
TEST(Regles, PlacesDesVaisseaux) {
    const int places[][7] = {
        // level, frame, window, ship, its place
        {0, 0, 800, 600, 3, 400, 150},     {0, 79, 1032, 600, 3, 833, 198},
        {0, 40, 800, 600, 0, 482, 210},    {0, 40, 800, 600, 1, 277, 193},
        {1, 40, 800, 600, 2, 316, 210},    {3, 49, 800, 1558, 0, 462, 444},
        {2, 60, 800, 600, 0, 415, 142},    {3, 60, 800, 600, 2, 384, 142},
        {4, 40, 800, 600, 0, 482, 210},    {5, 40, 800, 600, 2, 316, 210},
        {0, 105, 1038, 779, 0, 169, 287},  {0, 44, 1052, 790, 0, 625, 289},
        {1, 130, 799, 599, 1, 410, 298},   {0, 182, 853, 600, 1, 678, 123},
        {0, 143, 866, 600, 1, 553, 13},    {0, 79, 1032, 600, 2, 650, 34},
        {0, 225, 3041, 600, 0, 1831, 120}, {0, 154, 800, 1016, 0, 172, 99},
    };  // the 1558-high row and those from 1038 x 779 on move by a pixel in the other precision,
    // the last two if ship 0's amplitude or angle were held in double precision
    for (const auto& p : places) {
        const jeu j = vol(p[0], p[1], p[2], p[3]);
        const SDL_Rect& v = j.vaisseaux[p[4]];
        EXPECT_TRUE(v.x == p[5] && v.y == p[6] && v.w == p[2] / 16 && v.h == p[3] / 12) << p[1];
    }
}

// An 800 x 600 state late in a level, so that every frame tries, ships at (316, 89).
jeu ciel() {
    jeu j;
    j.deplace = 200.0f;
    disposedemarrage(j);
    for (SDL_Rect& v : j.vaisseaux) v = {316, 89, 50, 50};
    return j;
}

void largue(jeu& j, int k, int chutes) {  // a try for ship k, then `chutes` falls
    j.tempo = k;
    etapelargage(j);
    for (int n = 0; n < chutes; ++n) etapechute(j);
}

// Guards the bombs' rules and quirks: where a bomb starts, how it falls and lands, a try lost while
// the chosen ship's bomb is out, ship 1's single bomb, and flags read off the height when the
// window changes.
TEST(Regles, Bombes) {
    for (int k = 0; k < 4; ++k) {
        jeu j = ciel();
        largue(j, k, 0);
        const int32_t* drapeaux[4] = {&j.b0, &j.b1, &j.b2, &j.b3};
        EXPECT_TRUE(j.choix == k && j.bombes[k].x == 326 && j.bombes[k].y == 139) << k;
        EXPECT_EQ(j.bombes[(k + 1) % 4].y, 580) << "the others stay where they rest";
        j.vaisseaux[k].y = 150;
        largue(j, k, 80);  // lost: this bomb is still out
        EXPECT_EQ(j.bombes[k].y, 451) << "from 139, stops on the first place at or below 450";
        EXPECT_EQ(*drapeaux[k], k == 1 ? 1 : 0) << "only bomb 1 keeps its flag once landed";
        largue(j, k, 1);
        EXPECT_EQ(j.bombes[k].y, k == 1 ? 451 : 204) << "ship 1 bombs once a run";
    }
    // Bomb 1 keeps its flag once landed: a fall that ends exactly on the line stops there.
    jeu u = ciel();
    u.vaisseaux[1].y = 92;
    largue(u, 1, 90);
    EXPECT_EQ(u.bombes[1].y, 450) << "from 142, on the line after 77 falls";
    // The line follows the height: past 580 the resting bombs 2 and 3 fall
    // unreleased, bomb 1 waits; a bomb stops while the line is above it.
    jeu j = ciel();
    for (const int h : {774, 775}) j.hauteur = h, etapechute(j);
    EXPECT_TRUE(j.bombes[1].y == 580 && j.bombes[2].y == 584 && j.bombes[3].y == 584);
    j = ciel();
    largue(j, 0, 50);  // at 339
    for (const int h : {452, 452, 600}) j.hauteur = h, etapechute(j);
    EXPECT_TRUE(j.bombes[0].y == 343 && j.b0 == 1);
}

}  // namespace
