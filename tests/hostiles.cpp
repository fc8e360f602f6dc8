// Guards the picture loader against files that are broken, disguised,
// outsized or not files at all (each refused with one warning, the run going
// on unchanged), and against refusing pictures that are merely unusual.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "outils.h"

namespace {

namespace fs = std::filesystem;

void ecris(const char* chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

std::string le(Uint32 v, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) s += static_cast<char>(k < 4 ? v >> (8 * k) : 0);
    return s;
}

// A bitmap's headers: the 12-byte OS/2 one, or the 40-byte one with a
// compression and the number of palette entries that follow it.
std::string entete(int w, int h, int bits, Uint32 compression = 0, bool os2 = false,
                   Uint32 couleurs = 0) {
    const std::string info = os2 ? le(12, 4) + le(w, 2) + le(h, 2) + le(1, 2) + le(bits, 2)
                                 : le(40, 4) + le(w, 4) + le(h, 4) + le(1, 2) + le(bits, 2) +
                                       le(compression, 4) + le(0, 12) + le(couleurs, 8);
    return "BM" + le(0, 8) + le(14 + info.size() + 4 * couleurs, 4) + info;
}

// A 24-bit picture rewritten with the OS/2 header, or stored top down.
std::string reecrit(const SDL_Surface* s, bool os2) {
    std::string pixels;
    for (int n = 0; n < s->h; ++n) {
        const int y = os2 ? s->h - 1 - n : n;
        pixels.append(static_cast<const char*>(s->pixels) + y * s->pitch, s->w * 3);
        pixels.append((4 - s->w * 3 % 4) % 4, '\0');
    }
    return entete(s->w, os2 ? s->h : -s->h, 24, 0, os2) + pixels;
}

// A run ended by a key on frame 30, `regard` looking at the welcome screen
// and the block row; what it said on stderr.
std::string joue(std::function<void(jeu&, Uint32 ms)> regard = nullptr) {
    scenario s;
    s.script = [&](scenario& s, Uint32 ms) {
        if (!s.enjeu(ms) && regard) regard(s.j, ms);
        if (s.enjeu(ms) && s.image() == 30) pousse(SDL_KEYDOWN);
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(s.lance(), 0);
    EXPECT_EQ(s.attentes, sequence(31, false));
    return testing::internal::GetCapturedStderr();
}

TEST(Hostile, NeufFichiersRefuses) {
    ailleurs dossier;
    fs::create_directory("data");
    const std::string truncated = entete(1, 300, 24) + std::string(60, '\x11');
    struct cas {
        const char* fichier;
        std::string octets;
        const char* raison;
    } const cas[] = {
        {"data/lumor.bmp", "", ""},
        {"data/bombe.bmp", truncated, "more than the file's 114 bytes"},
        {"data/blocatari.bmp", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, 'x'), ""},
        {"data/blosinclair.bmp", entete(100000, 100000, 24) + std::string(64, 1),
         "100000 x 100000"},
        {"data/bloamiga.bmp", entete(16384, 16384, 8, 1), "16384 x 16384 pixels is more than"},
        {"data/bloric.bmp", entete(4096, 4096, 24, 99), "unknown compression 99"},
        {"data/char.bmp", entete(4097, 4096, 8, 2), "4097 x 4096 pixels is more than"},
        {"data/accueil.bmp", "", "not a regular file"},  // a folder
        {"data/theend.bmp", "", "not a regular file"},   // a FIFO: opening it would wait
    };
    for (const auto& c : cas) ecris(c.fichier, c.octets);
    fs::remove("data/accueil.bmp");
    fs::create_directory("data/accueil.bmp");
    fs::remove("data/theend.bmp");
    ASSERT_EQ(mkfifo("data/theend.bmp", 0644), 0);

    std::istringstream lignes(joue());
    for (const auto& c : cas) {
        std::string ligne;
        std::getline(lignes, ligne);
        EXPECT_EQ(ligne.rfind(std::string("lumor5: cannot load ") + c.fichier + ": ", 0), 0u)
            << ligne;
        EXPECT_NE(ligne.find(c.raison), std::string::npos) << ligne;
    }
    EXPECT_TRUE(lignes.peek() == EOF) << "one line a picture";
}

TEST(Hostile, ImagesInhabituellesAcceptees) {
    ailleurs dossier;
    fs::copy(dossier.avant + "/data", "data");
    SDL_Surface* atari = SDL_LoadBMP("data/blocatari.bmp");
    ASSERT_NE(atari, nullptr);
    SDL_Surface* p8 = SDL_CreateRGBSurfaceWithFormat(0, 16, 10, 8, SDL_PIXELFORMAT_INDEX8);
    for (int i = 0; i < 160; ++i) {  // a palette entry for each pixel
        const Uint8* c = static_cast<Uint8*>(atari->pixels) + i / 16 * atari->pitch + i % 16 * 3;
        const SDL_Color couleur = {c[2], c[1], c[0], 255};
        SDL_SetPaletteColors(p8->format->palette, &couleur, i, 1);
        static_cast<Uint8*>(p8->pixels)[i / 16 * p8->pitch + i % 16] = static_cast<Uint8>(i);
    }
    SDL_Surface* p32 = SDL_ConvertSurfaceFormat(atari, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_SaveBMP(p8, "data/blocatari.bmp");
    SDL_SaveBMP(p32, "data/blosinclair.bmp");
    ecris("data/bloamiga.bmp", reecrit(atari, false));
    ecris("data/bloric.bmp", reecrit(atari, true));
    SDL_Surface* un = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 24, SDL_PIXELFORMAT_BGR24);
    SDL_FillRect(un, nullptr, SDL_MapRGB(un->format, 10, 200, 30));
    SDL_SaveBMP(un, "data/accueil.bmp");
    // A player's own 4096 x 4096 art, run-length coded: one colour.
    std::string rle = entete(4096, 4096, 8, 1, false, 2) + le(0x00FF00, 4) + le(0x1EC80A, 4);
    for (int y = 0; y < 4096; ++y) {
        for (int n = 0; n < 16; ++n) rle += "\xff\x01";
        rle += std::string("\x10\x01\x00\x00", 4);
    }
    ecris("data/theend.bmp", rle + std::string("\x00\x01", 2));

    const std::string dit = joue([&](jeu& j, Uint32 ms) {
        if (ms == dureeaccueil) {
            EXPECT_TRUE(pixel(j, 0, 0) == 0x0AC81E && pixel(j, 799, 599) == 0x0AC81E)
                << "a 1 x 1 picture fills the window";
            EXPECT_TRUE(j.surfaces[imagetheend] && j.surfaces[imagetheend]->w == 4096);
        }
        for (int k = 0; k < 4 && ms == dureeblocs; ++k)
            EXPECT_EQ(ecarts(j, image(imageatari + k), j.blocs[k], atari), 0) << "block " << k;
    });
    EXPECT_EQ(dit, "");
    for (SDL_Surface* s : {atari, p8, p32, un}) SDL_FreeSurface(s);
}

}  // namespace
