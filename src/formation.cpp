// The formation: four ships whose places are pure functions of the frame,
// the level and the window size. Ship 0 is worked out in single precision,
// ships 1 to 3 in double precision: at some sizes the other precision would
// move a ship by a pixel, so each keeps its own.
#include <cmath>

#include "lumor5.h"
#include "toile.h"

void etapeformation(jeu& j) {
    constexpr double phases[4] = {0.0, 1.5, 3.14, 4.71};
    const float t = j.deplace;
    const int32_t L = j.tableau, W = j.largeur, H = j.hauteur;

    const float ampleur = std::sin(t / 80.0f);
    j.distanceh = ampleur * static_cast<float>(W) / 2.5f;
    j.distancev = ampleur * static_cast<float>(H) / 4.0f;

    const float angleh = t / 40.0f;
    const float anglev = t / static_cast<float>(oscillation[L]);
    const float x0 = std::cos(angleh) * j.distanceh + static_cast<float>(W / 2);
    const float y0 = j.distancev * (static_cast<float>(sininvert[L]) * std::sin(anglev)) /
                         static_cast<float>(oscillationvertical[L]) +
                     static_cast<float>(H / 4);
    j.vaisseaux[0].x = static_cast<int32_t>(x0);
    j.vaisseaux[0].y = static_cast<int32_t>(y0);

    for (int k = 1; k < 4; ++k) {
        const double x =
            std::cos(phases[k] + static_cast<double>(angleh)) * static_cast<double>(j.distanceh) +
            static_cast<double>(W / 2);
        const double y = static_cast<double>(j.distancev) *
                             (sininvert[L] * std::sin(phases[k] + static_cast<double>(anglev))) /
                             oscillationvertical[L] +
                         static_cast<double>(H / 4);
        j.vaisseaux[k].x = static_cast<int32_t>(x);
        j.vaisseaux[k].y = static_cast<int32_t>(y);
    }

    for (SDL_Rect& v : j.vaisseaux) {
        v.w = W / 16;
        v.h = H / 12;
    }
    for (const SDL_Rect& v : j.vaisseaux) copie(j, imagelumor, v);
}
