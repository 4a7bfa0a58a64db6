// Test programs' main: a headless display opened the way the game opens it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/zvengine.h"

namespace {

class HeadlessDisplay : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // CTest sets these; set them here too so a program run by hand is headless.
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "disk", 0);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
        setenv("SDL_DISKAUDIODELAY", "0", 0);
        zve_PrepareEnvironment();
        zve_Init(640, 480, 24, 0, "Zarvell 2");
    }
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests start a fresh copy of the program rather than forking one that
    // holds SDL's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::AddGlobalTestEnvironment(new HeadlessDisplay);
    return RUN_ALL_TESTS();
}
