// Guards the picture loader against files that are broken, disguised, outsized or not files at all
// (each refused with one warning, the run going on unchanged, nothing left open), and against
// refusing unusual but sound ones.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "outils.h"

namespace {

namespace fs = std::filesystem;

struct ailleurs {  // a fresh temporary folder, the working directory while it lives
    std::string avant = fs::current_path(), dossier = (fs::temp_directory_path() / "lumor5-XXXXXX");
    ailleurs() { fs::current_path(mkdtemp(dossier.data())); }
    ~ailleurs() { fs::current_path(avant), fs::remove_all(dossier); }
};

void ecris(const char* chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

std::string le(Uint32 v, int n) {  // little-endian, zeros past the fourth byte
    std::string s;
    for (int k = 0; k < n; ++k) s += static_cast<char>(k < 4 ? v >> (8 * k) : 0);
    return s;
}

// A bitmap's headers: the OS/2 one, or the usual one with a compression and a palette's size.
std::string entete(int w, int h, int bits, Uint32 compression = 0, bool os2 = false,
                   Uint32 couleurs = 0) {
    const std::string info = os2 ? le(12, 4) + le(w, 2) + le(h, 2) + le(1, 2) + le(bits, 2)
                                 : le(40, 4) + le(w, 4) + le(h, 4) + le(1, 2) + le(bits, 2) +
                                       le(compression, 4) + le(0, 12) + le(couleurs, 8);
    return "BM" + le(0, 8) + le(14 + info.size() + 4 * couleurs, 4) + info;
}

// A 24-bit picture with the OS/2 header, or stored top down.
std::string reecrit(const SDL_Surface* s, bool os2) {
    std::string octets = entete(s->w, os2 ? s->h : -s->h, 24, 0, os2);
    for (int n = 0; n < s->h; ++n)
        octets.append(static_cast<const char*>(s->pixels) + (os2 ? s->h - 1 - n : n) * s->pitch,
                      48);
    return octets;
}

// Each row is a picture refused with its reason, nine to a run (the pictures
// a short run leaves out are missing).
TEST(Hostile, FichiersRefuses) {
    enum sorte { fichier, absent, dossier, fifo };
    const struct {
        sorte s;
        std::string octets;
        const char* raison;
    } cas[] = {
        {absent, "", "No such file or directory"},
        {fichier, entete(1, 300, 1) + std::string(60, 1), "more than the file's 114 bytes"},
        {fichier, std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, 'x'), ""},
        {fichier, entete(100000, -100000, 24) + std::string(64, 1), "100000 x 100000"},
        {fichier, entete(16384, 16384, 8, 1), "16384 x 16384 pixels is more than"},
        {fichier, entete(4096, 4096, 24, 4), "unknown compression 4"},
        {fichier, entete(4097, 4096, 8, 2), "4097 x 4096 pixels is more than"},
        {dossier, "", "not a regular file"},
        {fifo, "", "not a regular file"},  // opening it would wait for a writer
        {fichier, entete(1, 300, 24, 0, true) + std::string(60, 1), "the file's 86 bytes"},
        {fichier, entete(16385, 1, 24), "16385 x 1 pixels"},
        {fichier, entete(10241, 1542, 12, 2), "12 bits a pixel under compression 2"},  // slow
        {fichier, entete(4, 4, 12) + std::string(64, 1), "12 bits a pixel under compression 0"},
        {fichier, entete(1, -16385, 24), "1 x 16385 pixels"},
        {fichier, "", ""},
    };
    for (size_t lot = 0, fin; lot < std::size(cas); lot = fin) {
        fin = std::min(lot + nombreimages, std::size(cas));
        ailleurs ici;
        fs::create_directory("data");
        for (size_t i = lot; i < fin; ++i) {
            if (cas[i].s == fichier) ecris(fichiers[i - lot], cas[i].octets);
            if (cas[i].s == dossier) fs::create_directory(fichiers[i - lot]);
            if (cas[i].s == fifo) ASSERT_EQ(mkfifo(fichiers[i - lot], 0644), 0);
        }
        const std::string dit = joue([](jeu&, Uint32) {});
        EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 9) << "one line a picture: " << dit;
        std::istringstream lignes(dit);
        std::string ligne;
        for (size_t i = lot; std::getline(lignes, ligne); ++i)
            EXPECT_TRUE(ligne.rfind(std::string("lumor5: cannot load ") + fichiers[i - lot] + ": ",
                                    0) == 0 &&
                        ligne.find(i < fin ? cas[i].raison : "No such file") != std::string::npos)
                << ligne;
    }
}

TEST(Hostile, ImagesInhabituellesAcceptees) {
    ailleurs dossier;
    fs::copy(dossier.avant + "/data", "data");
    SDL_Surface* lu = SDL_LoadBMP("data/blocatari.bmp");  // its pixels as 24 bits
    SDL_Surface* atari = SDL_ConvertSurfaceFormat(lu, SDL_PIXELFORMAT_BGR24, 0);
    SDL_Surface* p32 = SDL_ConvertSurfaceFormat(atari, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_SaveBMP(p32, "data/blocatari.bmp");
    ecris("data/blosinclair.bmp", reecrit(atari, false));
    ecris("data/bloamiga.bmp", reecrit(atari, true));
    SDL_Surface* vide = SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_SaveBMP(vide, "data/accueil.bmp");                                       // transparent
    ecris("data/theend.bmp", entete(1, 1, 32) + le(0x0AC81E, 4));                // one pixel
    ecris("data/bloric.bmp", entete(16384, 1, 24) + std::string(16384 * 3, 1));  // the widest
    ecris("data/char.bmp", entete(1, -16384, 24) + std::string(16384 * 4, 1));   // the tallest
    // A player's own 4096 x 4096 art, one colour, run-length coded.
    std::string rle = entete(4096, 4096, 8, 1, false, 2) + le(0, 4) + le(0x0AC81E, 4), ligne;
    for (int n = 0; n < 16; ++n) ligne += "\xff\x01";
    for (int y = 0; y < 4096; ++y) rle += ligne + std::string("\x10\x01\x00\x00", 4);
    ecris("data/bombe.bmp", rle + std::string("\x00\x01", 2));

    EXPECT_EQ(joue([&](jeu& j, Uint32 ms) {
                  EXPECT_TRUE(ms != dureeaccueil ||  // the end picture under the welcome
                              ecarts(j, imagetheend, {0, 0, 800, 600}) == 0);
                  for (int k = 0; k < 3 && ms == dureeblocs; ++k)
                      EXPECT_EQ(ecarts(j, image(imageatari + k), j.blocs[k], atari), 0) << k;
              }),
              "");
    for (SDL_Surface* s : {lu, atari, p32, vide}) SDL_FreeSurface(s);
}

}  // namespace
