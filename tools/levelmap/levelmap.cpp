// Level map: builds a level headless and draws the whole of it, as it starts, onto one wide PNG.
#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/zvengine.h"
#include "globals.h"
#include "headless.h"
#include "levels/levels.h"

namespace {

// A clock that never sleeps: the level card's wait passes at once.
Uint32 mapTime = 1;
Uint32 MapTicks() { return mapTime; }
void MapDelay(Uint32 ms) { mapTime += ms; }

// The box of everything to draw, in world coordinates at scroll distance 0.
struct Extent
{
    int left = 0, top = 0, right = 640, bottom = 480;
    void Include(const zve_Object& o)
    {
        left = std::min(left, o.GetX());
        top = std::min(top, o.GetY());
        right = std::max(right, o.GetX() + o.GetWidth());
        bottom = std::max(bottom, o.GetY() + o.GetHeight());
    }
};

// The map is drawn in slices no wider than SDL's surfaces allow, then joined.
const int SLICE = 4096;

// Blits the frame an object shows now, with the key colour, relative to `left`, `top`.
void DrawObject(const zve_Object& o, SDL_Surface* slice, int left, int top)
{
    int type = o.GetType();
    SDL_Surface* image = o.GetFrame(type, o.GetCurrentFrame(type));
    int x = o.GetX() - left;
    if (!o.GetExists() || image == NULL || x >= slice->w || x + image->w <= 0)
        return;
    SDL_SetColorKey(image, SDL_SRCCOLORKEY, SDL_MapRGB(image->format, 255, 0, 128));
    SDL_Rect at = {(Sint16)x, (Sint16)(o.GetY() - top), 0, 0};
    SDL_BlitSurface(image, NULL, slice, &at);
}

// A filled rectangle in world coordinates, clipped to the slice.
void Mark(SDL_Surface* slice, int left, int top, int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    x -= left;
    y -= top;
    if (x >= slice->w || x + w <= 0)
        return;
    int x0 = std::max(x, 0), x1 = std::min(x + w, slice->w);
    SDL_Rect box = {(Sint16)x0, (Sint16)y, (Uint16)(x1 - x0), (Uint16)h};
    SDL_FillRect(slice, &box, SDL_MapRGB(slice->format, r, g, b));
}

// Draws the part of the level from world x `left` on, `width` wide, into rgb rows of the map.
void DrawSlice(const Extent& e, int left, int width, std::vector<png_byte>& rgb, int mapWidth)
{
    int height = e.bottom - e.top;
    SDL_Surface* slice = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    if (slice == NULL) {
        fprintf(stderr, "cannot make a %d x %d slice: %s\n", width, height, SDL_GetError());
        exit(1);
    }
    // The sky repeats along the level, as the screen would show it, from the screen's top.
    SDL_Surface* sky = background.GetFrame(0, 0);
    for (int x = (left - e.left) / 640 * 640 + e.left; sky && x < left + width; x += 640) {
        SDL_Rect at = {(Sint16)(x - left), (Sint16)(0 - e.top), 0, 0};
        SDL_BlitSurface(sky, NULL, slice, &at);
    }
    if (level == 3)
        DrawObject(kiwis, slice, left, e.top);
    DrawObject(player, slice, left, e.top);
    for (int i = 0; i < numObjects; i++)
        DrawObject(object[i], slice, left, e.top);

    // White: the screen at the start. Yellow: where the player's left edge
    // stands when the level is complete.
    Mark(slice, left, e.top, 0, 0, 640, 2, 255, 255, 255);
    Mark(slice, left, e.top, 0, 478, 640, 2, 255, 255, 255);
    Mark(slice, left, e.top, 638, 0, 2, 480, 255, 255, 255);
    Mark(slice, left, e.top, player.GetX() + levelEnd, e.top, 2, height, 255, 220, 0);

    SDL_LockSurface(slice);
    for (int y = 0; y < height; y++) {
        const Uint8* row = (const Uint8*)slice->pixels + y * slice->pitch;
        for (int x = 0; x < width; x++) {
            Uint32 pixel = 0;
            memcpy(&pixel, row + x * 3, 3);
            png_byte* out = &rgb[((size_t)y * mapWidth + (left - e.left) + x) * 3];
            SDL_GetRGB(pixel, slice->format, &out[0], &out[1], &out[2]);
        }
    }
    SDL_UnlockSurface(slice);
    SDL_FreeSurface(slice);
}

bool WritePng(const std::vector<png_byte>& rgb, int width, int height, const char* path)
{
    FILE* file = fopen(path, "wb");
    if (file == NULL)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; y++)
        png_write_row(png, &rgb[(size_t)y * width * 3]);
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    return fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || argv[1][0] < '1' || argv[1][0] > '3' || argv[1][1] != '\0') {
        fprintf(stderr, "usage: %s <level 1-3> <map.png>   (run from the folder that holds data/)\n", argv[0]);
        return 2;
    }
    StartHeadless("Zarvell 2 level map");
    zve_GetTicks = MapTicks;
    zve_Delay = MapDelay;

    level = argv[1][0] - '0';
    void (*load[])() = {LoadLevelOne, LoadLevelTwo, LoadLevelThree};
    load[level - 1]();

    Extent e;
    for (int i = 0; i < numObjects; i++)
        e.Include(object[i]);
    e.Include(player);
    if (level == 3)
        e.Include(kiwis);

    int width = e.right - e.left, height = e.bottom - e.top;
    std::vector<png_byte> rgb((size_t)width * height * 3);
    for (int left = e.left; left < e.right; left += SLICE)
        DrawSlice(e, left, std::min(SLICE, e.right - left), rgb, width);

    if (!WritePng(rgb, width, height, argv[2])) {
        fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    printf("%s: level %d, %d objects, %d x %d px, complete at x %d\n", argv[2], level, numObjects,
           width, height, player.GetX() + levelEnd);
    return 0;
}
