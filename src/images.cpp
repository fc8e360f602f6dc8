// The nine pictures: read once at start-up, kept until teardown.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lumor5.h"

namespace {

constexpr Sint64 pixelsmax = 4096LL * 4096LL;  // room for a player's own art

Uint32 lit32(const Uint8* p) {
    return static_cast<Uint32>(p[0] | p[1] << 8 | p[2] << 16) | static_cast<Uint32>(p[3]) << 24;
}

Uint32 lit16(const Uint8* p) {
    return static_cast<Uint32>(p[0] | p[1] << 8);
}

#ifdef _WIN32
constexpr int lecture = O_RDONLY | O_BINARY | O_NOINHERIT;
#else
constexpr int lecture = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
#endif

// The depths a bitmap may have and, under a run-length code or bit fields,
// those it codes. SDL takes any other, and slowly makes a picture of
// nothing true from it.
bool profondeur(Uint32 bits, Uint32 compression) {
    switch (compression) {
        case 1:
            return bits == 8;
        case 2:
            return bits == 4;
        case 3:
            return bits == 15 || bits == 16 || bits == 32;
        default:
            return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 15 || bits == 16 ||
                   bits == 24 || bits == 32;
    }
}

// Only a regular file: opening a FIFO would wait for a writer forever. The
// reason for a refusal is the OS's own, but for a folder, which Windows
// refuses to open as if access were denied.
SDL_RWops* ouvre(const char* chemin) {
    const int fd = open(chemin, lecture);
    struct stat etat;
    if (fd < 0 || fstat(fd, &etat) != 0) {
        const int raison = errno;
        const bool dossier = stat(chemin, &etat) == 0 && S_ISDIR(etat.st_mode);
        SDL_SetError("%s", dossier ? "not a regular file" : std::strerror(raison));
    } else if (!S_ISREG(etat.st_mode)) {
        SDL_SetError("not a regular file");
    } else if (FILE* f = fdopen(fd, "rb")) {
        if (SDL_RWops* flux = SDL_RWFromFP(f, SDL_TRUE)) return flux;
        std::fclose(f);
        return nullptr;
    }
    if (fd >= 0) close(fd);
    return nullptr;
}

// SDL believes a bitmap's header: a file of a few bytes that claims 30000 x
// 30000 pixels costs gigabytes and seconds before it fails or shows garbage.
// Refuses what no picture of the game needs and what the file cannot hold;
// leaves every other fault to SDL's loader. Bytes past the end read as 0, as SDL reads them.
bool credible(SDL_RWops* flux) {
    Uint8 e[34] = {};
    const Sint64 taille = SDL_RWsize(flux);
    const size_t lus = SDL_RWread(flux, e, 1, sizeof e);
    SDL_RWseek(flux, 0, RW_SEEK_SET);
    if (lus < 2 || e[0] != 'B' || e[1] != 'M') return true;
    const Uint32 debut = lit32(e + 10), info = lit32(e + 14);
    Sint64 largeur, hauteur;
    Uint32 bits, compression = 0;
    if (info == 12) {  // the old OS/2 header
        largeur = lit16(e + 18);
        hauteur = lit16(e + 20);
        bits = lit16(e + 24);
    } else {
        largeur = static_cast<Sint32>(lit32(e + 18));
        hauteur = std::llabs(static_cast<Sint32>(lit32(e + 22)));
        bits = lit16(e + 28);
        compression = lit32(e + 30);
    }
    if (largeur > cotemax || hauteur > cotemax || largeur * hauteur > pixelsmax) {
        SDL_SetError("%lld x %lld pixels is more than a picture of the game may have",
                     static_cast<long long>(largeur), static_cast<long long>(hauteur));
        return false;
    }
    if (compression > 3) {  // SDL knows none past bit fields, but allocates before it says so
        SDL_SetError("unknown compression %u", static_cast<unsigned>(compression));
        return false;
    }
    if (!profondeur(bits, compression)) {
        SDL_SetError("%u bits a pixel under compression %u is no bitmap's",
                     static_cast<unsigned>(bits), static_cast<unsigned>(compression));
        return false;
    }
    const bool brut = compression == 0 || compression == 3;  // not run-length coded
    const Sint64 octets = (largeur * bits + 31) / 32 * 4 * hauteur;
    if (brut && largeur > 0 && taille >= 0 && debut + octets > taille) {
        SDL_SetError("the header claims %lld x %lld pixels, more than the file's %lld bytes hold",
                     static_cast<long long>(largeur), static_cast<long long>(hauteur),
                     static_cast<long long>(taille));
        return false;
    }
    return true;
}

}  // namespace

SDL_Surface* chargeimage(const char* chemin) {
    SDL_RWops* flux = ouvre(chemin);
    if (flux && !credible(flux)) {
        SDL_RWclose(flux);
        return nullptr;
    }
    return flux ? SDL_LoadBMP_RW(flux, 1) : nullptr;
}

// A picture that cannot be had is reported and then simply not drawn.
void chargeimages(jeu& j) {
    for (int i = 0; i < nombreimages; ++i) {
        j.surfaces[i].reset(chargeimage(fichiers[i]));
        if (!j.surfaces[i])
            std::fprintf(stderr, "lumor5: cannot load %s: %s\n", fichiers[i], SDL_GetError());
    }
}

void creetextures(jeu& j) {
    for (int i = 0; i < nombreimages; ++i) {
        if (!j.surfaces[i]) continue;
        j.textures[i].reset(SDL_CreateTextureFromSurface(j.renderer.get(), j.surfaces[i].get()));
        if (!j.textures[i])
            std::fprintf(stderr, "lumor5: cannot draw %s: %s\n", fichiers[i], SDL_GetError());
        else  // square pixels on every renderer, whatever SDL_RENDER_SCALE_QUALITY says
            SDL_SetTextureScaleMode(j.textures[i].get(), SDL_ScaleModeNearest);
    }
}
