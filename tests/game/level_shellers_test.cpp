// Level play, the shellers: patrols and turns, falling and landing, stomps, deaths, and the active range.
#include "level_fixture.h"

namespace {

const int RIGHT = SDLK_RIGHT;

class Shellers : public LevelPlay
{
protected:
    void SetUp() override
    {
        LevelPlay::SetUp();
        PutPlatform(0, 400, "ground.png");  // where the player stands, out of the shellers' way
        PutPlayer(350);
    }
};

struct PatrolRow
{
    int frame;
    int x;
    int type;
};

TEST_F(Shellers, PatrolTurnsAtBothEndsOfThePlatform)
{
    PutPlatform(300, 300, "ledge.png");  // 300 .. 500
    int s = PutSheller(400, 260, TYPE_RIGHT, 4);
    const PatrolRow rows[] = {
        {1, 404, TYPE_RIGHT},
        {17, 468, TYPE_RIGHT},   // right edge at 500: not past the end yet
        {18, 472, TYPE_LEFT},    // 504 > 500: turns
        {19, 468, TYPE_LEFT},
        {60, 304, TYPE_LEFT},
        {61, 300, TYPE_LEFT},    // on the left end: not past it
        {62, 296, TYPE_RIGHT},   // past it: turns back
        {63, 300, TYPE_RIGHT},
    };
    int done = 0;
    for (const PatrolRow& row : rows) {
        while (done < row.frame) {
            Frame({});
            done++;
        }
        EXPECT_EQ(object[s].GetX(), row.x) << "frame " << row.frame;
        EXPECT_EQ(object[s].GetType(), row.type) << "frame " << row.frame;
        EXPECT_EQ(object[s].GetY(), 260) << "stays on its platform";
    }
    EXPECT_FALSE(Restarted());
}

struct FallRow
{
    int frame;
    int y;
    bool airborne;
};

TEST_F(Shellers, FallAndLandOnAPlatform)
{
    PutPlatform(300, 300, "ledge.png");
    int s = PutSheller(400, 100, TYPE_RIGHT, 0);
    const FallRow rows[] = {
        {1, 108, true},
        {20, 260, true},   // feet reach the top at the next test
        {21, 260, false},  // standing, bottom edge on the top
        {25, 260, false},
    };
    int done = 0;
    for (const FallRow& row : rows) {
        while (done < row.frame) {
            Frame({});
            done++;
        }
        EXPECT_EQ(object[s].GetY(), row.y) << "frame " << row.frame;
        EXPECT_EQ(object[s].airborne, row.airborne) << "frame " << row.frame;
    }
}

struct ContactCase
{
    const char* what;
    int playerBottom;  // the player's y + height during the contact
    int shellerType;
    bool harmless;     // c held
    int typeAfter;
    bool restarted;
};

TEST_F(Shellers, ContactStompsFromAboveTheLineAndKillsOtherwise)
{
    const ContactCase cases[] = {
        {"bottom at 313: stomp", 313, TYPE_RIGHT, false, TYPE_DEAD, false},
        {"bottom at 314: death", 314, TYPE_RIGHT, false, TYPE_RIGHT, true},
        {"walking left, deep contact: death", 340, TYPE_LEFT, false, TYPE_LEFT, true},
        {"c held: harmless", 314, TYPE_RIGHT, true, TYPE_RIGHT, false},
        {"c held, still stomps from above", 313, TYPE_LEFT, true, TYPE_DEAD, false},
        {"dead sheller: harmless", 330, TYPE_DEAD, false, TYPE_DEAD, false},
    };
    for (const ContactCase& c : cases) {
        ResetGame();
        levelEnd = NO_END;
        PutPlayer(c.playerBottom - PLAYER_H);
        int s = PutSheller(150, 300, c.shellerType, 0);  // 40 high: the line is at 314
        if (c.harmless)
            Frame({SDLK_c});
        else
            Frame({});
        EXPECT_EQ(Restarted(), c.restarted) << c.what;
        if (!c.restarted) {
            EXPECT_EQ(object[s].GetType(), c.typeAfter) << c.what;
        }
    }
}

TEST_F(Shellers, ADeadShellerStaysPutAndScrollsWithTheLevel)
{
    PutPlatform(300, 300, "ledge.png");
    int s = PutSheller(400, 260, TYPE_DEAD, 6);  // stood 40 high; dead it is 12 high
    const int yAfter[] = {268, 276, 284, 292, 288, 288};  // drops onto the platform
    for (int y : yAfter) {
        Frame({});
        EXPECT_EQ(object[s].GetY(), y);
    }
    EXPECT_EQ(object[s].GetY(), 300 - DEAD_H) << "its flat picture rests on the platform";
    EXPECT_EQ(object[s].GetX(), 400) << "no walking";
    Frame({RIGHT});
    EXPECT_EQ(object[s].GetX(), 391);
    EXPECT_EQ(object[s].GetType(), TYPE_DEAD);
}

TEST_F(Shellers, HoldingCDoesNotSaveAFall)
{
    ResetGame();
    levelEnd = NO_END;
    PutPlayer(475);
    Frame({SDLK_c});
    EXPECT_TRUE(Restarted());
}

struct RangeCase
{
    int x;
    bool active;   // walks and meets platforms
    bool drawn;
};

TEST_F(Shellers, OnlyEntriesFromJustRightOfMinus5000To639AreProcessedAndDrawn)
{
    const RangeCase cases[] = {
        {639, true, true}, {640, false, false}, {-5000, false, false}, {-4999, true, true},
    };
    for (const RangeCase& c : cases) {
        int platform = PutPlatform(c.x, 100, "ledge.png");
        int walker = PutSheller(c.x, 0, TYPE_RIGHT, 0);  // still, so the draw test sees x unchanged
        int runner = PutSheller(c.x, 200, TYPE_RIGHT, 3);
        object[runner].airborne = true;  // already falling: falls even when inactive
        Frame({});
        EXPECT_EQ(object[platform].GetCount() > 0, c.drawn) << "platform at " << c.x;
        EXPECT_EQ(object[walker].GetCount() > 0, c.drawn) << "sheller at " << c.x;
        EXPECT_EQ(object[walker].airborne, c.active) << "the object pass marks only active shellers";
        EXPECT_EQ(object[runner].GetX(), c.active ? c.x + 3 : c.x) << "walks only when active, x " << c.x;
        EXPECT_EQ(object[runner].GetY(), 208) << "falls either way, x " << c.x;
        Frame({RIGHT});
        EXPECT_EQ(object[platform].GetX(), c.x - 9) << "scrolls either way";
    }
}

}  // namespace
