// Takes the README's two screenshots from a headless run of the game itself:
// the welcome screen, and a moment of play with ships, a falling bomb, notched
// blocks and the tank. Same seed, same pictures.
// Usage: photographe FOLDER   writes FOLDER/accueil.png and FOLDER/jeu.png
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lumor5.h"
#include "png.h"

namespace {

struct prise {
    jeu j;
    std::string dossier;
    int faites = 0;
    bool bon = true;
};

// An 8-bit RGB PNG of the picture in play.
bool ecritimage(jeu& j, const std::string& chemin) {
    std::vector<uint32_t> rgb(static_cast<size_t>(j.largeur) * static_cast<size_t>(j.hauteur));
    return SDL_RenderReadPixels(j.renderer.get(), nullptr, SDL_PIXELFORMAT_RGB888, rgb.data(),
                                j.largeur * 4) == 0 &&
           ecritpng(chemin, j.largeur, j.hauteur, rgb);
}

void photo(prise& p, jeu& j, const char* nom) {
    const std::string chemin = p.dossier + "/" + nom;
    if (ecritimage(j, chemin)) {
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
                              &p, 2026, horlogesdl};
    const int statut = lumor5(p.j, plate);
    if (statut != 0 || !p.bon || p.faites != 2) {
        std::fprintf(stderr, "photographe: the run did not give both pictures\n");
        return 1;
    }
    return 0;
}
