// Placement: platforms and shellers appended to the object table, their positions, pictures and speeds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/tools.h"
#include "fixtures.h"
#include "game/zarvell2.h"
#include "globals.h"

namespace {

// Shellers 32x30 walking right, 40x26 walking left; dead picture d is 10 + d wide.
class Placement : public ::testing::Test
{
protected:
    ScratchFolder folder;

    void SetUp() override
    {
        ResetGame();
        WritePicture("data/art/sheller-left_walking-1.png", 32, 30);
        WritePicture("data/art/sheller-right_walking-1.png", 40, 26);
        for (int d = 1; d <= 5; d++)
            WritePicture("data/art/sheller-dead-" + std::to_string(d) + ".png", 10 + d, 12);
        WritePicture("p240.png", 240, 50);
        WritePicture("p500.png", 500, 40);
        srand(2024);
    }
};

struct CountCase
{
    int count;
    int added;
};

TEST_F(Placement, AddsThePlatformThenItsShellersInOrder)
{
    const CountCase cases[] = {{0, 1}, {-3, 1}, {1, 2}, {4, 5}};
    for (const CountCase& c : cases) {
        for (auto place : {AddPlatform, AddPlatformWithLine}) {
            int before = numObjects;
            place(1000, 300, "p500.png", c.count);
            ASSERT_EQ(numObjects, before + c.added) << "count " << c.count;
            const zve_Object& platform = object[before];
            EXPECT_TRUE(platform.GetExists());
            EXPECT_EQ(platform.GetStatus(), STATUS_PLATFORM);
            EXPECT_EQ(platform.GetType(), TYPE_RIGHT);
            EXPECT_EQ(platform.GetMovementType(), MOVE_NONE);
            EXPECT_EQ(platform.GetX(), 1000);
            EXPECT_EQ(platform.GetY(), 300);
            EXPECT_EQ(platform.GetWidth(), 500);
            for (int i = before + 1; i < numObjects; i++) {
                const zve_Object& s = object[i];
                EXPECT_TRUE(s.GetExists());
                EXPECT_EQ(s.GetStatus(), STATUS_ENEMY);
                EXPECT_EQ(s.GetMovementType(), MOVE_PATROL);
                EXPECT_TRUE(s.GetType() == TYPE_RIGHT || s.GetType() == TYPE_LEFT);
                EXPECT_EQ(s.GetFrame(TYPE_RIGHT, 0)->w, 32);
                EXPECT_EQ(s.GetFrame(TYPE_LEFT, 0)->w, 40);
                ASSERT_NE(s.GetFrame(TYPE_DEAD, 0), nullptr);
                EXPECT_EQ(s.GetLastFrame(TYPE_DEAD), 0);
                EXPECT_EQ(s.GetSpeed(), 20) << "animation delay as the reset leaves it";
            }
        }
    }
}

// Places one sheller at a time and returns it, so its direction is known.
const zve_Object& PlaceUntilFacing(int type, void (*place)(int, int, const char*, int), int x,
                                   const char* file, int count)
{
    for (;;) {
        numObjects = 0;
        place(x, 405, file, count);
        if (object[1].GetType() == type)
            return object[1];
    }
}

TEST_F(Placement, SpreadsShellersApartOnlyWhileThePositionStaysBelowThePlatformWidth)
{
    // Four shellers facing right (32 wide) on a 240-wide platform at x 100:
    // c = 138.4, 176.8, 215.2, 253.6, and the last is not below 240.
    const int expected[] = {138, 176, 215, 100};
    int found = 0;
    for (int attempt = 0; attempt < 2000 && found == 0; attempt++) {
        numObjects = 0;
        AddPlatform(100, 405, "p240.png", 4);
        bool allRight = true;
        for (int k = 1; k <= 4; k++)
            allRight = allRight && object[k].GetType() == TYPE_RIGHT;
        if (!allRight)
            continue;
        found = 1;
        for (int k = 1; k <= 4; k++) {
            EXPECT_EQ(object[k].GetX(), expected[k - 1]) << "sheller " << k;
            EXPECT_EQ(object[k].GetY(), 405 - 30);
        }
    }
    ASSERT_EQ(found, 1);

    // A platform whose x is at least its width: every sheller at its left edge.
    numObjects = 0;
    AddPlatform(1000, 300, "p500.png", 6);
    for (int k = 1; k <= 6; k++)
        EXPECT_EQ(object[k].GetX(), 1000) << "sheller " << k;
}

TEST_F(Placement, PositionUsesTheSizeOfTheStartingDirectionsPicture)
{
    struct Case { int type; int width; int height; } cases[] = {{TYPE_RIGHT, 32, 30}, {TYPE_LEFT, 40, 26}};
    for (const Case& c : cases) {
        const zve_Object& s = PlaceUntilFacing(c.type, AddPlatformWithLine, 0, "p240.png", 1);
        EXPECT_EQ(s.GetX(), 2 * c.width);
        EXPECT_EQ(s.GetY(), 405 - c.height);
        const zve_Object& t = PlaceUntilFacing(c.type, AddPlatform, 0, "p240.png", 1);
        EXPECT_EQ(t.GetX(), (int)(c.width * 1.2));
    }
}

TEST_F(Placement, LinesPackShellersFromTwoWidthsInWhateverThePlatformsWidth)
{
    // Only right-facing shellers are 32 wide; place until three in a row face right.
    for (;;) {
        numObjects = 0;
        AddPlatformWithLine(6468, 398, "p240.png", 3);
        if (object[1].GetType() == TYPE_RIGHT && object[2].GetType() == TYPE_RIGHT &&
            object[3].GetType() == TYPE_RIGHT)
            break;
    }
    EXPECT_EQ(object[1].GetX(), 6532);
    EXPECT_EQ(object[2].GetX(), 6564);
    EXPECT_EQ(object[3].GetX(), 6596);
    EXPECT_EQ(object[3].GetY(), 398 - 30);

    numObjects = 0;
    AddPlatformWithLine(0, 100, "p240.png", 12);
    EXPECT_GT(object[12].GetX(), 240) << "a long line runs on past the platform's end";
}

struct SpeedCase
{
    int level;
    bool line;
    int low, high;
};

TEST_F(Placement, SpeedsComeFromTheRangesOfTheLevelAndTheOperation)
{
    const SpeedCase cases[] = {
        {1, false, 1, 8}, {1, true, 1, 8},
        {2, false, 2, 14}, {2, true, 2, 14},
        {3, false, 5, 18}, {3, true, 3, 18},
    };
    for (const SpeedCase& c : cases) {
        level = c.level;
        int lowest = 1000, highest = -1000;
        for (int batch = 0; batch < 10; batch++) {
            numObjects = 0;
            (c.line ? AddPlatformWithLine : AddPlatform)(1000, 300, "p500.png", 50);
            for (int i = 1; i < numObjects; i++) {
                lowest = std::min(lowest, object[i].GetMoveSpeed());
                highest = std::max(highest, object[i].GetMoveSpeed());
            }
        }
        EXPECT_EQ(lowest, c.low) << "level " << c.level << (c.line ? " line" : "");
        EXPECT_EQ(highest, c.high) << "level " << c.level << (c.line ? " line" : "");
    }
}

// What one sheller should take from the generator, drawn by hand in the documented order.
struct Draws
{
    int dead, type, speed;
};

Draws DrawForOneSheller(int lvl, bool line)
{
    Draws d;
    d.dead = RandomNumber(1, 5);
    d.type = RandomNumber(1, 2) == 1 ? TYPE_RIGHT : TYPE_LEFT;
    if (lvl == 1)
        d.speed = RandomNumber(1, 10) == 6 ? RandomNumber(4, 8) : RandomNumber(0, 4);
    else if (lvl == 2)
        d.speed = RandomNumber(1, 3) == 2 ? RandomNumber(4, 14) : RandomNumber(2, 9);
    else
        d.speed = RandomNumber(1, 3) == 2 ? RandomNumber(10, 18) : (line ? RandomNumber(3, 10) : RandomNumber(5, 10));
    return d;
}

TEST_F(Placement, EveryShellerTakesDeadPictureDirectionSelectorAndSpeedInThatOrder)
{
    for (int lvl = 1; lvl <= 3; lvl++) {
        for (bool line : {false, true}) {
            for (unsigned seed = 1; seed <= 40; seed++) {
                level = lvl;
                srand(seed);
                Draws want[3];
                for (Draws& d : want)
                    d = DrawForOneSheller(lvl, line);
                int nextAfter = rand();

                srand(seed);
                numObjects = 0;
                (line ? AddPlatformWithLine : AddPlatform)(1000, 300, "p500.png", 3);
                for (int k = 0; k < 3; k++) {
                    const zve_Object& s = object[k + 1];
                    EXPECT_EQ(s.GetFrame(TYPE_DEAD, 0)->w, 10 + want[k].dead) << "seed " << seed;
                    EXPECT_EQ(s.GetType(), want[k].type) << "seed " << seed;
                    EXPECT_EQ(s.GetMoveSpeed(), want[k].speed) << "seed " << seed;
                }
                EXPECT_EQ(rand(), nextAfter) << "no other draws; level " << lvl << " seed " << seed;
            }
        }
    }
}

TEST_F(Placement, MissingPicturesGiveZeroSizesAndNoCrash)
{
    ScratchFolder empty;
    ::testing::internal::CaptureStderr();
    AddPlatform(100, 400, "data/art/none.png", 2);
    AddPlatformWithLine(100, 400, "data/art/none.png", 2);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("( fix data/art/none.png)"), std::string::npos);
    EXPECT_NE(err.find("( fix data//art/sheller-right_walking-1.png)"), std::string::npos);
    EXPECT_EQ(numObjects, 6);
    EXPECT_EQ(object[1].GetWidth(), 0);
    EXPECT_EQ(object[1].GetY(), 400);
    EXPECT_EQ(object[4].GetX(), 100) << "a line of zero-wide shellers starts at the platform";
}

TEST_F(Placement, AFullTableRefusesFurtherObjectsWithAMessage)
{
    numObjects = MAX_OBJECTS - 2;
    ::testing::internal::CaptureStderr();
    AddPlatform(1000, 300, "p500.png", 5);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(numObjects, MAX_OBJECTS);
    EXPECT_EQ(object[MAX_OBJECTS - 2].GetStatus(), STATUS_PLATFORM);
    EXPECT_EQ(object[MAX_OBJECTS - 1].GetStatus(), STATUS_ENEMY);
    EXPECT_NE(err.find("Object table full"), std::string::npos) << err;

    ::testing::internal::CaptureStderr();
    AddPlatformWithLine(1000, 300, "p500.png", 1);
    err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(numObjects, MAX_OBJECTS);
    EXPECT_NE(err.find("p500.png not placed"), std::string::npos) << err;
}

}  // namespace
