// Play allocates nothing: once SDL's pools of render commands and queued
// events have grown to the most a frame has needed (the first level), no frame
// asks SDL or the C++ heap for memory, even with thousands of events queued.
// (SDL's software renderer does allocate a scratch
// surface for a stretched copy that the window's edge cuts, as when the tank
// runs past the right edge; the motions here keep the tank inside.)
#include <gtest/gtest.h>

#include "comptage.h"
#include "outils.h"

namespace {

class Memoire : public testing::Test {
protected:
    void SetUp() override { comptesdl(true); }
    void TearDown() override { comptesdl(false); }

    // Allocations made by each frame, from the wait of one to the wait of the next.
    std::vector<long> parimage(scenario& s, int mouvements, bool clef) {
        std::vector<long> vues;
        vues.reserve(1600);
        s.attentes.reserve(1600);
        s.script = [&, mouvements, clef](scenario& s, Uint32 ms) {
            if (ms == dureeaccueil) {
                SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
                for (int k = 0; k < mouvements; ++k) pousse(souris(k % 720, 0));
                if (clef) pousse(touche());
            }
            if (s.enjeu(ms)) vues.push_back(allocationsfaites());
            if (s.enjeu(ms) && mouvements == 0 && s.image() % 10 == 0)
                pousse(souris(s.image() % 700, 0));
        };
        EXPECT_EQ(s.lance(), 0);
        std::vector<long> d;
        for (size_t k = 1; k < vues.size(); ++k) d.push_back(vues[k] - vues[k - 1]);
        return d;
    }
};

TEST_F(Memoire, RienParImage) {
    scenario s;
    const std::vector<long> d = parimage(s, 0, false);
    ASSERT_EQ(d.size(), 1523u);
    long total = 0;
    for (size_t k = 254; k < d.size(); ++k) total += d[k];
    EXPECT_EQ(total, 0) << "allocations in levels 1 to 5, a motion every 10 frames";
}

TEST_F(Memoire, DixMilleMouvementsEnFile) {
    scenario s;
    const std::vector<long> d = parimage(s, 10000, false);
    long total = 0;
    for (size_t k = 254; k < d.size(); ++k) total += d[k];
    EXPECT_EQ(total, 0) << "working off the queue allocates nothing";
    EXPECT_EQ(s.attentes.size(), 2u + 1524u + 2u) << "1,524 frames take 1,524 of them";
    EXPECT_EQ(s.j.rectchar.x, 1523 % 720);
}

TEST_F(Memoire, ToucheDerriereMilleMouvements) {
    scenario s;
    parimage(s, 1000, true);
    EXPECT_EQ(s.attentes.size(), 2u + 1001u + 1u) << "the key ends the run on frame 1000";
    EXPECT_EQ(s.j.rectchar.x, 999 % 720);
}

}  // namespace
