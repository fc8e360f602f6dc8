// The tests run with no display: SDL's dummy video driver, picked explicitly
// (left alone, SDL would try its offscreen driver).
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
