// Scratch folders, fixture pictures, screen reads and a fresh game state for tests.
#include "fixtures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "globals.h"

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
    char pattern[] = "/tmp/zarvell2-test-XXXXXX";
    char* made = mkdtemp(pattern);
    if (made == NULL) {
        ADD_FAILURE() << "cannot make a scratch folder";
        return;
    }
    path = made;
    previous = fs::current_path().string();
    fs::current_path(path);
}

ScratchFolder::~ScratchFolder()
{
    if (path.empty())
        return;
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

TestObject::~TestObject()
{
    for (int set = 0; set < ZVE_SETS; set++)
        for (int slot = 0; slot < ZVE_FRAMES_PER_SET; slot++)
            SDL_FreeSurface(GetFrame(set, slot));
}

static void MakeParent(const std::string& file)
{
    fs::path parent = fs::path(file).parent_path();
    if (!parent.empty())
        fs::create_directories(parent);
}

void WritePicture(const std::string& file, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    MakeParent(file);
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    ASSERT_NE(picture, nullptr);
    SDL_FillRect(picture, NULL, SDL_MapRGB(picture->format, r, g, b));
    ASSERT_EQ(SDL_SaveBMP(picture, file.c_str()), 0) << file;
    SDL_FreeSurface(picture);
}

void WriteText(const std::string& file, const std::string& text)
{
    MakeParent(file);
    std::ofstream(file) << text;
}

void ScreenPixel(int x, int y, Uint8& r, Uint8& g, Uint8& b)
{
    SDL_LockSurface(zve_screen);
    const Uint8* p = (const Uint8*)zve_screen->pixels + y * zve_screen->pitch
                     + x * zve_screen->format->BytesPerPixel;
    Uint32 pixel = 0;
    memcpy(&pixel, p, zve_screen->format->BytesPerPixel);
    SDL_UnlockSurface(zve_screen);
    SDL_GetRGB(pixel, zve_screen->format, &r, &g, &b);
}

void ClearScreen()
{
    SDL_FillRect(zve_screen, NULL, 0);
}

void ResetGame()
{
    mode = MODE_TITLE;
    level = 1;
    falling = true;
    jumping = false;
    jumpingHeight = 0;
    location = 0;
    levelEnd = 0;
    startTime = 0;
    playMusic = false;
    musicTicks = 0;
    nestedFrames = 0;
    for (int i = 0; i < MAX_OBJECTS; i++) {
        object[i].SetExists(false);
        object[i].airborne = false;
        object[i].SetMoveSpeed(0);
    }
    numObjects = 0;
    player.SetExists(false);
    background.SetExists(false);
    kiwis.SetExists(false);
}
