// The game object: reset, frame loading, animation timing and drawing with the colour key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/zve_object.h"
#include "fixtures.h"
#include "globals.h"

namespace {

// A picture whose left half is the key colour (255, 0, 128) and right half green.
void WriteKeyedPicture(const std::string& file, int w, int h)
{
    WritePicture(file, w, h, 0, 200, 0);
    SDL_Surface* picture = SDL_LoadBMP(file.c_str());
    ASSERT_NE(picture, nullptr);
    SDL_Rect left = {0, 0, (Uint16)(w / 2), (Uint16)h};
    SDL_FillRect(picture, &left, SDL_MapRGB(picture->format, 255, 0, 128));
    SDL_SaveBMP(picture, file.c_str());
    SDL_FreeSurface(picture);
}

class GameObject : public ::testing::Test
{
protected:
    ScratchFolder folder;
    TestObject o;

    void SetUp() override
    {
        WritePicture("a.png", 10, 20);
        WritePicture("b.png", 30, 40);
        WritePicture("c.png", 50, 60);
    }
};

TEST_F(GameObject, NewObjectIsHiddenAndInItsDefaultState)
{
    EXPECT_FALSE(o.GetExists());
    EXPECT_EQ(o.GetStatus(), STATUS_SCENERY);
    EXPECT_EQ(o.GetType(), TYPE_NONE);
    EXPECT_EQ(o.GetMovementType(), MOVE_NONE);
    EXPECT_EQ(o.GetSpeed(), 20);
    EXPECT_EQ(o.GetVisibility(), 255);
    EXPECT_EQ(o.GetX(), 0);
    EXPECT_EQ(o.GetY(), 0);
    EXPECT_EQ(o.GetCount(), 0);
    EXPECT_FALSE(o.airborne);
    EXPECT_EQ(o.GetMoveSpeed(), 0);
    for (int set = 0; set < ZVE_SETS; set++) {
        EXPECT_EQ(o.GetCurrentFrame(set), 0) << set;
        EXPECT_EQ(o.GetLastFrame(set), -1) << set;
        for (int slot = 0; slot < ZVE_FRAMES_PER_SET; slot++)
            EXPECT_EQ(o.GetFrame(set, slot), nullptr);
    }
}

TEST_F(GameObject, SetExistsResetsButKeepsPicturesUntilReloaded)
{
    o.SetExists(true);
    for (int i = 0; i < 5; i++)
        ASSERT_EQ(o.LoadFrame(0, "a.png"), 1);
    o.SetType(TYPE_LEFT);
    o.SetPos(5, 7);
    o.SetMoveSpeed(6);
    SDL_Surface* oldSlot0 = o.GetFrame(0, 0);
    SDL_Surface* oldSlot1 = o.GetFrame(0, 1);

    o.SetExists(true);

    EXPECT_TRUE(o.GetExists());
    EXPECT_EQ(o.GetType(), TYPE_NONE);
    EXPECT_EQ(o.GetX(), 0);
    EXPECT_EQ(o.GetY(), 0);
    EXPECT_EQ(o.GetLastFrame(0), -1);
    EXPECT_EQ(o.GetMoveSpeed(), 6) << "the reset leaves the move speed alone";
    EXPECT_EQ(o.GetFrame(0, 0), oldSlot0) << "pictures stay loaded";

    ASSERT_EQ(o.LoadFrame(0, "b.png"), 1);
    o.SetType(TYPE_RIGHT);
    EXPECT_EQ(o.GetWidth(), 30) << "slot 0 now holds the new picture";
    EXPECT_EQ(o.GetFrame(0, 1), oldSlot1) << "slot 1 is untouched";

    o.SetExists(false);
    EXPECT_FALSE(o.GetExists());
    EXPECT_EQ(o.GetType(), TYPE_NONE);
}

TEST_F(GameObject, FiveFramesFitInASetAndTheSixthIsRefusedSilently)
{
    const char* files[] = {"a.png", "b.png", "c.png", "a.png", "b.png"};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(o.LoadFrame(3, files[i]), 1) << i;
        EXPECT_EQ(o.GetLastFrame(3), i);
        EXPECT_NE(o.GetFrame(3, i), nullptr);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(o.LoadFrame(3, "c.png"), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(o.GetLastFrame(3), 4);
}

TEST_F(GameObject, UnreadablePictureIsReportedAndStillCountsAsAFrame)
{
    WriteText("not-a-picture.png", "hello");
    struct Case { const char* path; } cases[] = {{"missing.png"}, {"not-a-picture.png"}, {"data//art/none.png"}};
    for (const Case& c : cases) {
        int before = o.GetLastFrame(2);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(o.LoadFrame(2, c.path), 0);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  std::string("Image not found, it's going to crash! ( fix ") + c.path + ")\n");
        EXPECT_EQ(o.GetLastFrame(2), before + 1);
        EXPECT_EQ(o.GetFrame(2, before + 1), nullptr);
    }
}

TEST_F(GameObject, SetNumbersOutsideTheTableTouchNothing)
{
    for (int set : {-1, 20, 1000}) {
        EXPECT_EQ(o.LoadFrame(set, "a.png"), 0) << set;
        o.SetExists(true);
        o.SetType(set);
        o.Draw();
        EXPECT_EQ(o.GetWidth(), 0);
        EXPECT_EQ(o.GetHeight(), 0);
        EXPECT_EQ(o.GetCount(), 0) << "no animation step for a set that does not exist";
    }
}

TEST_F(GameObject, EmptySlotsMeasureZeroAndDrawNothing)
{
    o.SetExists(true);
    EXPECT_EQ(o.GetWidth(), 0) << "TYPE_NONE";
    o.SetType(TYPE_LEFT);
    EXPECT_EQ(o.GetWidth(), 0) << "nothing loaded";
    o.LoadFrame(TYPE_LEFT, "missing.png");
    EXPECT_EQ(o.GetHeight(), 0) << "failed load";
    ClearScreen();
    o.Draw();
    Uint8 r, g, b;
    ScreenPixel(0, 0, r, g, b);
    EXPECT_EQ(r + g + b, 0);
}

// Draw number -> frame shown, for a two-frame set with delay 2 after a reset.
TEST_F(GameObject, AnimationStepsAfterTheDelay)
{
    o.SetExists(true);
    o.LoadFrame(0, "a.png");
    o.LoadFrame(0, "b.png");
    o.SetType(TYPE_RIGHT);
    o.SetSpeed(2);
    const int expected[] = {0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1};
    for (int draw = 0; draw < 11; draw++) {
        o.Draw();
        EXPECT_EQ(o.GetCurrentFrame(TYPE_RIGHT), expected[draw]) << "draw " << draw + 1;
        EXPECT_EQ(o.GetWidth(), expected[draw] == 0 ? 10 : 30) << "the size follows the frame";
    }
}

TEST_F(GameObject, EachSetKeepsItsFrameAcrossTypeSwitchesAndTheCountCarriesOver)
{
    o.SetExists(true);
    o.LoadFrame(0, "a.png");
    o.LoadFrame(0, "b.png");
    o.LoadFrame(1, "a.png");
    o.LoadFrame(1, "c.png");
    o.SetType(TYPE_RIGHT);
    o.SetSpeed(0);  // every draw steps
    o.Draw();
    EXPECT_EQ(o.GetCurrentFrame(0), 1);
    o.SetType(TYPE_LEFT);
    EXPECT_EQ(o.GetCurrentFrame(1), 0);
    EXPECT_EQ(o.GetWidth(), 10);
    o.Draw();
    EXPECT_EQ(o.GetCurrentFrame(1), 1);
    o.SetType(TYPE_RIGHT);
    EXPECT_EQ(o.GetCurrentFrame(0), 1) << "set 0 resumes where it was";
    EXPECT_EQ(o.GetWidth(), 30);

    o.SetSpeed(10);
    o.Draw();
    o.Draw();
    EXPECT_EQ(o.GetCount(), 2);
    o.SetType(TYPE_LEFT);
    o.Draw();
    EXPECT_EQ(o.GetCount(), 3) << "one counter for all sets";
}

TEST_F(GameObject, LoweringTheDelayBelowTheCountStepsAtOnce)
{
    o.SetExists(true);
    o.LoadFrame(0, "a.png");
    o.LoadFrame(0, "b.png");
    o.SetType(TYPE_RIGHT);
    o.SetSpeed(10000000);
    for (int i = 0; i < 8; i++)
        o.Draw();
    EXPECT_EQ(o.GetCurrentFrame(0), 0);
    EXPECT_EQ(o.GetCount(), 8);
    o.SetSpeed(5);
    o.Draw();
    EXPECT_EQ(o.GetCurrentFrame(0), 1);
    EXPECT_EQ(o.GetCount(), 0);
}

TEST_F(GameObject, HiddenOrTypelessObjectsAreNotDrawnAndDoNotAnimate)
{
    WritePicture("white.png", 20, 20, 255, 255, 255);
    o.SetExists(true);
    o.LoadFrame(0, "white.png");
    o.SetPos(100, 100);

    struct Case { bool exists; int type; } cases[] = {{true, TYPE_NONE}, {false, TYPE_RIGHT}};
    for (const Case& c : cases) {
        o.SetExists(c.exists);
        o.SetPos(100, 100);
        o.SetType(c.type);
        ClearScreen();
        o.Draw();
        Uint8 r, g, b;
        ScreenPixel(105, 105, r, g, b);
        EXPECT_EQ(r, 0);
        EXPECT_EQ(o.GetCount(), 0);
    }
}

TEST_F(GameObject, KeyColourIsTransparentAndEverythingElseOpaque)
{
    WriteKeyedPicture("keyed.png", 40, 20);
    o.SetExists(true);
    ASSERT_EQ(o.LoadFrame(0, "keyed.png"), 1);
    o.SetType(TYPE_RIGHT);
    o.SetPos(200, 100);

    SDL_FillRect(zve_screen, NULL, SDL_MapRGB(zve_screen->format, 10, 20, 30));
    o.Draw();

    Uint8 r, g, b;
    ScreenPixel(205, 110, r, g, b);  // key-coloured half: the screen shows through
    EXPECT_EQ((int)r, 10);
    EXPECT_EQ((int)g, 20);
    EXPECT_EQ((int)b, 30);
    ScreenPixel(235, 110, r, g, b);  // the green half is drawn as it is
    EXPECT_EQ((int)r, 0);
    EXPECT_EQ((int)g, 200);
    EXPECT_EQ((int)b, 0);
    ScreenPixel(245, 110, r, g, b);  // outside the picture: untouched
    EXPECT_EQ((int)r, 10);
    EXPECT_EQ(o.GetColorKey(), SDL_MapRGB(o.GetFrame(0, 0)->format, 255, 0, 128));
    EXPECT_EQ(dest.x, 200);
    EXPECT_EQ(src.w, 40);
}

TEST_F(GameObject, FarAwayPositionsAreNotWrappedOntoTheScreen)
{
    WritePicture("white.png", 20, 20, 255, 255, 255);
    o.SetExists(true);
    o.LoadFrame(0, "white.png");
    o.SetType(TYPE_RIGHT);
    o.SetPos(65536 + 100, 100);  // would land at x 100 in a 16-bit rectangle
    ClearScreen();
    o.Draw();
    Uint8 r, g, b;
    ScreenPixel(105, 105, r, g, b);
    EXPECT_EQ(r, 0);
}

}  // namespace
