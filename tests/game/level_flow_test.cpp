// Level play and the game's course: completion, pause, music off, restarts, and late frames.
#include "level_fixture.h"

#include <algorithm>

#include "game/zarvell2.h"

namespace {

const int RIGHT = SDLK_RIGHT;

struct EndCase
{
    const char* what;
    std::vector<int> keys;
    int playerY;       // 475 falls below the screen in this frame
    int modeAfter;
    int levelAfter;
    int locationAfter;
};

TEST_F(LevelPlay, ReachingTheEndDistanceMovesOnUnlessTheSameFrameKills)
{
    const EndCase cases[] = {
        {"walks in", {RIGHT}, 350, MODE_INTRO, 2, 90},
        {"p in the same frame", {RIGHT, SDLK_p}, 350, MODE_INTRO, 2, 90},
        {"one step short", {}, 350, MODE_LEVEL, 1, 81},
        {"fatal fall in the same frame", {RIGHT}, 475, MODE_LEVEL, 1, 0},
    };
    for (const EndCase& c : cases) {
        ResetGame();
        mode = MODE_LEVEL;
        levelEnd = NO_END;
        PutPlatform(0, 400, "ground.png");
        PutPlayer(350);
        Frame({});
        player.SetPos(150, c.playerY);
        location = 81;
        levelEnd = 90;
        Frame(c.keys);
        EXPECT_EQ(mode, c.modeAfter) << c.what;
        EXPECT_EQ(level, c.levelAfter) << c.what;
        EXPECT_EQ(location, c.locationAfter) << c.what;
    }
}

TEST_F(LevelPlay, PPausesAndMTurnsTheMusicOff)
{
    PutPlatform(0, 400, "ground.png");
    PutPlayer(350);
    playMusic = true;
    Frame({SDLK_m});
    EXPECT_FALSE(playMusic);
    EXPECT_EQ(mode, MODE_LEVEL);
    Frame({SDLK_p});
    EXPECT_EQ(mode, MODE_PAUSE);
}

TEST_F(LevelPlay, ARestartRebuildsTheLevelAndKeepsTheJump)
{
    PutPlatform(0, 400, "ground.png");
    PutPlayer(350);
    Frame({});
    Frame({SDLK_UP});
    Frame({SDLK_UP});
    ASSERT_TRUE(jumping);
    PutSheller(150, 300, TYPE_LEFT, 0);  // deep in the rising player: a fatal contact
    Frame({SDLK_UP});
    EXPECT_TRUE(Restarted());
    EXPECT_EQ(levelEnd, 9700);
    EXPECT_EQ(location, 0);
    EXPECT_TRUE(jumping) << "the jump goes on after a restart";
    // 24 when the contact came; the card's wait made the frame late, and the
    // nested frame that followed rose once more.
    EXPECT_EQ(jumpingHeight, 32);
    EXPECT_EQ(mode, MODE_LEVEL);
    EXPECT_EQ(level, 1);
}

TEST_F(LevelPlay, ALateFrameShowsANestedFrameAndCarriesOn)
{
    int ground = PutPlatform(0, 400, "ground.png");
    PutPlayer(350);
    Frame({});
    HoldOnly({RIGHT});
    startTime = clock.Now() - 31;  // already past the object pass's 30 ms
    Level();
    EXPECT_EQ(location, 18) << "the nested frame scrolled once, the late one once more";
    EXPECT_EQ(object[ground].GetX(), -18);
    EXPECT_EQ(nestedFrames, 0);
    EXPECT_GE(clock.Delays().size(), 2u) << "the nested frame waited out its own 20 ms";
}

TEST_F(LevelPlay, AFrameThatIsAlwaysLateStillEnds)
{
    for (int x = 0; x < 600; x += 100)
        PutPlatform(x, 400, "ledge.png");
    PutPlayer(350);
    int deepest = 0;
    clock.OnDelay([&deepest] { deepest = std::max(deepest, nestedFrames); });
    clock.AdvanceOnRead(31);  // every look at the clock finds the frame late
    HoldOnly({RIGHT});
    startTime = clock.Now();
    Level();
    EXPECT_EQ(deepest, MAX_NESTED_FRAMES) << "nests down to the bound and no further";
    EXPECT_EQ(nestedFrames, 0);
    EXPECT_GT(location, 9);
}

}  // namespace
