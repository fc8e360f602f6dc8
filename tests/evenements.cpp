// The player's side over whole headless runs: keys, the tank on the mouse,
// the close button, and the window changing size.
#include <gtest/gtest.h>

#include "outils.h"

namespace {

const SDL_Rect tankdemarrage = {0, 525, 80, 50};

// The tank drawn whole at (x, y): its 16 x 10 picture stretched by 5.
void tankvisible(jeu& j, int x, int y) {
    int faux = 0;
    for (int v = 0; v < 10; ++v)
        for (int u = 0; u < 16; ++u) {
            const int px = x + u * 5 + 2;
            if (px < j.largeur) faux += pixel(j, px, y + v * 5 + 2) != source(j, imagechar, u, v);
        }
    EXPECT_EQ(faux, 0) << "tank at " << x << "," << y;
}

TEST(Evenements, ToucheEnJeu) {
    scenario s;
    int presentees = 0;
    SDL_Rect vaisseau = {};
    s.script = [&](scenario& s, Uint32 ms) {
        if (s.enjeu(ms) && s.image() == 100) {
            pousse(touche());
            presentees = s.j.presentations;
            vaisseau = s.j.vaisseaux[0];
        }
        if (ms == dureefin) {
            EXPECT_EQ(s.j.presentations, presentees + 1) << "only the end screen is presented";
            EXPECT_EQ(s.j.rectecran[1].w, 800);
        }
    };
    EXPECT_EQ(s.lance(), 0);
    std::vector<Uint32> attendu = {2000, 400};
    attendu.insert(attendu.end(), 101, 15);
    attendu.push_back(1000);  // no 400 before the end screen
    EXPECT_EQ(s.attentes, attendu);
    EXPECT_EQ(s.j.tableau, 0);
    EXPECT_EQ(s.j.deplace, 100.0f);
}

// Events queued before play are taken one a frame; a key behind motions ends
// the run only when it reaches the front.
TEST(Evenements, FileAttendueAvantLeJeu) {
    scenario s;
    int fin = -1;
    s.script = [&](scenario& s, Uint32 ms) {
        if (ms == dureeaccueil) {
            SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
            for (int k = 0; k < 5; ++k) pousse(souris(100 + 10 * k, 0));
            pousse(touche());
        }
        if (s.enjeu(ms)) fin = s.image();
        if (s.enjeu(ms) && s.image() == 4) {
            EXPECT_EQ(s.j.rectchar.x, 130) << "frame 3 took the fourth motion";
        }
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(fin, 5);
    EXPECT_EQ(s.j.rectchar.x, 140);
}

TEST(Evenements, LeTankSuitLaSouris) {
    scenario s;
    s.script = [](scenario& s, Uint32 ms) {
        if (!s.enjeu(ms)) return;
        jeu& j = s.j;
        switch (s.image()) {
            case 10:
                EXPECT_TRUE(noir(j, tankdemarrage));
                pousse(souris(300, 17));
                break;
            case 11:
                tankvisible(j, 300, 525);
                break;
            case 60:  // the pointer has rested since: the tank stays
                tankvisible(j, 300, 525);
                pousse(souris(790, 400));
                break;
            case 61:
                tankvisible(j, 790, 525);
                EXPECT_TRUE(noir(j, {300, 525, 80, 50})) << "the old place is erased";
                EXPECT_EQ(j.rectchar.w, 80);
                pousse(souris(-5000, 0));
                pousse(souris(100000, 0));
                pousse(souris(0, 0));
                break;
            case 70:
                tankvisible(j, 0, 525);
                EXPECT_TRUE(noir(j, {790, 525, 10, 50}));
                pousse(touche());
                break;
        }
    };
    EXPECT_EQ(s.lance(), 0);
}

TEST(Evenements, LaFermetureNeFinitPas) {
    scenario s;
    s.script = [](scenario& s, Uint32 ms) {
        if (s.enjeu(ms) && s.image() % 100 == 5) {
            SDL_Event e{};
            e.type = SDL_QUIT;
            pousse(e);
        }
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(s.j.tableau, 6);
    EXPECT_EQ(s.attentes.size(), 2u + 1524u + 2u);
}

// Growing the window: the field is cleared, the blocks drawn anew at the new
// size (notches gone), and the tank waits for the next motion to show again.
TEST(Evenements, AgrandirLaFenetre) {
    scenario s;
    bool grandi = false;
    s.script = [&](scenario& s, Uint32 ms) {
        if (!s.enjeu(ms)) return;
        jeu& j = s.j;
        const int n = s.image();
        if (n == 200) pousse(souris(300, 0));
        if (n == 240) {
            int troues = 0;
            for (const SDL_Rect& b : j.blocs)
                for (int x = b.x; x < b.x + b.w; ++x) troues += pixel(j, x, 460) == 0;
            EXPECT_GT(troues, 0) << "bombs have notched the blocks by now";
            SDL_SetWindowSize(j.window.get(), 1000, 700);
        }
        if (n == 241) {
            grandi = true;
            EXPECT_EQ(j.largeur, 1000);
            EXPECT_EQ(j.hauteur, 700);
            int w = 0, h = 0;
            SDL_QueryTexture(j.toile.get(), nullptr, nullptr, &w, &h);
            EXPECT_EQ(w, 1000);
            EXPECT_EQ(h, 700);
            const int xs[4] = {150, 350, 550, 750};
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(j.blocs[k].x, xs[k]);
                EXPECT_EQ(j.blocs[k].y, 525);
                EXPECT_EQ(j.blocs[k].w, 100);
                EXPECT_EQ(j.blocs[k].h, 58);
                // Whole again: each source pixel shows at its stretched place.
                int faux = 0;
                for (int v = 0; v < 10; ++v)
                    for (int u = 0; u < 16; ++u)
                        faux += pixel(j, xs[k] + u * 100 / 16 + 3, 525 + v * 58 / 10 + 2) !=
                                source(j, image(imageatari + k), u, v);
                EXPECT_EQ(faux, 0) << "block " << k;
            }
            // The old tank stood at x 300..380, y 525..575; its part between
            // the first two new blocks shows it is gone.
            EXPECT_TRUE(noir(j, {300, 525, 50, 58})) << "the tank waits for a motion";
            EXPECT_TRUE(noir(j, {0, 583, 1000, 117}));
        }
        if (n == 250) EXPECT_TRUE(noir(j, {300, 525, 50, 58}));
        if (n == 260) pousse(souris(200, 0));
        if (n == 261) {
            tankvisible(j, 200, 612);
            EXPECT_EQ(j.rectchar.w, 80);
            EXPECT_EQ(j.rectchar.h, 50);
            pousse(touche());
        }
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_TRUE(grandi);
}

// Sizes from a single pixel to 4000 x 3000, and ten changes in ten frames:
// each picture is the blocks at the size in force.
TEST(Evenements, TaillesExtremes) {
    const int tailles[][2] = {{1, 1},     {4000, 3000}, {800, 600}, {320, 200},   {1000, 700},
                              {640, 480}, {1, 1},       {799, 599}, {1920, 1080}, {800, 600}};
    scenario s;
    int vues = 0;
    s.script = [&](scenario& s, Uint32 ms) {
        if (!s.enjeu(ms)) return;
        jeu& j = s.j;
        const int n = s.image();
        if (n >= 300 && n < 310)
            SDL_SetWindowSize(j.window.get(), tailles[n - 300][0], tailles[n - 300][1]);
        if (n > 300 && n <= 310) {
            const int* t = tailles[n - 301];
            EXPECT_EQ(j.largeur, t[0]);
            EXPECT_EQ(j.hauteur, t[1]);
            if (t[0] >= 16) {
                for (int k = 0; k < 4; ++k) {
                    const SDL_Rect& b = j.blocs[k];
                    EXPECT_EQ(pixel(j, b.x, b.y), source(j, image(imageatari + k), 0, 0));
                    EXPECT_EQ(pixel(j, b.x + b.w - 1, b.y + b.h - 1),
                              source(j, image(imageatari + k), 15, 9));
                }
                ++vues;
            }
        }
        if (n == 400) pousse(touche());
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(vues, 8);
}

}  // namespace
