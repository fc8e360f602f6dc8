// Whole runs, headless: the timed sequence, the pictures it shows, the retained
// picture's notches, and what happens when SDL or the pictures are missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "outils.h"

namespace {

std::vector<Uint32> sequencecomplete() {
    std::vector<Uint32> w = {2000, 400};
    w.insert(w.end(), 1524, 15);
    w.push_back(400);
    w.push_back(1000);
    return w;
}

// Compares a picture drawn whole-scale at `ou` with its source, pixel centre by pixel centre.
void commesource(jeu& j, image i, const SDL_Rect& ou) {
    const SDL_Surface* s = j.surfaces[i].get();
    ASSERT_NE(s, nullptr) << fichiers[i];
    const int ex = ou.w / s->w, ey = ou.h / s->h;
    ASSERT_GT(ex, 0);
    int faux = 0;
    for (int v = 0; v < s->h; ++v)
        for (int u = 0; u < s->w; ++u)
            if (pixel(j, ou.x + u * ex + ex / 2, ou.y + v * ey + ey / 2) != source(j, i, u, v))
                ++faux;
    EXPECT_EQ(faux, 0) << fichiers[i] << " at " << ou.x << "," << ou.y;
}

// Runs in a folder of its own, restoring the working directory afterwards.
struct ailleurs {
    char avant[PATH_MAX];
    std::string dossier;
    ailleurs() {
        EXPECT_NE(getcwd(avant, sizeof avant), nullptr);
        char modele[] = "/tmp/lumor5-XXXXXX";
        dossier = mkdtemp(modele);
        EXPECT_EQ(chdir(dossier.c_str()), 0);
    }
    ~ailleurs() {
        EXPECT_EQ(chdir(avant), 0);
        std::system(("rm -rf " + dossier).c_str());
    }
};

TEST(Partie, SequenceSansRien) {
    scenario s;
    int presentees = -1;
    s.script = [&](scenario& s, Uint32 ms) {
        if (s.finjeu(ms)) presentees = s.j.presentations;  // the 400 after play
        if (ms == dureeaccueil) {
            // No GPU behind the dummy driver: the software renderer stands in.
            SDL_RendererInfo info;
            ASSERT_EQ(SDL_GetRendererInfo(s.j.renderer.get(), &info), 0);
            EXPECT_STREQ(info.name, "software");
        }
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(s.attentes, sequencecomplete());
    EXPECT_EQ(presentees, 3 + 1524);
    EXPECT_EQ(s.j.presentations, 3 + 1524 + 1);
    EXPECT_EQ(s.j.tableau, 6);
    EXPECT_EQ(s.j.window, nullptr) << "everything is released";
}

TEST(Partie, AccueilPuisBlocs) {
    scenario s;
    s.script = [](scenario& s, Uint32 ms) {
        jeu& j = s.j;
        if (s.attentes.size() == 1) {
            ASSERT_EQ(ms, 2000u);
            // The welcome picture lies over the end picture: it alone shows.
            commesource(j, imageaccueil, {0, 0, 800, 600});
            pousse(touche());
        } else if (s.attentes.size() == 2) {
            for (int k = 0; k < 4; ++k) commesource(j, image(imageatari + k), j.blocs[k]);
            EXPECT_TRUE(noir(j, {0, 0, 800, 450}));
            EXPECT_TRUE(noir(j, {0, 500, 800, 100}));
            EXPECT_TRUE(noir(j, {200, 450, 80, 50}));
        }
    };
    EXPECT_EQ(s.lance(), 0);
}

// Smoothing asked for from outside does not blur the pixel art.
TEST(Partie, PixelsNetsMalgreLeLissage) {
    setenv("SDL_RENDER_SCALE_QUALITY", "linear", 1);
    scenario s;
    s.script = [](scenario& s, Uint32 ms) {
        if (ms != dureeblocs) return;
        for (int k = 0; k < 4; ++k) commesource(s.j, image(imageatari + k), s.j.blocs[k]);
        pousse(touche());
    };
    EXPECT_EQ(s.lance(), 0);
    unsetenv("SDL_RENDER_SCALE_QUALITY");
}

TEST(Partie, OrdreDeLImage) {
    scenario s;
    SDL_Rect avant[4] = {};
    s.script = [&](scenario& s, Uint32 ms) {
        jeu& j = s.j;
        if (!s.enjeu(ms)) return;
        const int n = s.image();
        EXPECT_EQ(j.presentations, 3 + n) << "the frame presents after its wait";
        if (n == 130) {
            // This frame's ships are drawn; last frame's, erased after its present, are gone.
            for (const SDL_Rect& v : j.vaisseaux) commesource(j, imagelumor, v);
            for (const SDL_Rect& v : avant) {
                bool couvert = false;
                for (const SDL_Rect& w : j.vaisseaux)
                    couvert = couvert || SDL_HasIntersection(&v, &w);
                if (!couvert) EXPECT_TRUE(noir(j, v));
            }
            pousse(touche());
        }
        std::copy(std::begin(j.vaisseaux), std::end(j.vaisseaux), avant);
    };
    EXPECT_EQ(s.lance(), 0);
}

// Over a whole run: the sky is left black, each bomb has punched its notch
// into the block beneath (its last falling place and its landed place, both
// erased after a present), and the rest of every block is intact.
TEST(Partie, EncochesEtCielPropre) {
    scenario s;
    std::vector<SDL_Rect> posees;
    int verifie = 0;
    s.script = [&](scenario& s, Uint32 ms) {
        jeu& j = s.j;
        if (s.enjeu(ms)) {
            for (const SDL_Rect& b : j.bombes)
                if (b.y + b.h > sol(j.hauteur) && b.y < j.hauteur - 20) posees.push_back(b);
            return;
        }
        if (!s.finjeu(ms)) return;
        ++verifie;
        EXPECT_TRUE(noir(j, {0, 0, 800, 450}));
        int encoches = 0;
        for (int k = 0; k < 4; ++k) {
            const SDL_Rect& bloc = j.blocs[k];
            for (int y = bloc.y; y < bloc.y + bloc.h; ++y)
                for (int x = bloc.x; x < bloc.x + bloc.w; ++x) {
                    const SDL_Point p = {x, y};
                    bool troue = false;
                    for (const SDL_Rect& b : posees) troue = troue || SDL_PointInRect(&p, &b);
                    const Uint32 attendu = troue ? 0
                                                 : source(j, image(imageatari + k),
                                                          (x - bloc.x) / 5, (y - bloc.y) / 5);
                    if (pixel(j, x, y) != attendu) {
                        ADD_FAILURE() << "block " << k << " at " << x << "," << y;
                        return;
                    }
                    encoches += troue;
                }
        }
        EXPECT_GT(encoches, 300) << "several bombs landed on blocks";
    };
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(verifie, 1);
}

TEST(Partie, MemeGraineMemePartie) {
    std::vector<Uint32> images[3];
    for (int n = 0; n < 3; ++n) {
        scenario s;
        s.graine = n < 2 ? 99u : 100u;
        s.script = [&](scenario& s, Uint32 ms) {
            if (s.finjeu(ms)) images[n] = toutelatoile(s.j);
        };
        EXPECT_EQ(s.lance(), 0);
    }
    ASSERT_EQ(images[0].size(), 800u * 600u);
    EXPECT_TRUE(images[0] == images[1]);
    EXPECT_FALSE(images[0] == images[2]) << "another seed bombs elsewhere";
}

TEST(Partie, FinALaTailleDuMoment) {
    scenario s;
    s.script = [](scenario& s, Uint32 ms) {
        if (s.enjeu(ms) && s.image() == 300) SDL_SetWindowSize(s.j.window.get(), 1000, 700);
        if (ms == dureefin) {
            jeu& j = s.j;
            EXPECT_EQ(j.rectecran[1].w, 1000);
            EXPECT_EQ(j.rectecran[1].h, 700);
            // The 400 x 300 end picture stretched by 2.5: sample each source pixel's middle.
            int faux = 0;
            for (int v = 0; v < 300; v += 3)
                for (int u = 0; u < 400; u += 3)
                    faux += pixel(j, u * 5 / 2 + 1, v * 7 / 3 + 1) != source(j, imagetheend, u, v);
            EXPECT_EQ(faux, 0);
        }
    };
    EXPECT_EQ(s.lance(), 0);
}

TEST(Partie, ImagesAbsentes) {
    ailleurs vide;
    scenario s;
    bool noire = false;
    s.script = [&](scenario& s, Uint32 ms) {
        if (s.finjeu(ms)) noire = noir(s.j, {0, 0, 800, 600});
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(s.lance(), 0);
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(s.attentes, sequencecomplete());
    EXPECT_TRUE(noire);
    for (const char* f : fichiers)
        EXPECT_NE(erreurs.find(std::string("lumor5: cannot load ") + f + ": "), std::string::npos)
            << erreurs;
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 9);
}

TEST(Partie, DemarrageImpossible) {
    setenv("SDL_VIDEODRIVER", "introuvable", 1);
    scenario s;
    testing::internal::CaptureStderr();
    const int statut = s.lance();
    const std::string erreurs = testing::internal::GetCapturedStderr();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    EXPECT_EQ(statut, 1);
    EXPECT_TRUE(s.attentes.empty());
    EXPECT_EQ(erreurs.rfind("lumor5: cannot start SDL's video: ", 0), 0u) << erreurs;
    EXPECT_NE(erreurs.find("introuvable"), std::string::npos) << erreurs;
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1);
}

}  // namespace
