// The bomb scheduler and the fall, with their quirks: a lost try when the
// chosen ship has a bomb out, ship 1's single bomb, flags read off the height.
#include <gtest/gtest.h>

#include <cstdlib>

#include "outils.h"

namespace {

// A state in an 800 x 600 window, late in a level so that every frame tries,
// with every ship at (x, y).
jeu ciel(int x = 400, int y = 150) {
    jeu j;
    j.deplace = 200.0f;
    disposedemarrage(j);
    for (SDL_Rect& v : j.vaisseaux) v = {x, y, 50, 50};
    return j;
}

int32_t drapeau(const jeu& j, int k) {
    const int32_t d[4] = {j.b0, j.b1, j.b2, j.b3};
    return d[k];
}

TEST(Bombes, EssaiAttendLeTempo) {
    jeu j = ciel();
    std::srand(7);
    const int premier = std::rand();
    std::srand(7);
    j.tempo = 37;
    j.deplace = 36.0f;
    etapelargage(j);
    EXPECT_EQ(j.tempo, 37);
    EXPECT_EQ(std::rand(), premier) << "a frame before the tempo draws no number";
    std::srand(7);
    j.deplace = 37.0f;
    etapelargage(j);
    EXPECT_EQ(j.choix, 1);
    EXPECT_EQ(j.b1, 1);
    EXPECT_EQ(j.b0 + j.b2 + j.b3, 0);
    EXPECT_EQ(j.tempo, premier % 100);
}

TEST(Bombes, LargageSousLeVaisseau) {
    jeu j = ciel(300, 150);
    j.vaisseaux[2] = {316, 89, 50, 50};
    j.tempo = 6;  // ship 2
    j.deplace = 6.0f;
    etapelargage(j);
    EXPECT_EQ(j.bombes[2].x, 326);  // ship x + W / 80
    EXPECT_EQ(j.bombes[2].y, 139);  // ship y + H / 12
    EXPECT_EQ(j.bombes[2].w, 10);
    EXPECT_EQ(j.bombes[2].h, 30);
    EXPECT_EQ(j.bombes[0].y, 580) << "the other bombs stay where they rest";
}

TEST(Bombes, ChuteJusquAuxBlocs) {
    jeu j = ciel(400, 150);
    j.tempo = 0;
    etapelargage(j);
    ASSERT_EQ(j.bombes[0].y, 200);
    ASSERT_EQ(j.bombes[0].x, 410);
    int chutes = 0;
    for (int image = 0; image < 100; ++image) {
        const int avant = j.bombes[0].y;
        etapechute(j);
        if (j.bombes[0].y != avant) {
            ++chutes;
            EXPECT_EQ(j.bombes[0].y, 200 + 4 * chutes);
        }
    }
    EXPECT_EQ(chutes, 63);
    EXPECT_EQ(j.bombes[0].y, 452);
    EXPECT_EQ(j.b0, 0) << "a landed bomb's flag falls back";
    EXPECT_EQ(j.bombes[0].x, 410);
}

TEST(Bombes, LeVaisseauUnNeBombeQuUneFois) {
    jeu j = ciel();
    j.tempo = 1;
    etapelargage(j);
    ASSERT_EQ(j.b1, 1);
    for (int image = 0; image < 80; ++image) etapechute(j);
    EXPECT_EQ(j.bombes[1].y, 452);
    EXPECT_EQ(j.b1, 1) << "bomb 1 keeps its flag after landing";
    for (int essai : {1, 5, 9, 97}) {
        j.tempo = essai;
        j.deplace = 200.0f;
        etapelargage(j);
        EXPECT_EQ(j.choix, 1);
        EXPECT_EQ(j.bombes[1].y, 452) << "ship 1 released a second bomb";
    }
}

TEST(Bombes, LesAutresBombentEncore) {
    for (int k : {0, 2, 3}) {
        jeu j = ciel();
        j.tempo = k;
        etapelargage(j);
        for (int image = 0; image < 80; ++image) etapechute(j);
        ASSERT_EQ(drapeau(j, k), 0);
        j.vaisseaux[k].y = 100;
        j.tempo = k + 4;
        j.deplace = 200.0f;
        etapelargage(j);
        EXPECT_EQ(drapeau(j, k), 1) << "ship " << k;
        EXPECT_EQ(j.bombes[k].y, 150) << "ship " << k;
    }
}

TEST(Bombes, EssaiPerduQuandLaBombeTombe) {
    jeu j = ciel();
    j.tempo = 2;
    etapelargage(j);
    etapechute(j);
    const int y = j.bombes[2].y;
    j.vaisseaux[2].y = 10;
    j.tempo = 6;
    j.deplace = 10.0f;
    etapelargage(j);
    EXPECT_EQ(j.bombes[2].y, y);
}

TEST(Bombes, FenetrePlusHaute) {
    jeu j = ciel();
    j.hauteur = 775;  // the landing line passes 580: the resting bombs start to fall
    etapechute(j);
    for (int k : {0, 2, 3}) {
        EXPECT_EQ(drapeau(j, k), 1);
        EXPECT_EQ(j.bombes[k].y, 584);
        EXPECT_EQ(j.bombes[k].x, 400);
    }
    EXPECT_EQ(j.b1, 0);
    EXPECT_EQ(j.bombes[1].y, 580) << "bomb 1 waits for its release";

    jeu k = ciel();
    k.hauteur = 774;  // line at 580: nothing moves
    etapechute(k);
    EXPECT_EQ(k.b0, 0);
    EXPECT_EQ(k.bombes[0].y, 580);
}

TEST(Bombes, FenetrePlusBasse) {
    jeu j = ciel();
    j.tempo = 0;
    etapelargage(j);
    for (int image = 0; image < 40; ++image) etapechute(j);
    ASSERT_EQ(j.bombes[0].y, 360);
    j.hauteur = 480;  // line at 360
    etapechute(j);
    EXPECT_EQ(j.bombes[0].y, 360);
    EXPECT_EQ(j.b0, 0);
    j.hauteur = 600;  // the line moves back down: it falls on
    etapechute(j);
    EXPECT_EQ(j.bombes[0].y, 364);
}

// Over a whole run the scheduler draws exactly one number per try, never
// re-arms between levels, and tries every frame once a level passes frame 99.
TEST(Bombes, OrdonnanceurSurUnePartie) {
    scenario s;
    s.graine = 4242;
    std::srand(s.graine);
    const int32_t arme = std::rand() % 20;
    std::vector<int32_t> suite(4000);
    for (int32_t& t : suite) t = std::rand() % 100;

    size_t tires = 0;
    int32_t avant = arme;
    int essais = 0, largages = 0, pleins = 0;
    s.script = [&](scenario& s, Uint32 ms) {
        if (!s.enjeu(ms)) return;
        const float t = s.j.deplace;
        if (t >= static_cast<float>(avant)) {
            ++essais;
            EXPECT_EQ(s.j.choix, avant % 4);
            ASSERT_LT(tires, suite.size());
            EXPECT_EQ(s.j.tempo, suite[tires++]) << "frame " << s.image();
            if (s.image() == arme) ++largages;
            if (t > 99.0f) ++pleins;
        } else {
            EXPECT_EQ(s.j.tempo, avant) << "frame " << s.image();
        }
        avant = s.j.tempo;
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(largages, 1) << "the first try is on the frame the armed tempo names";
    EXPECT_EQ(pleins, 6 * 154) << "past frame 99 every frame tries";
    EXPECT_GT(essais, pleins);
}

}  // namespace
