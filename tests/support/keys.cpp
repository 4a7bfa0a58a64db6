// Key helpers: write straight into SDL's key state, which event pumping leaves alone headless.
#include "keys.h"

#include <SDL.h>

#include <cstring>

void HoldKey(int key)
{
    SDL_GetKeyState(NULL)[key] = 1;
}

void ReleaseKey(int key)
{
    SDL_GetKeyState(NULL)[key] = 0;
}

void ReleaseAllKeys()
{
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    memset(keys, 0, count);
}

void HoldOnly(std::initializer_list<int> keys)
{
    ReleaseAllKeys();
    for (int key : keys)
        HoldKey(key);
}
