// The level loaders with the shipped art: what each level holds, the card and its minimum time.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "fixtures.h"
#include "globals.h"
#include "keys.h"
#include "levels/levels.h"

namespace {

int PictureWidth(const char* path)
{
    SDL_Surface* picture = IMG_Load(path);
    EXPECT_NE(picture, nullptr) << path;
    int w = picture ? picture->w : -1;
    SDL_FreeSurface(picture);
    return w;
}

int PictureHeight(const char* path)
{
    SDL_Surface* picture = IMG_Load(path);
    int h = picture ? picture->h : -1;
    SDL_FreeSurface(picture);
    return h;
}

struct Platform
{
    int entry, x, y;
    const char* image;
};

// A run of shellers on one platform, entries first..last.
struct Run
{
    int platform, first, last;
    bool line;  // packed from two widths in, else spread or at the left edge
};

struct LevelCase
{
    int number;
    void (*load)();
    int entries;
    int end;
    unsigned cardTime;
    const char* card;
    Platform firstPlatform, lastPlatform;
    Run run;
    int playerX, playerY;  // playerY: the bottom edge, or the top edge when fixedTop
    bool fixedTop;
};

const LevelCase levels[] = {
    {1, LoadLevelOne, 136, 9700, 500, "data/art/lvl1.png",
     {0, 140, 0, "data/art/startstopper.png"}, {135, 9900, 394, "data/art/sign.png"},
     {2, 3, 12, false}, 150, 405, false},
    {2, LoadLevelTwo, 158, 15670, 2000, "data/art/lvl2.png",
     {0, 211, 234, "data/art/lvl2_g1.png"}, {157, 15900, 326, "data/art/sign.png"},
     {49, 50, 99, true}, 250, 211, false},
    {3, LoadLevelThree, 68, 11143, 2000, "data/art/lvl3.png",
     {0, 150, 0, "data/art/startstopper.png"}, {67, 11198, 380, "data/art/lvl3_g4.png"},
     {26, 27, 66, true}, 265, -320, true},
};

class Loaders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetGame();
        ReleaseAllKeys();
        srand(99);
    }
    void TearDown() override { ResetGame(); }

    // Loads a level as Intro would, on the fake clock; returns what it printed.
    std::string Load(const LevelCase& c)
    {
        level = c.number;
        ::testing::internal::CaptureStderr();
        c.load();
        return ::testing::internal::GetCapturedStderr();
    }
};

TEST_F(Loaders, EachLevelHoldsItsLayoutPlayerAndEnd)
{
    for (const LevelCase& c : levels) {
        SCOPED_TRACE("level " + std::to_string(c.number));
        FakeClock clock;
        location = 1234;
        EXPECT_EQ(Load(c), "");
        EXPECT_EQ(numObjects, c.entries);
        EXPECT_EQ(levelEnd, c.end);
        EXPECT_EQ(location, 0);

        for (const Platform& p : {c.firstPlatform, c.lastPlatform}) {
            const zve_Object& o = object[p.entry];
            EXPECT_EQ(o.GetStatus(), STATUS_PLATFORM) << p.image;
            EXPECT_EQ(o.GetX(), p.x) << p.image;
            EXPECT_EQ(o.GetY(), p.y) << p.image;
            EXPECT_EQ(o.GetWidth(), PictureWidth(p.image)) << p.image;
        }

        const zve_Object& base = object[c.run.platform];
        EXPECT_EQ(base.GetStatus(), STATUS_PLATFORM);
        for (int i = c.run.first; i <= c.run.last; i++) {
            const zve_Object& s = object[i];
            int k = i - c.run.platform;
            ASSERT_EQ(s.GetStatus(), STATUS_ENEMY) << "entry " << i;
            EXPECT_EQ(s.GetMovementType(), MOVE_PATROL);
            EXPECT_EQ(s.GetY() + s.GetHeight(), base.GetY()) << "standing on its platform, entry " << i;
            if (c.run.line) {
                EXPECT_EQ(s.GetX(), base.GetX() + s.GetWidth() * (k + 1)) << "entry " << i;
            }
        }
        EXPECT_NE(object[c.run.last + 1].GetStatus(), STATUS_ENEMY) << "the run ends where the table says";

        EXPECT_TRUE(player.GetExists());
        EXPECT_EQ(player.GetType(), TYPE_RIGHT);
        EXPECT_EQ(player.GetSpeed(), 10);
        EXPECT_EQ(player.GetStatus(), STATUS_SCENERY);
        EXPECT_EQ(player.GetLastFrame(TYPE_RIGHT), 1);
        EXPECT_EQ(player.GetLastFrame(TYPE_LEFT), 1);
        EXPECT_EQ(player.GetX(), c.playerX);
        if (c.fixedTop)
            EXPECT_EQ(player.GetY(), c.playerY);
        else
            EXPECT_EQ(player.GetY() + PictureHeight("data/art/zarvell-right_all-1.png"), c.playerY);

        if (c.number == 3) {
            EXPECT_TRUE(kiwis.GetExists());
            EXPECT_EQ(kiwis.GetX(), 11400);
            EXPECT_EQ(kiwis.GetY(), 0);
            EXPECT_EQ(kiwis.GetLastFrame(0), 2);
            EXPECT_EQ(kiwis.GetSpeed(), 10);
            EXPECT_EQ(kiwis.GetType(), TYPE_RIGHT);
        }
    }
}

TEST_F(Loaders, LevelOneAndTwoLeaveTheKiwisAlone)
{
    FakeClock clock;
    Load(levels[2]);
    Load(levels[0]);
    EXPECT_TRUE(kiwis.GetExists());
    EXPECT_EQ(kiwis.GetX(), 11400);
}

TEST_F(Loaders, AShorterLevelLeavesTheRestOfTheTableEmptyAndNothingFalling)
{
    struct Case { int after, next; } cases[] = {{1, 0}, {1, 2}};  // level two, then one or three
    for (const Case& c : cases) {
        FakeClock clock;
        Load(levels[c.after]);
        int before = numObjects;
        for (int i = 0; i < before; i++)
            object[i].airborne = true;  // as if every entry had been in mid-air
        Load(levels[c.next]);
        for (int i = numObjects; i < before; i++)
            EXPECT_FALSE(object[i].GetExists()) << "entry " << i << " after level " << levels[c.next].number;
        for (int i = 0; i < before; i++)
            EXPECT_FALSE(object[i].airborne) << "entry " << i;
    }
}

TEST_F(Loaders, LevelThreesLinesTakeTheWiderSlowRange)
{
    int lowestLine = 100, lowestOther = 100;
    for (unsigned seed = 1; seed <= 30; seed++) {
        srand(seed);
        FakeClock clock;
        Load(levels[2]);
        for (int i = 0; i < numObjects; i++) {
            if (object[i].GetStatus() != STATUS_ENEMY)
                continue;
            int speed = object[i].GetMoveSpeed();
            EXPECT_LE(speed, 18);
            if (i >= 27 && i <= 66)
                lowestLine = std::min(lowestLine, speed);
            else
                lowestOther = std::min(lowestOther, speed);
        }
    }
    EXPECT_EQ(lowestLine, 3);
    EXPECT_EQ(lowestOther, 5);
}

TEST_F(Loaders, TheCardShowsForItsMinimumTimeCountedFromTheStart)
{
    struct Case { Uint32 start; Uint32 build; } cases[] = {
        {1000, 0}, {1000, 300}, {0xFFFFFF00u, 0},  // the last wraps the tick counter
    };
    for (const LevelCase& l : levels) {
        for (const Case& c : cases) {
            FakeClock clock(c.start);
            clock.JumpAfterReading(1, c.build);  // the build itself takes this long
            Load(l);
            EXPECT_EQ(clock.Now() - c.start, l.cardTime) << "level " << l.number << " from " << c.start;
            EXPECT_EQ(clock.Delays().size(), l.cardTime - c.build) << "1 ms sleeps";
        }
        FakeClock slow(5000);
        slow.JumpAfterReading(1, l.cardTime + 700);  // a slow build: no wait after it
        Load(l);
        EXPECT_TRUE(slow.Delays().empty()) << "level " << l.number;
    }
}

TEST_F(Loaders, TheCardIsWhatTheScreenShowsWhileTheLevelIsBuilt)
{
    for (const LevelCase& l : levels) {
        FakeClock clock;
        ClearScreen();
        Load(l);
        SDL_Surface* card = IMG_Load(l.card);
        ASSERT_NE(card, nullptr);
        SDL_Surface* shown = SDL_DisplayFormat(card);
        for (int y : {40, 240, 440}) {
            for (int x : {60, 320, 600}) {
                Uint8 r, g, b, cr, cg, cb;
                ScreenPixel(x, y, r, g, b);
                Uint32 pixel = 0;
                memcpy(&pixel, (Uint8*)shown->pixels + y * shown->pitch + x * 3, 3);
                SDL_GetRGB(pixel, shown->format, &cr, &cg, &cb);
                EXPECT_EQ(r, cr) << l.card << " at " << x << "," << y;
                EXPECT_EQ(g, cg);
                EXPECT_EQ(b, cb);
            }
        }
        SDL_FreeSurface(shown);
        SDL_FreeSurface(card);
    }
}

}  // namespace
