// The nine pictures in data/: each loads, has the size it is painted at, and
// is a picture rather than a flat colour.
#include <gtest/gtest.h>

#include <set>

#include "outils.h"

namespace {

TEST(Images, ToutesSeChargent) {
    const int tailles[nombreimages][2] = {{10, 10}, {5, 15},  {16, 10},   {16, 10},  {16, 10},
                                          {16, 10}, {16, 10}, {400, 300}, {400, 300}};
    for (int i = 0; i < nombreimages; ++i) {
        SDL_Surface* s = SDL_LoadBMP(fichiers[i]);
        ASSERT_NE(s, nullptr) << fichiers[i] << ": " << SDL_GetError();
        EXPECT_EQ(s->w, tailles[i][0]) << fichiers[i];
        EXPECT_EQ(s->h, tailles[i][1]) << fichiers[i];
        EXPECT_EQ(s->format->BitsPerPixel, 24) << fichiers[i];
        std::set<Uint32> couleurs;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 3;
                couleurs.insert(static_cast<Uint32>(p[0] | p[1] << 8 | p[2] << 16));
            }
        EXPECT_GE(couleurs.size(), 3u) << fichiers[i];
        SDL_FreeSurface(s);
    }
}

}  // namespace
