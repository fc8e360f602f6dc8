// Pictures that are broken, disguised or outsized, and events that are not
// what a player sends: the run keeps its sequence, warns once per bad file,
// and exits 0.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "outils.h"

namespace {

std::string lis(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecris(const std::string& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

// A copy of data/ in a folder of its own, the working directory while the test runs.
class Hostile : public testing::Test {
protected:
    char avant[PATH_MAX] = {};
    std::string dossier;
    std::vector<Uint32> attentes;
    std::string erreurs;
    std::function<void(jeu&)> regard;  // looks at the picture on frame 20

    void SetUp() override {
        ASSERT_NE(getcwd(avant, sizeof avant), nullptr);
        char modele[] = "/tmp/lumor5-XXXXXX";
        dossier = mkdtemp(modele);
        ASSERT_EQ(mkdir((dossier + "/data").c_str(), 0755), 0);
        for (const char* f : fichiers) ecris(dossier + "/" + f, lis(std::string(avant) + "/" + f));
        ASSERT_EQ(chdir(dossier.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(avant), 0);
        std::system(("rm -rf " + dossier).c_str());
    }

    // A short run, ended by a key on frame 30; the status it exits with.
    int joue() {
        scenario s;
        s.script = [this](scenario& s, Uint32 ms) {
            if (!s.enjeu(ms)) return;
            if (s.image() == 20 && regard) regard(s.j);
            if (s.image() == 30) pousse(touche());
        };
        testing::internal::CaptureStderr();
        const int statut = s.lance();
        erreurs = testing::internal::GetCapturedStderr();
        attentes = s.attentes;
        return statut;
    }

    void sequenceintacte() {
        std::vector<Uint32> attendu = {2000, 400};
        attendu.insert(attendu.end(), 31, 15);
        attendu.push_back(1000);
        EXPECT_EQ(attentes, attendu);
    }

    // One warning, naming the file, and a run that goes on without the picture.
    void refuse(const char* fichier) {
        EXPECT_EQ(joue(), 0);
        sequenceintacte();
        EXPECT_EQ(erreurs.rfind(std::string("lumor5: cannot load ") + fichier + ": ", 0), 0u)
            << erreurs;
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    }

    // Rewrites the Atari block at another depth; it must still draw as before.
    void autreprofondeur(SDL_Surface* (*conversion)(SDL_Surface*), int bits) {
        SDL_Surface* s = SDL_LoadBMP("data/blocatari.bmp");
        ASSERT_NE(s, nullptr);
        SDL_Surface* p = conversion(s);
        ASSERT_EQ(SDL_SaveBMP(p, "data/blocatari.bmp"), 0);
        SDL_FreeSurface(p);
        SDL_FreeSurface(s);
        ASSERT_EQ(lis("data/blocatari.bmp")[28], bits);
        blocnormal();
    }

    // The Atari block drawn with the colours of the original picture.
    void blocnormal() {
        SDL_Surface* modele = SDL_LoadBMP((std::string(avant) + "/data/blocatari.bmp").c_str());
        ASSERT_NE(modele, nullptr);
        int faux = -1;
        regard = [&](jeu& j) {
            faux = 0;
            for (int v = 0; v < 10; ++v)
                for (int u = 0; u < 16; ++u) {
                    const Uint8* p =
                        static_cast<Uint8*>(modele->pixels) + v * modele->pitch + u * 3;
                    const Uint32 c = static_cast<Uint32>(p[2] << 16 | p[1] << 8 | p[0]);
                    faux += pixel(j, 120 + u * 5 + 2, 450 + v * 5 + 2) != c;
                }
        };
        EXPECT_EQ(joue(), 0);
        sequenceintacte();
        EXPECT_EQ(erreurs, "");
        EXPECT_EQ(faux, 0);
        SDL_FreeSurface(modele);
    }
};

std::string entetebmp(Sint32 largeur, Sint32 hauteur, Uint16 bits, Uint32 taille) {
    std::string e(54, '\0');
    auto pose = [&](size_t a, Uint32 v, int n) {
        for (int k = 0; k < n; ++k) e[a + k] = static_cast<char>(v >> (8 * k));
    };
    e[0] = 'B';
    e[1] = 'M';
    pose(2, taille, 4);
    pose(10, 54, 4);
    pose(14, 40, 4);
    pose(18, static_cast<Uint32>(largeur), 4);
    pose(22, static_cast<Uint32>(hauteur), 4);
    pose(26, 1, 2);
    pose(28, bits, 2);
    return e;
}

TEST_F(Hostile, FichierVide) {
    ecris("data/blocatari.bmp", "");
    refuse("data/blocatari.bmp");
}

TEST_F(Hostile, FichierCoupeEnDeux) {
    const std::string entier = lis("data/accueil.bmp");
    ecris("data/accueil.bmp", entier.substr(0, entier.size() / 2));
    refuse("data/accueil.bmp");
    EXPECT_NE(erreurs.find("more than the file's"), std::string::npos) << erreurs;
}

TEST_F(Hostile, PngDeguise) {
    ecris("data/lumor.bmp", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, 'x'));
    refuse("data/lumor.bmp");
}

TEST_F(Hostile, TexteDeguise) {
    ecris("data/char.bmp", "these are not the pixels you are looking for\n");
    refuse("data/char.bmp");
}

TEST_F(Hostile, EnteteDemesuree) {
    ecris("data/bombe.bmp", entetebmp(100000, 100000, 24, 118) + std::string(64, '\x11'));
    refuse("data/bombe.bmp");
    EXPECT_NE(erreurs.find("100000 x 100000"), std::string::npos) << erreurs;
    // Within the largest size, but with nothing behind the header.
    ecris("data/bombe.bmp", entetebmp(16000, 16000, 24, 118) + std::string(64, '\x11'));
    refuse("data/bombe.bmp");
}

TEST_F(Hostile, UnSeulPixel) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 24, SDL_PIXELFORMAT_BGR24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 10, 200, 30));
    ASSERT_EQ(SDL_SaveBMP(s, "data/bloric.bmp"), 0);
    SDL_FreeSurface(s);
    bool plein = false;
    regard = [&](jeu& j) {
        plein = pixel(j, 600, 450) == 0x0AC81E && pixel(j, 679, 499) == 0x0AC81E;
    };
    EXPECT_EQ(joue(), 0);
    sequenceintacte();
    EXPECT_EQ(erreurs, "");
    EXPECT_TRUE(plein) << "a 1 x 1 picture fills its whole block";
}

// The same picture as an 8-bit palettised surface.
SDL_Surface* enpalette(SDL_Surface* s) {
    SDL_Surface* p = SDL_CreateRGBSurfaceWithFormat(0, s->w, s->h, 8, SDL_PIXELFORMAT_INDEX8);
    int n = 0;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const Uint8* c = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 3;
            const SDL_Color couleur = {c[2], c[1], c[0], 255};
            int k = 0;
            while (k < n && (p->format->palette->colors[k].r != couleur.r ||
                             p->format->palette->colors[k].g != couleur.g ||
                             p->format->palette->colors[k].b != couleur.b))
                ++k;
            if (k == n) SDL_SetPaletteColors(p->format->palette, &couleur, n++, 1);
            static_cast<Uint8*>(p->pixels)[y * p->pitch + x] = static_cast<Uint8>(k);
        }
    return p;
}

TEST_F(Hostile, HuitBitsAPalette) {
    autreprofondeur(enpalette, 8);
}

TEST_F(Hostile, TrenteDeuxBits) {
    autreprofondeur(
        [](SDL_Surface* s) { return SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0); },
        32);
}

TEST_F(Hostile, DossierAuLieuDUnFichier) {
    ASSERT_EQ(std::remove("data/theend.bmp"), 0);
    ASSERT_EQ(mkdir("data/theend.bmp", 0755), 0);
    refuse("data/theend.bmp");
}

TEST_F(Hostile, PasDeDossierData) {
    std::system(("rm -rf " + dossier + "/data").c_str());
    EXPECT_EQ(joue(), 0);
    sequenceintacte();
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 9) << erreurs;
}

}  // namespace
