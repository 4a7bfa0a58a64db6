// Test programs' main: a headless display opened the way the game opens it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "headless.h"

namespace {

class HeadlessDisplay : public ::testing::Environment
{
public:
    void SetUp() override
    {
        // CTest sets the drivers too; this makes a program run by hand headless.
        setenv("SDL_DISKAUDIODELAY", "0", 0);
        StartHeadless("Zarvell 2");
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
