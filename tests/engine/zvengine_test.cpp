// Engine start-up failures, the environment it asks for, and the keyboard poll.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/zvengine.h"
#include "globals.h"
#include "keys.h"

namespace {

TEST(StartUp, OpensTheDisplayAsAskedFor)
{
    ASSERT_NE(zve_screen, nullptr);
    EXPECT_EQ(zve_screen->w, 640);
    EXPECT_EQ(zve_screen->h, 480);
    EXPECT_EQ(zve_screen->format->BitsPerPixel, 24);
    char title[64] = "";
    char* caption = title;
    SDL_WM_GetCaption(&caption, NULL);
    EXPECT_STREQ(caption, "Zarvell 2");
}

TEST(StartUpDeathTest, SdlThatCannotStartEndsWithMessageOne)
{
    EXPECT_EXIT(
        {
            SDL_Quit();
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            zve_Init(640, 480, 24, 0, "Zarvell 2");
        },
        ::testing::ExitedWithCode(1),
        "\nSDL init failed\\. You're not in text mode are you\\?\n\nIf you can't figure out why "
        "this problem occured contact " ZVE_SUPPORT_ADDRESS "\\.\n");
}

TEST(StartUpDeathTest, DisplayThatCannotBeMadeEndsWithMessageTwo)
{
    EXPECT_EXIT(
        {
            SDL_Quit();
            zve_Init(200000, 200000, 24, 1, "Zarvell 2");
        },
        ::testing::ExitedWithCode(1),
        "\nUnable to make the SDL window\\. Check SDL and ensure your setup can handle the color "
        "modes and resolution\\. Email " ZVE_SUPPORT_ADDRESS " if you need help\\. Sorry :\\(\n");
}

TEST(StartUp, EnvironmentAsksForCrispScalingAndPlainSignalsUnlessThePlayerChoseOtherwise)
{
    struct Case { const char* before; const char* after; } cases[] = {
        {nullptr, nullptr},    // unset: our defaults
        {"linear", "linear"},  // the player's choice stands
    };
    for (const Case& c : cases) {
        if (c.before) {
            setenv("SDL12COMPAT_SCALE_METHOD", c.before, 1);
            setenv("SDL_NO_SIGNAL_HANDLERS", c.before, 1);
        } else {
            unsetenv("SDL12COMPAT_SCALE_METHOD");
            unsetenv("SDL_NO_SIGNAL_HANDLERS");
        }
        zve_PrepareEnvironment();
        EXPECT_STREQ(getenv("SDL12COMPAT_SCALE_METHOD"), c.after ? c.after : "nearest");
        EXPECT_STREQ(getenv("SDL_NO_SIGNAL_HANDLERS"), c.after ? c.after : "1");
    }
}

TEST(Keyboard, HeldKeysReadTrueOnEveryPollAndReleasedOnesFalse)
{
    ReleaseAllKeys();
    for (int key : {SDLK_RETURN, SDLK_ESCAPE, SDLK_c, SDLK_m, SDLK_p, SDLK_UP, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT}) {
        EXPECT_FALSE(CheckKey(key)) << key;
        HoldKey(key);
        EXPECT_TRUE(CheckKey(key)) << key;
        EXPECT_TRUE(CheckKey(key)) << "still down on the next poll";
        ReleaseKey(key);
        EXPECT_FALSE(CheckKey(key)) << key;
    }
}

TEST(Keyboard, CodesOutsideTheKeyTableReadFalse)
{
    int count = 0;
    SDL_GetKeyState(&count);
    ASSERT_GE(count, (int)SDLK_LAST);
    HoldKey(SDLK_LAST - 1);
    EXPECT_TRUE(CheckKey(SDLK_LAST - 1));
    ReleaseKey(SDLK_LAST - 1);
    for (int key : {-1, -100000, (int)SDLK_LAST, 100000})
        EXPECT_FALSE(CheckKey(key)) << key;
}

}  // namespace
