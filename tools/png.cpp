// Writes 8-bit RGB PNG files: the README's screenshots and the game's icons.
#include "png.h"

#include <zlib.h>

#include <cstdio>

namespace {

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

}  // namespace

bool ecritpng(const std::string& chemin, int w, int h, const std::vector<uint32_t>& rgb) {
    std::vector<unsigned char> brut;
    for (int y = 0; y < h; ++y) {
        brut.push_back(0);  // no filter
        for (int x = 0; x < w; ++x) {
            const uint32_t c =
                rgb[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
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
