// Engine start-up, keyboard poll and object overlap, a thin layer over SDL.
#include "engine/zvengine.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <malloc.h>

#include "engine/tools.h"
#include "globals.h"

SDL_Surface* zve_screen = NULL;
Uint32 (*zve_GetTicks)(void) = SDL_GetTicks;
void (*zve_Delay)(Uint32 ms) = SDL_Delay;

void zve_PrepareEnvironment()
{
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);
}

void zve_ReleaseFreeMemory()
{
    // glibc keeps what is freed in its heap for reuse. The game frees big
    // blocks of ever different sizes (a level's pictures at each build, the
    // music at each start), which later blocks fit only in part, so without
    // this the heap holds more free memory every round of the game and
    // resident memory climbs by megabytes without end. Giving the whole free
    // pages back after such work keeps it level. It costs a millisecond or
    // two, once a build (behind the card) and once a music start (every 36
    // s); the frames in between allocate nothing.
    malloc_trim(0);
}

void zve_Init(int width, int height, int bpp, int windowed, const char* caption)
{
    srand(time(NULL));

    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "\nSDL init failed. You're not in text mode are you?\n\n"
                        "If you can't figure out why this problem occured contact "
                        ZVE_SUPPORT_ADDRESS ".\n");
        // The audio device may already be open (main opens it first) and its
        // thread running; left alone, it calls into SDL while exit unloads SDL
        // and the program dies of a segmentation fault. Shut it down first.
        SDL_Quit();
        exit(1);
    }

    SDL_WM_SetCaption(caption, NULL);
    atexit(SDL_Quit);

    Uint32 flags = SDL_DOUBLEBUF;
    if (windowed == 0)
        flags |= SDL_FULLSCREEN;
    zve_screen = SDL_SetVideoMode(width, height, bpp, flags);

    if (zve_screen == NULL) {
        fprintf(stderr, "\nUnable to make the SDL window. Check SDL and ensure your setup "
                        "can handle the color modes and resolution. Email "
                        ZVE_SUPPORT_ADDRESS " if you need help. Sorry :(\n");
        exit(1);
    }
}

bool CheckKey(int key)
{
    SDL_PumpEvents();
    if (key < 0 || key >= SDLK_LAST)
        return false;
    return SDL_GetKeyState(NULL)[key] != 0;
}

bool CollisionObjects(const zve_Object& first, const zve_Object& second)
{
    return Collision(first.GetX(), second.GetX(), first.GetY(), second.GetY(),
                     first.GetWidth(), second.GetWidth(), first.GetHeight(), second.GetHeight());
}
