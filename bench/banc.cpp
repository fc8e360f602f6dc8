// What a frame costs. Plays the whole run headless (dummy video driver,
// software renderer, fixed seed, waits that do not sleep, a mouse motion every
// 10 frames) at three window sizes, and compares each frame's work with a bare
// loop that only copies the retained picture to the window and presents.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "comptage.h"
#include "lumor5.h"
#include "toile.h"

namespace {

using horloge = std::chrono::steady_clock;
const horloge::time_point lancement = horloge::now();

double microsecondes(horloge::time_point a, horloge::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

struct mesure {
    jeu j;
    std::vector<double> nu, image;
    std::vector<long> allocationsparimage;
    horloge::time_point avant;
    long allocationsavant = 0;
    double accueil = -1.0;  // ms from the process's start to the welcome screen
};

void attente(Uint32 ms, void* contexte) {
    mesure& m = *static_cast<mesure*>(contexte);
    jeu& j = m.j;
    const horloge::time_point maintenant = horloge::now();
    if (ms == dureeaccueil) m.accueil = microsecondes(lancement, maintenant) / 1000.0;
    const bool enjeu = ms == dureeimage;
    const bool finjeu = ms == dureefinie && j.tableau == nombretableaux;
    if ((enjeu && (j.tableau > 0 || j.deplace > 0.0f)) || finjeu) {
        m.image.push_back(microsecondes(m.avant, maintenant));
        m.allocationsparimage.push_back(allocationsfaites() - m.allocationsavant);
    }
    if (ms == dureeblocs && j.tableau == 0 && j.presentations == 3) {
        // The bare loop, on the same renderer and picture, right before play.
        for (int k = 0; k < 1524; ++k) {
            const horloge::time_point a = horloge::now();
            presente(j);
            m.nu.push_back(microsecondes(a, horloge::now()));
        }
    }
    const int n = j.tableau * 254 + static_cast<int>(j.deplace);
    if (enjeu && n % 10 == 0) {
        // Inside the window: SDL's software renderer allocates scratch memory
        // for a stretched copy cut by the window's edge.
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = (n * 7) % 720;
        SDL_PushEvent(&e);
    }
    m.allocationsavant = allocationsfaites();
    m.avant = horloge::now();
}

double rang(std::vector<double> v, int centieme) {
    std::sort(v.begin(), v.end());
    return v[v.size() * static_cast<size_t>(centieme) / 100];
}

}  // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    comptesdl(true);

    const int tailles[3][2] = {{800, 600}, {1920, 1080}, {3840, 2160}};
    double pire = 0.0;
    long parimage = 0;
    for (const auto& t : tailles) {
        static mesure m;
        m = mesure{};
        m.nu.reserve(1600);
        m.image.reserve(1600);
        m.allocationsparimage.reserve(1600);
        m.j.largeur = m.j.largeurnew = t[0];
        m.j.hauteur = m.j.hauteurnew = t[1];
        const plateforme p = {attente, &m, 2026};
        if (lumor5(m.j, p) != 0 || m.image.size() != 1524) {
            std::fprintf(stderr, "banc: the run at %dx%d did not play through\n", t[0], t[1]);
            return 1;
        }
        long echauffement = 0, apres = 0;
        for (size_t k = 0; k < m.allocationsparimage.size(); ++k) {
            if (k < 254)
                echauffement += m.allocationsparimage[k];
            else
                apres = std::max(apres, m.allocationsparimage[k]);
        }
        const double ratio = rang(m.image, 50) / rang(m.nu, 50);
        std::printf(
            "%4d x %4d  frame %7.1f us median %7.1f us p99 | bare %7.1f us median %7.1f us p99"
            " | ratio %.2f (p99 %.2f)\n",
            t[0], t[1], rang(m.image, 50), rang(m.image, 99), rang(m.nu, 50), rang(m.nu, 99), ratio,
            rang(m.image, 99) / rang(m.nu, 99));
        std::printf(
            "            allocations: %ld in the first level while SDL's pools grow,"
            " then at most %ld a frame\n",
            echauffement, apres);
        if (t[0] == 800)
            std::printf("            start of the process to the welcome screen: %.1f ms\n",
                        m.accueil);
        pire = std::max(pire, ratio);
        parimage = std::max(parimage, apres);
    }
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(r.ru_maxrss) / 1024.0);
    std::printf("worst ratio %.2f, allocations per frame %ld\n", pire, parimage);
    return 0;
}
