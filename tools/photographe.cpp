// Takes the README's two screenshots from a headless run of the game itself:
// the welcome screen, and a moment of play with ships, a falling bomb, notched
// blocks and the tank. Same seed, same pictures.
// Usage: photographe FOLDER   writes FOLDER/accueil.png and FOLDER/jeu.png
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lumor5.h"

namespace {

struct prise {
    jeu j;
    std::string dossier;
    int faites = 0;
    bool bon = true;
};

void ajoute(std::vector<unsigned char>& sortie, const char type[4],
            const std::vector<unsigned char>& donnees) {
    const uLong n = donnees.size();
    const unsigned char longueur[4] = {
        static_cast<unsigned char>(n >> 24), static_cast<unsigned char>(n >> 16),
        static_cast<unsigned char>(n >> 8), static_cast<unsigned char>(n)};
    sortie.insert(sortie.end(), longueur, longueur + 4);
    const size_t debut = sortie.size();
    sortie.insert(sortie.end(), type, type + 4);
    sortie.insert(sortie.end(), donnees.begin(), donnees.end());
    const uLong crc = crc32(0, sortie.data() + debut, static_cast<uInt>(sortie.size() - debut));
    for (int k = 3; k >= 0; --k) sortie.push_back(static_cast<unsigned char>(crc >> (8 * k)));
}

// An 8-bit RGB PNG of the picture in play.
bool ecritpng(jeu& j, const std::string& chemin) {
    const int w = j.largeur, h = j.hauteur;
    std::vector<Uint32> argb(static_cast<size_t>(w) * static_cast<size_t>(h));
    if (SDL_RenderReadPixels(j.renderer.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(),
                             w * 4) != 0)
        return false;
    std::vector<unsigned char> brut;
    for (int y = 0; y < h; ++y) {
        brut.push_back(0);  // no filter
        for (int x = 0; x < w; ++x) {
            const Uint32 c =
                argb[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
            brut.push_back(static_cast<unsigned char>(c >> 16));
            brut.push_back(static_cast<unsigned char>(c >> 8));
            brut.push_back(static_cast<unsigned char>(c));
        }
    }
    uLongf taille = compressBound(brut.size());
    std::vector<unsigned char> serre(taille);
    if (compress2(serre.data(), &taille, brut.data(), brut.size(), 9) != Z_OK) return false;
    serre.resize(taille);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> entete = {static_cast<unsigned char>(w >> 24),
                                         static_cast<unsigned char>(w >> 16),
                                         static_cast<unsigned char>(w >> 8),
                                         static_cast<unsigned char>(w),
                                         static_cast<unsigned char>(h >> 24),
                                         static_cast<unsigned char>(h >> 16),
                                         static_cast<unsigned char>(h >> 8),
                                         static_cast<unsigned char>(h),
                                         8,
                                         2,
                                         0,
                                         0,
                                         0};
    ajoute(png, "IHDR", entete);
    ajoute(png, "IDAT", serre);
    ajoute(png, "IEND", {});
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return false;
    const bool ecrit = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ecrit;
}

void photo(prise& p, jeu& j, const char* nom) {
    const std::string chemin = p.dossier + "/" + nom;
    if (ecritpng(j, chemin)) {
        ++p.faites;
        std::printf("%s\n", chemin.c_str());
    } else {
        std::fprintf(stderr, "photographe: cannot write %s: %s\n", chemin.c_str(), SDL_GetError());
        p.bon = false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: photographe FOLDER\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    prise p;
    p.dossier = argv[1];
    const plateforme plate = {[](Uint32 ms, void* c) {
                                  prise& p = *static_cast<prise*>(c);
                                  jeu& j = p.j;
                                  const int image = j.tableau * 254 + static_cast<int>(j.deplace);
                                  if (ms == dureeaccueil) photo(p, j, "accueil.png");
                                  if (ms != dureeimage) return;
                                  if (image == 300) {
                                      SDL_Event e{};
                                      e.type = SDL_MOUSEMOTION;
                                      e.motion.x = 330;
                                      SDL_PushEvent(&e);
                                  }
                                  // The first moment, late in the second level, with a bomb in the
                                  // air.
                                  const bool entombe =
                                      (j.b0 && j.bombes[0].y < sol(j.hauteur) - 60) ||
                                      (j.b2 && j.bombes[2].y < sol(j.hauteur) - 60) ||
                                      (j.b3 && j.bombes[3].y < sol(j.hauteur) - 60);
                                  if (image >= 440 && entombe && p.faites == 1) {
                                      photo(p, j, "jeu.png");
                                      SDL_Event e{};
                                      e.type = SDL_KEYDOWN;
                                      SDL_PushEvent(&e);
                                  }
                              },
                              &p, 2026};
    const int statut = lumor5(p.j, plate);
    if (statut != 0 || !p.bon || p.faites != 2) {
        std::fprintf(stderr, "photographe: the run did not give both pictures\n");
        return 1;
    }
    return 0;
}
