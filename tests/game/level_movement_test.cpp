// Level play, the player: jumping, falling, landing, walking, and what blocks a walk.
#include "level_fixture.h"

namespace {

const int UP = SDLK_UP, DOWN = SDLK_DOWN, RIGHT = SDLK_RIGHT, LEFT = SDLK_LEFT;

class PlayerMoves : public LevelPlay
{
protected:
    void Run(const std::vector<PlayerRow>& rows) { RunPlayerTable(rows); }
};

TEST_F(PlayerMoves, AJumpRises19TimesThenFallsBackOntoItsPlatform)
{
    PutPlatform(0, 400, "ground.png");
    PutPlayer(350);
    Run({
        {1, {}, 350, false, false, 0},        // lands where it stands
        {2, {UP}, 342, true, false, 8},
        {3, {UP}, 334, true, false, 16},
        {20, {UP}, 198, true, false, 152},    // the 19th rise
        {21, {UP}, 206, false, true, 0},      // risen more than 149: falls in the same frame
        {22, {UP}, 214, false, true, 0},      // up while falling starts nothing
        {39, {UP}, 350, false, true, 0},
        {40, {UP}, 350, false, false, 0},     // feet back on the ground
        {41, {UP}, 342, true, false, 8},      // and off again
    });
}

TEST_F(PlayerMoves, DownCutsAJumpShort)
{
    PutPlatform(0, 400, "ground.png");
    PutPlayer(350);
    Run({
        {1, {}, 350, false, false, 0},
        {2, {UP}, 342, true, false, 8},
        {3, {UP}, 334, true, false, 16},
        {4, {UP, DOWN}, 342, false, true, 0},  // ends the jump and falls at once
        {5, {}, 350, false, true, 0},
        {6, {}, 350, false, false, 0},
        {7, {UP, DOWN}, 350, false, false, 0},  // from standing: starts and ends, back on the ground
        {8, {DOWN}, 350, false, false, 0},      // down alone does nothing
    });
}

TEST_F(PlayerMoves, AFallEndsWithTheFeetExactlyOnTheTop)
{
    PutPlatform(0, 400, "ground.png");
    PutPlayer(103);
    Run({
        {1, {}, 111, false, true, 0},
        {31, {}, 351, false, true, 0},   // feet 1 px into the ground at the next test
        {32, {}, 350, false, false, 0},  // set on the top
        {33, {}, 350, false, false, 0},
        {50, {}, 350, false, false, 0},
    });
}

TEST_F(PlayerMoves, WalkingOffAnEdgeFalls)
{
    PutPlatform(0, 400, "ledge.png");  // 200 wide: its right end 50 px right of the player
    PutPlayer(350);
    Run({
        {1, {}, 350, false, false, 0},
        {7, {RIGHT}, 350, false, false, 0},   // its right end at 155 when tested: under the feet
        {8, {RIGHT}, 358, false, true, 0},    // at 146: gone
        {9, {RIGHT}, 366, false, true, 0},
    });
    EXPECT_EQ(location, 72);
}

struct WalkCase
{
    const char* what;
    std::vector<int> keys;
    int type;
    int scroll;  // how far the world moved left
};

TEST_F(PlayerMoves, ArrowsTurnThePlayerAndScrollTheWorld)
{
    const WalkCase cases[] = {
        {"right", {RIGHT}, TYPE_RIGHT, 9},
        {"left", {LEFT}, TYPE_LEFT, -9},
        {"both: left wins", {LEFT, RIGHT}, TYPE_LEFT, -9},
        {"none", {}, TYPE_RIGHT, 0},
    };
    for (const WalkCase& c : cases) {
        ResetGame();
        levelEnd = NO_END;
        int ground = PutPlatform(0, 400, "ground.png");
        PutPlayer(350);
        Frame({});
        Frame(c.keys);
        EXPECT_EQ(player.GetType(), c.type) << c.what;
        EXPECT_EQ(location, c.scroll) << c.what;
        EXPECT_EQ(object[ground].GetX(), -c.scroll) << c.what;
        EXPECT_EQ(player.GetX(), 150) << "the player never moves sideways";
    }
}

TEST_F(PlayerMoves, AnArrowAgainstAWallAnimatesButDoesNotScroll)
{
    PutPlatform(0, 400, "ground.png");
    int wall = PutPlatform(185, 150, "wall.png");  // touches the strip right of the player
    PutPlayer(350);
    for (int i = 0; i < 6; i++)
        Frame({});  // standing: the picture holds while the counter runs on
    EXPECT_EQ(player.GetCurrentFrame(TYPE_RIGHT), 0);

    // Walking frame -> picture shown: the first steps at once, then every sixth.
    const int shown[] = {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int frame = 0; frame < 13; frame++) {
        Frame({RIGHT});
        EXPECT_EQ(player.GetCurrentFrame(TYPE_RIGHT), shown[frame]) << "walking frame " << frame + 1;
    }
    EXPECT_EQ(location, 0);
    EXPECT_EQ(object[wall].GetX(), 185);
}

struct StepCase
{
    int key;
    int x;       // the block's x: right of the player, or under its left edge
    int rise;    // how far the block's top lies above the player's feet
    bool blocks;
};

TEST_F(PlayerMoves, StepsBlockWalkingRightFrom10PxAndLeftFrom20Px)
{
    const StepCase cases[] = {
        {RIGHT, 181, 9, false}, {RIGHT, 181, 10, true},
        {LEFT, 50, 19, false}, {LEFT, 50, 20, true},
    };
    for (const StepCase& c : cases) {
        ResetGame();
        levelEnd = NO_END;
        PutPlatform(0, 400, "ground.png");  // first in the table: the player stands on it
        PutPlatform(c.x, 400 - c.rise, "block.png");
        PutPlayer(350);
        Frame({});
        Frame({c.key});
        EXPECT_EQ(location != 0, !c.blocks) << (c.key == RIGHT ? "right" : "left") << ", rise " << c.rise;
    }
}

}  // namespace
