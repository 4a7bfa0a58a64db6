// The frame loop: pacing, Escape, the music's start and restart, and the title, intro and pause handlers.
#include <gtest/gtest.h>

#include <string>

#include "fake_clock.h"
#include "fixtures.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "keys.h"

namespace {

const int MODE_NOTHING = 99;  // a mode whose frame calls no handler

class FrameLoop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGame();
        ReleaseAllKeys();
    }
    void TearDown() override { ReleaseAllKeys(); }
};

struct Pacing
{
    Uint32 start;      // tick count when the frame begins
    Uint32 work;       // ms the frame's work takes
    size_t delays;     // 1 ms delays the frame then makes
    Uint32 length;     // ms from the start to the end of the frame
};

TEST_F(FrameLoop, WaitsUntilTwentyMillisecondsThenOneMore)
{
    const Pacing cases[] = {
        {1000, 0, 21, 21},
        {1000, 5, 16, 21},
        {1000, 19, 2, 21},
        {1000, 20, 1, 21},
        {1000, 25, 1, 26},
        {0xFFFFFFF0u, 5, 16, 21},  // the tick counter wraps during the frame
    };
    mode = MODE_NOTHING;
    for (const Pacing& c : cases) {
        FakeClock clock(c.start);
        clock.JumpAfterReading(1, c.work);
        MainLoop();
        EXPECT_EQ(startTime, c.start);
        EXPECT_EQ(clock.Delays().size(), c.delays) << "work " << c.work << " from " << c.start;
        for (Uint32 d : clock.Delays())
            EXPECT_EQ(d, 1u);
        EXPECT_EQ(clock.Now() - c.start, c.length) << "work " << c.work << " from " << c.start;
    }
}

TEST_F(FrameLoop, EscapeEndsTheProgramWithStatusOne)
{
    EXPECT_EXIT(
        {
            mode = MODE_NOTHING;
            HoldKey(SDLK_ESCAPE);
            MainLoop();
        },
        ::testing::ExitedWithCode(1), "");
}

struct MusicCase
{
    Uint32 lastStart, now;
    bool due;
};

TEST_F(FrameLoop, MusicIsDueWhenNeverStartedOrMoreThan36SecondsAgo)
{
    const MusicCase cases[] = {
        {0, 5, true},                            // never started
        {1000, 1000, false},
        {1000, 37000, false},                    // exactly 36000 ms: not yet
        {1000, 37001, true},
        {0xFFFFF000u, 0xFFFFF000u + 36000u, false},  // across the wrap of the counter
        {0xFFFFF000u, 0xFFFFF000u + 36001u, true},
        {0xFFFFFFFFu, 35999u, false},
        {0xFFFFFFFFu, 36000u, true},
    };
    for (const MusicCase& c : cases)
        EXPECT_EQ(MusicDue(c.lastStart, c.now), c.due) << c.lastStart << " -> " << c.now;
}

TEST_F(FrameLoop, MusicStartsWhenDueAndIsRetriedOnlyAfter36Seconds)
{
    ScratchFolder folder;  // no music file here: every try reports itself
    const std::string message = "Couldn't load data/snd/addiction.wav: ";
    mode = MODE_NOTHING;
    FakeClock clock(5000);

    struct Step { Uint32 at; bool musicOn; bool tried; Uint32 ticksAfter; } steps[] = {
        {5000, false, false, 0},      // music off: nothing
        {6000, true, true, 6000},     // first start, ticks recorded though it failed
        {6100, true, false, 6000},
        {42000, true, false, 6000},   // 36000 ms after the start: not yet
        {42001, true, true, 42001},
        {90000, false, false, 42001}, // switched off: no more tries
    };
    for (const Step& s : steps) {
        clock.Set(s.at);
        playMusic = s.musicOn;
        ::testing::internal::CaptureStderr();
        MainLoop();
        std::string err = ::testing::internal::GetCapturedStderr();
        if (s.tried) {
            EXPECT_EQ(err.rfind(message, 0), 0u) << "at " << s.at << ": " << err;
            EXPECT_EQ(err.find(message, 1), std::string::npos) << "one message per try";
        } else {
            EXPECT_EQ(err, "") << "at " << s.at;
        }
        EXPECT_EQ(musicTicks, s.ticksAfter) << "at " << s.at;
    }
}

struct TitleCase
{
    int levelBefore;
    bool enter;
    int modeAfter;
    int levelAfter;
    bool musicAfter;
};

TEST_F(FrameLoop, TitleShowsItsPictureAndEnterStartsTheGame)
{
    ScratchFolder folder;
    WritePicture("data/art/title.png", 640, 480, 200, 100, 50);
    const TitleCase cases[] = {
        {1, false, MODE_TITLE, 1, false},
        {1, true, MODE_INTRO, 1, true},
        {0, true, MODE_INTRO, 1, true},   // back from the end screen: level one again
        {0, false, MODE_TITLE, 0, false},
    };
    for (const TitleCase& c : cases) {
        ResetGame();
        level = c.levelBefore;
        ReleaseAllKeys();
        if (c.enter)
            HoldKey(SDLK_RETURN);
        ClearScreen();
        Title();
        EXPECT_EQ(mode, c.modeAfter);
        EXPECT_EQ(level, c.levelAfter);
        EXPECT_EQ(playMusic, c.musicAfter);
        Uint8 r, g, b;
        ScreenPixel(320, 240, r, g, b);
        EXPECT_EQ((int)r, 200);
        EXPECT_EQ((int)g, 100);
        EXPECT_EQ((int)b, 50);
    }
}

TEST_F(FrameLoop, TitleReloadsItsPictureEveryFrameIntoTheSameSlot)
{
    ScratchFolder folder;
    WritePicture("data/art/title.png", 640, 480);
    for (int frame = 0; frame < 3; frame++) {
        Title();
        EXPECT_EQ(background.GetLastFrame(0), 0) << "one picture, slot 0, every frame";
        EXPECT_EQ(background.GetStatus(), STATUS_SCENERY);
        EXPECT_EQ(background.GetType(), TYPE_RIGHT);
    }
}

TEST_F(FrameLoop, HoldingPAlternatesPauseAndPlayAndReleasingKeepsEither)
{
    // An empty level the player can fall through for a while without dying.
    level = 1;
    levelEnd = 1000000;
    player.SetExists(true);
    player.SetPos(150, 0);
    mode = MODE_LEVEL;
    FakeClock clock;

    HoldKey(SDLK_p);
    const int expected[] = {MODE_PAUSE, MODE_LEVEL, MODE_PAUSE, MODE_LEVEL, MODE_PAUSE};
    for (int m : expected) {
        MainLoop();
        EXPECT_EQ(mode, m);
    }
    ReleaseKey(SDLK_p);
    for (int frame = 0; frame < 3; frame++) {
        MainLoop();
        EXPECT_EQ(mode, MODE_PAUSE) << "stays paused once p is up";
    }
    HoldKey(SDLK_p);
    MainLoop();
    ReleaseKey(SDLK_p);
    MainLoop();
    EXPECT_EQ(mode, MODE_LEVEL) << "stays in play once p is up";
}

struct IntroCase
{
    int level;
    int modeAfter;
    int levelAfter;
    int levelEndAfter;
};

TEST_F(FrameLoop, IntroBuildsTheCurrentLevelOrShowsTheEndScreen)
{
    ScratchFolder folder;  // no pictures: the builds report them and go on
    const IntroCase cases[] = {
        {1, MODE_LEVEL, 1, 9700},
        {2, MODE_LEVEL, 2, 15670},
        {3, MODE_LEVEL, 3, 11143},
        {4, MODE_TITLE, 0, -1},   // the end screen; Enter is held, so it leaves at once
        {5, MODE_INTRO, 5, -1},   // nothing to do
    };
    for (const IntroCase& c : cases) {
        ResetGame();
        levelEnd = -1;
        level = c.level;
        mode = MODE_INTRO;
        HoldKey(SDLK_RETURN);
        FakeClock clock;
        ::testing::internal::CaptureStderr();
        Intro();
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(mode, c.modeAfter) << "level " << c.level;
        EXPECT_EQ(level, c.levelAfter) << "level " << c.level;
        EXPECT_EQ(levelEnd, c.levelEndAfter) << "level " << c.level;
    }
}

}  // namespace
