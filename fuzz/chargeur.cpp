// The picture loader, fuzzed: an input is one picture file, taken down the
// game's own path (the regular-file open, the header check, SDL's bitmap
// decoder, a texture) and copied stretched onto the retained picture, on SDL's
// software renderer with no display.
// Built with libFuzzer by make fuzz; without it, it replays the corpus:
// Usage: chargeur FOLDER...   every file in each folder, once
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "lumor5.h"
#include "toile.h"

namespace {

namespace fs = std::filesystem;

// One game state for every input; the file each input is written to.
struct banc {
    jeu j;
    std::string fichier =
        fs::temp_directory_path() / ("lumor5-chargeur-" + std::to_string(getpid()) + ".bmp");
    banc() {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO);
        j.window.reset(SDL_CreateWindow("", 0, 0, 160, 120, 0));
        j.renderer.reset(SDL_CreateRenderer(j.window.get(), -1, SDL_RENDERER_SOFTWARE));
        creetoile(j, 160, 120);
    }
    ~banc() { fs::remove(fichier); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    static banc b;
    std::ofstream(b.fichier, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(octets), static_cast<std::streamsize>(taille));
    b.j.surfaces[imagelumor].reset(chargeimage(b.fichier.c_str()));
    creetextures(b.j);
    copie(b.j, imagelumor, {0, 0, 160, 120});
    SDL_RenderFlush(b.j.renderer.get());
    b.j.textures[imagelumor].reset();
    b.j.surfaces[imagelumor].reset();
    return 0;
}

#ifdef LUMOR_REJOUE
int main(int argc, char* argv[]) {
    int n = 0;
    for (int i = 1; i < argc; ++i)
        for (const fs::directory_entry& e : fs::directory_iterator(argv[i])) {
            std::ifstream f(e.path(), std::ios::binary);
            const std::string octets((std::istreambuf_iterator<char>(f)), {});
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(octets.data()), octets.size());
            ++n;
        }
    std::printf("%d pictures replayed\n", n);
    return n == 0;
}
#endif
