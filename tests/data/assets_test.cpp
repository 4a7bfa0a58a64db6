// The art and music the game ships: every file it opens loads, and the sizes and
// colours keep to what drawing, collisions and the music restart rely on.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "fixtures.h"
#include "globals.h"
#include "levels/levels.h"

namespace {

enum Kind { FULL_SCREEN, SPRITE };

struct Picture
{
    const char* path;  // as the game opens it
    Kind kind;
};

// Every picture the game opens, by the path it uses.
const Picture kPictures[] = {
    {"data/art/title.png", FULL_SCREEN},
    {"data/art/lvl1.png", FULL_SCREEN},
    {"data/art/lvl2.png", FULL_SCREEN},
    {"data/art/lvl3.png", FULL_SCREEN},
    {"data/art/end.png", FULL_SCREEN},
    {"data/art/sky-right_all-1.png", FULL_SCREEN},
    {"data/art/sky-right_all-2.png", FULL_SCREEN},
    {"data/art/zarvell-right_all-1.png", SPRITE},
    {"data/art/zarvell-right_all-2.png", SPRITE},
    {"data/art/zarvell-left_all-1.png", SPRITE},
    {"data/art/zarvell-left_all-2.png", SPRITE},
    {"data/art/sheller-left_walking-1.png", SPRITE},
    {"data//art/sheller-right_walking-1.png", SPRITE},
    {"data//art/sheller-dead-1.png", SPRITE},
    {"data//art/sheller-dead-2.png", SPRITE},
    {"data//art/sheller-dead-3.png", SPRITE},
    {"data//art/sheller-dead-4.png", SPRITE},
    {"data//art/sheller-dead-5.png", SPRITE},
    {"data/art/startstopper.png", SPRITE},
    {"data/art/lvl1_g1.png", SPRITE},
    {"data/art/lvl1_g2.png", SPRITE},
    {"data/art/lvl1_g3.png", SPRITE},
    {"data/art/lvl1_g4.png", SPRITE},
    {"data/art/lvl1_g5.png", SPRITE},
    {"data/art/lvl1_g6.png", SPRITE},
    {"data/art/lvl1_g7.png", SPRITE},
    {"data/art/lvl1_g8.png", SPRITE},
    {"data/art/lvl1_g9.png", SPRITE},
    {"data/art/lvl1_g10.png", SPRITE},
    {"data/art/lvl2_g1.png", SPRITE},
    {"data/art/lvl2_g2.png", SPRITE},
    {"data/art/lvl2_g3.png", SPRITE},
    {"data/art/lvl2_g4.png", SPRITE},
    {"data/art/lvl2_g5.png", SPRITE},
    {"data/art/lvl3_g1.png", SPRITE},
    {"data/art/lvl3_g2.png", SPRITE},
    {"data/art/lvl3_g3.png", SPRITE},
    {"data/art/lvl3_g4.png", SPRITE},
    {"data/art/sign.png", SPRITE},
    {"data/art/kiwis1.png", SPRITE},
    {"data/art/kiwis2.png", SPRITE},
    {"data/art/kiwis3.png", SPRITE},
};

// Test names and failure messages show the path.
void PrintTo(const Picture& picture, std::ostream* os)
{
    *os << picture.path;
}

const char* const kMusic = "data/snd/addiction.wav";

struct Rgb
{
    int r, g, b;
};

// The colour of one pixel, whatever the surface's pixel format.
Rgb PixelAt(SDL_Surface* s, int x, int y)
{
    const Uint8* p = (const Uint8*)s->pixels + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 value = 0;
    switch (s->format->BytesPerPixel) {
    case 1: value = *p; break;
    case 2: value = *(const Uint16*)p; break;
    case 3:
        value = SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2])
                                                : (p[0] | p[1] << 8 | p[2] << 16);
        break;
    default: value = *(const Uint32*)p; break;
    }
    Uint8 r, g, b;
    SDL_GetRGB(value, s->format, &r, &g, &b);
    return {r, g, b};
}

bool IsKey(Rgb c)
{
    return c.r == 255 && c.g == 0 && c.b == 128;
}

// A pixel that is nearly, but not exactly, the key colour: what a blended
// edge leaves behind, drawn as a pink fringe because the key is not transparent.
bool IsNearKey(Rgb c)
{
    return !IsKey(c) && std::abs(c.r - 255) + std::abs(c.g) + std::abs(c.b - 128) < 96;
}

// Loads a picture, or fails the test that asked for it.
SDL_Surface* Load(const char* path)
{
    SDL_Surface* s = IMG_Load(path);
    EXPECT_NE(s, nullptr) << path << ": " << IMG_GetError();
    return s;
}

class EachPicture : public ::testing::TestWithParam<Picture>
{
};

TEST_P(EachPicture, LoadsAndIsShapedForItsUse)
{
    const Picture& pic = GetParam();
    SDL_Surface* s = Load(pic.path);
    if (s == nullptr)
        return;
    ASSERT_EQ(SDL_LockSurface(s), 0);
    if (pic.kind == FULL_SCREEN) {
        EXPECT_EQ(s->w, 640);
        EXPECT_EQ(s->h, 480);
    } else {
        // The corners show the backdrop: a sprite is drawn on the key colour.
        const int xs[] = {0, s->w - 1};
        const int ys[] = {0, s->h - 1};
        for (int x : xs)
            for (int y : ys)
                EXPECT_TRUE(IsKey(PixelAt(s, x, y))) << "corner (" << x << ", " << y << ")";
        int fringe = 0;
        for (int y = 0; y < s->h; y++)
            for (int x = 0; x < s->w; x++)
                fringe += IsNearKey(PixelAt(s, x, y));
        EXPECT_EQ(fringe, 0) << "pixels blended toward the key colour";
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
}

std::string PictureName(const ::testing::TestParamInfo<Picture>& info)
{
    std::string name = info.param.path;
    name = name.substr(name.rfind('/') + 1);
    name = name.substr(0, name.size() - 4);
    for (char& ch : name)
        if (!isalnum((unsigned char)ch))
            ch = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(ArtFiles, EachPicture, ::testing::ValuesIn(kPictures), PictureName);

struct Size
{
    int w = 0, h = 0;
};

Size SizeOf(const char* path)
{
    Size size;
    if (SDL_Surface* s = Load(path)) {
        size.w = s->w;
        size.h = s->h;
        SDL_FreeSurface(s);
    }
    return size;
}

// Sizes are boxes in every collision: these are the rules the levels need of them.
TEST(ArtSizes, FramesThatSwapMidPlayShareOneBox)
{
    // A change of direction or walking frame changes the box at once.
    const std::vector<std::vector<const char*>> groups = {
        {"data/art/zarvell-right_all-1.png", "data/art/zarvell-right_all-2.png",
         "data/art/zarvell-left_all-1.png", "data/art/zarvell-left_all-2.png"},
        {"data/art/sheller-left_walking-1.png", "data//art/sheller-right_walking-1.png"},
        {"data/art/kiwis1.png", "data/art/kiwis2.png", "data/art/kiwis3.png"},
    };
    for (const auto& group : groups) {
        Size first = SizeOf(group[0]);
        for (const char* path : group) {
            Size s = SizeOf(path);
            EXPECT_EQ(s.w, first.w) << path << " against " << group[0];
            EXPECT_EQ(s.h, first.h) << path << " against " << group[0];
        }
    }
}

TEST(ArtSizes, PlayerAndStartPostLetLevelOneStartAndEnd)
{
    Size player = SizeOf("data/art/zarvell-right_all-1.png");
    Size post = SizeOf("data/art/startstopper.png");
    // Wider than 50, the right-edge strip meets the sign at x 9900 before
    // the scroll reaches 9700.
    EXPECT_LE(player.w, 50);
    // The post at x 140 must touch the player at x 150 (left strip) but not
    // the strip 6 px beyond its right edge.
    EXPECT_GE(post.w, 10);
    EXPECT_LE(post.w, player.w + 9);
    // From y 0 it must reach below the top of the player standing at y 405.
    EXPECT_GE(post.h, 405 - player.h);
}

TEST(ArtSizes, AFallingPlayerCannotSkipTheStompBand)
{
    // The player falls 8 px a frame; the band over a sheller's 35 % line must
    // be deeper than that, or a fall could pass from above it to below it.
    for (const char* path : {"data/art/sheller-left_walking-1.png", "data//art/sheller-right_walking-1.png"}) {
        Size s = SizeOf(path);
        EXPECT_GT(s.h * 0.35, 8.0) << path;
    }
}

TEST(Music, LoadsAsSixteenBitPcmOfThirtySixSecondsBelowFullScale)
{
    SDL_AudioSpec wav;
    Uint8* data = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV(kMusic, &wav, &data, &length), nullptr) << SDL_GetError();

    EXPECT_TRUE(wav.format == AUDIO_S16LSB || wav.format == AUDIO_S16MSB) << wav.format;
    ASSERT_GT(wav.freq, 0);
    ASSERT_GT(wav.channels, 0);
    double seconds = (double)length / (wav.freq * wav.channels * 2);
    // The game starts the track again every 36 s: a shorter track leaves a gap,
    // a longer one is cut off or overlaps itself.
    EXPECT_NEAR(seconds, 36.0, 0.05);
    EXPECT_LE(length, 2u * 1024 * 1024) << "no larger than 2 MB of samples";

    int peak = 0;
    const Sint16* samples = (const Sint16*)data;
    for (Uint32 i = 0; i < length / 2; i++) {
        int v = wav.format == AUDIO_S16MSB ? (Sint16)SDL_Swap16(samples[i]) : samples[i];
        peak = std::max(peak, std::abs(v));
    }
    EXPECT_LE(peak, 32000) << "clipping";
    EXPECT_GT(peak, 3000) << "the track is all but silent";
    SDL_FreeWAV(data);
}

// Every frame slot that a level fills holds a picture once the level is built.
void ExpectFramesLoaded(const zve_Object& o, const std::vector<std::pair<int, int>>& slots, const std::string& what)
{
    for (const auto& slot : slots)
        EXPECT_NE(o.GetFrame(slot.first, slot.second), nullptr)
            << what << ": set " << slot.first << " slot " << slot.second;
}

TEST(ShippedArtInTheLevels, EveryLevelBuildsWithAllItsPictures)
{
    struct Case
    {
        int level;
        void (*load)();
    };
    const Case cases[] = {{1, LoadLevelOne}, {2, LoadLevelTwo}, {3, LoadLevelThree}};
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        ResetGame();
        level = c.level;
        FakeClock clock;
        ::testing::internal::CaptureStderr();
        c.load();
        std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(errors, "") << "a picture the level opens is missing";

        ASSERT_GT(numObjects, 0);
        for (int i = 0; i < numObjects; i++) {
            const zve_Object& o = object[i];
            std::string what = "entry " + std::to_string(i);
            if (o.GetStatus() == STATUS_PLATFORM)
                ExpectFramesLoaded(o, {{0, 0}}, what);
            else
                ExpectFramesLoaded(o, {{0, 0}, {1, 0}, {TYPE_DEAD, 0}}, what);
        }
        ExpectFramesLoaded(player, {{0, 0}, {0, 1}, {1, 0}, {1, 1}}, "player");
        ExpectFramesLoaded(background, {{0, 0}}, "sky");
        if (c.level == 3)
            ExpectFramesLoaded(kiwis, {{0, 0}, {0, 1}, {0, 2}}, "kiwis");
    }
    ResetGame();
}

}  // namespace
