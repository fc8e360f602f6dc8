// What a frame costs, and whose cost it is. Plays whole runs (fixed seed,
// waits that do not sleep, a mouse motion every 10 frames): headless at three
// window sizes (dummy video driver, software renderer, no screen to bound the
// window), or with --ecran one 800 x 600 window on the display the environment
// names (a screen at scale 2 puts it on 1600 x 1200 pixels). Right after each
// frame of the game, on the same renderer and picture, it times two references:
// - the bare present: copy the retained picture to the window and present;
// - the same draw calls as the frame (the same textures, rectangles and
//   fills, in the same order) with none of the game's logic.
// The game's own work (formation, scheduler, event step) is the game's frame
// less the second; SDL's stretched copies are the second less the first.
// Usage: banc [--ecran | --profil]   --profil: one short run at 3840 x 2160, for a profiler
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "comptage.h"
#include "scenario.h"
#include "toile.h"

namespace {

using horloge = std::chrono::steady_clock;
const horloge::time_point lancement = horloge::now();

double microsecondes(horloge::time_point a, horloge::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

struct mesure {
    scenario s;
    std::vector<double> partie, nu, memes;  // the game's frame, bare present, same draw calls
    std::vector<long> allocations;          // the game's, frame by frame
    SDL_Rect bombesavant[4] = {};
    horloge::time_point avant;
    long allocationsavant = 0;
    double accueil = -1.0;               // ms from the process's start to the welcome screen
    SDL_Point taille = {}, pixels = {};  // the picture and the window's pixels, as played
    int images = 1524;                   // frames to play before a key ends the run
    bool references = true;
};

// This frame's ships and the bombs that moved in it.
void sprites(jeu& j, const bool tombe[4]) {
    for (const SDL_Rect& v : j.vaisseaux) copie(j, imagelumor, v);
    for (int k = 0; k < 4; ++k)
        if (tombe[k]) copie(j, imagebombe, j.bombes[k]);
}

// The frame's draw calls with no logic: the sprites, the tank where a motion
// is being handled, the present, the erasing fills.
void memesappels(jeu& j, const bool tombe[4]) {
    sprites(j, tombe);
    if (j.evenement.type == SDL_MOUSEMOTION) {
        SDL_RenderFillRect(j.renderer.get(), &j.rectchar);
        copie(j, imagechar, j.rectchar);
    }
    presente(j);
    efface(j);
}

void references(mesure& m);
mesure m;

void attente(scenario&, Uint32 ms) {
    jeu& j = m.s.j;
    // SDL queues draws until a present or a flush: each timed stretch flushes its own.
    SDL_RenderFlush(j.renderer.get());
    const horloge::time_point fin = horloge::now();
    if (ms == dureeaccueil) m.accueil = microsecondes(lancement, fin) / 1000.0;
    if (ms == dureeaccueil) {
        SDL_QueryTexture(j.toile.get(), nullptr, nullptr, &m.taille.x, &m.taille.y);
        SDL_SetRenderTarget(j.renderer.get(), nullptr);  // the window's own pixels
        SDL_GetRendererOutputSize(j.renderer.get(), &m.pixels.x, &m.pixels.y);
        SDL_SetRenderTarget(j.renderer.get(), j.toile.get());
    }
    if (ms != dureeimage) return;
    const int n = m.s.image();
    if (n > 0) {  // from the end of the last frame's wait to this one: a whole frame
        m.partie.push_back(microsecondes(m.avant, fin));
        m.allocations.push_back(allocationsfaites() - m.allocationsavant);
    }
    // Inside the window: a copy cut by its edge allocates scratch memory.
    if (n % 10 == 0 && n != m.images) pousse(SDL_MOUSEMOTION, (n * 7) % 720);
    if (n == m.images) pousse(SDL_KEYDOWN);

    if (m.references) references(m);
    m.allocationsavant = allocationsfaites();
    m.avant = horloge::now();
}

// The two references, timed right after the game's frame, each flushing its
// own draws; the picture is left as the game drew it.
void references(mesure& m) {
    jeu& j = m.s.j;
    bool tombe[4];
    for (int k = 0; k < 4; ++k) tombe[k] = j.bombes[k].y != m.bombesavant[k].y;
    std::copy(std::begin(j.bombes), std::end(j.bombes), m.bombesavant);
    horloge::time_point a = horloge::now();
    presente(j);
    SDL_RenderFlush(j.renderer.get());
    m.nu.push_back(microsecondes(a, horloge::now()));
    a = horloge::now();
    memesappels(j, tombe);
    SDL_RenderFlush(j.renderer.get());
    m.memes.push_back(microsecondes(a, horloge::now()));
    sprites(j, tombe);  // puts back what the references erased: the game goes on unchanged
    SDL_RenderFlush(j.renderer.get());
}

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Five passes at one size; the line it prints, and the worst of it into the totals.
struct totaux {
    double pire = 0.0, etendue = 0.0, propre = 0.0;
    long parimage = 0;
};

bool rangee(int largeur, int hauteur, totaux& t) {
    constexpr int passes = 5;
    std::vector<double> r, o;  // per pass: game / bare present, game / same draw calls
    double cout[3] = {};       // medians of the last pass, in us
    for (int passe = 0; passe < passes; ++passe) {
        m = mesure{};
        for (auto* v : {&m.partie, &m.nu, &m.memes}) v->reserve(1600);
        m.allocations.reserve(1600);
        m.s.attentes.reserve(1600);
        m.s.j.largeur = m.s.j.largeurnew = largeur;
        m.s.j.hauteur = m.s.j.hauteurnew = hauteur;
        m.s.j.bornesecrans = false;
        m.s.graine = 2026;
        m.s.script = attente;
        if (m.s.lance() != 0 || m.partie.size() != 1523 || m.taille.x != largeur ||
            m.taille.y != hauteur) {
            std::fprintf(stderr, "banc: the run at %dx%d played %zu frames at %dx%d\n", largeur,
                         hauteur, m.partie.size(), m.taille.x, m.taille.y);
            return false;
        }
        cout[0] = mediane(m.nu);
        cout[1] = mediane(m.memes);
        cout[2] = mediane(m.partie);
        r.push_back(cout[2] / cout[0]);
        o.push_back(cout[2] / cout[1]);
        for (size_t k = 253; k < m.allocations.size(); ++k)
            t.parimage = std::max(t.parimage, m.allocations[k]);
        if (passe == 0 && m.accueil >= 0.0 && largeur == 800)
            std::printf("start of the process to the welcome screen: %.1f ms\n", m.accueil);
        m.accueil = -1.0;
    }
    std::sort(r.begin(), r.end());
    std::sort(o.begin(), o.end());
    std::printf(
        "%4d x %4d on %d x %d pixels  bare present %7.1f us | same draw calls %7.1f us"
        " | game %7.1f us (last pass)\n"
        "            SDL's stretched copies %+.1f us, the game's own work %+.1f us\n"
        "            game / bare present %.3f (%.3f to %.3f over %d passes),"
        " game / same draw calls %.3f (%.3f to %.3f)\n",
        m.taille.x, m.taille.y, m.pixels.x, m.pixels.y, cout[0], cout[1], cout[2],
        cout[1] - cout[0], cout[2] - cout[1], r[passes / 2], r.front(), r.back(), passes,
        o[passes / 2], o.front(), o.back());
    if (r[passes / 2] > t.pire) {
        t.pire = r[passes / 2];
        t.etendue = r.back() - r.front();
    }
    t.propre = std::max(t.propre, o[passes / 2]);
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool ecran = argc > 1 && std::strcmp(argv[1], "--ecran") == 0;
    if (!ecran) setenv("SDL_VIDEODRIVER", "dummy", 1);
    comptesdl(true);
    if (argc > 1 && std::strcmp(argv[1], "--profil") == 0) {
        m.s.j.largeur = m.s.j.largeurnew = 3840;
        m.s.j.hauteur = m.s.j.hauteurnew = 2160;
        m.s.j.bornesecrans = false;
        m.s.graine = 2026;
        m.s.script = attente;
        m.images = 300;
        m.references = false;
        return m.s.lance();
    }
    totaux t;
    const int tailles[3][2] = {{800, 600}, {1920, 1080}, {3840, 2160}};
    for (const auto& taille : tailles)
        if ((!ecran || taille[0] == 800) && !rangee(taille[0], taille[1], t)) return 1;
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(u.ru_maxrss) / 1024.0);
    std::printf("worst ratio %.2f (spread %.2f), own ratio %.2f, allocations per frame %ld\n",
                t.pire, t.etendue, t.propre, t.parimage);
    return 0;
}
