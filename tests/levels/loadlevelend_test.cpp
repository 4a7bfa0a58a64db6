// The end screen: its own loop until Enter, and the way back to the title.
#include <gtest/gtest.h>

#include <string>

#include "fake_clock.h"
#include "fixtures.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "keys.h"
#include "levels/levels.h"

namespace {

class EndScreen : public ::testing::Test
{
protected:
    ScratchFolder folder;
    FakeClock clock;

    void SetUp() override
    {
        ResetGame();
        ReleaseAllKeys();
        WritePicture("data/art/end.png", 640, 480, 250, 200, 20);
        level = 4;
        mode = MODE_INTRO;
    }
    void TearDown() override { ReleaseAllKeys(); }

    // Presses Enter once the end screen has made this many passes.
    void EnterAfterPasses(size_t passes)
    {
        clock.OnDelay([this, passes] {
            if (clock.Delays().size() >= passes)
                HoldKey(SDLK_RETURN);
        });
    }
};

struct PassCase
{
    const char* what;
    size_t enterAfter;  // passes before Enter goes down; 0: held from the start
    bool escapeHeld;
    size_t passes;
};

TEST_F(EndScreen, ShowsItsPictureUntilEnterAndIgnoresEscape)
{
    const PassCase cases[] = {
        {"Enter already held", 0, false, 1},
        {"Enter after five passes", 5, false, 6},
        {"Escape does nothing here", 3, true, 4},
    };
    for (const PassCase& c : cases) {
        ResetGame();
        level = 4;
        mode = MODE_INTRO;
        ReleaseAllKeys();
        clock.ClearDelays();
        if (c.enterAfter == 0)
            HoldKey(SDLK_RETURN);
        else
            EnterAfterPasses(c.enterAfter);
        if (c.escapeHeld)
            HoldKey(SDLK_ESCAPE);
        ClearScreen();
        LoadLevelEnd();
        EXPECT_EQ(clock.Delays().size(), c.passes) << c.what;
        EXPECT_EQ(level, 0) << c.what;
        EXPECT_EQ(mode, MODE_TITLE) << c.what;
        Uint8 r, g, b;
        ScreenPixel(320, 240, r, g, b);
        EXPECT_EQ((int)r, 250) << c.what;
        EXPECT_EQ(background.GetLastFrame(0), 0) << "one picture, reloaded into slot 0 every pass";
        clock.OnDelay(nullptr);
    }
}

TEST_F(EndScreen, ReturnsAtOnceWhenTheTitleIsAlreadyDue)
{
    mode = MODE_TITLE;
    level = 4;
    LoadLevelEnd();
    EXPECT_TRUE(clock.Delays().empty());
    EXPECT_EQ(level, 4);
}

TEST_F(EndScreen, AMissingPictureIsReportedEveryPassAndEnterStillLeaves)
{
    remove("data/art/end.png");
    EnterAfterPasses(3);
    ::testing::internal::CaptureStderr();
    LoadLevelEnd();
    std::string err = ::testing::internal::GetCapturedStderr();
    const std::string line = "Image not found, it's going to crash! ( fix data/art/end.png)\n";
    EXPECT_EQ(err, line + line + line + line);
    EXPECT_EQ(mode, MODE_TITLE);
}

TEST_F(EndScreen, EnterHeldThroughItStartsLevelOneOnTheNextFrame)
{
    WritePicture("data/art/title.png", 640, 480);
    HoldKey(SDLK_RETURN);
    MainLoop();  // the intro frame: the end screen, left at once
    EXPECT_EQ(mode, MODE_TITLE);
    EXPECT_EQ(level, 0);
    ::testing::internal::CaptureStderr();
    MainLoop();  // the title's first frame sees Enter still down
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(mode, MODE_INTRO);
    EXPECT_EQ(level, 1);
    EXPECT_TRUE(playMusic);
}

}  // namespace
