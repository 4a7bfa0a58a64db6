// The game object: reset, frame loading and animated drawing.
#include "engine/zve_object.h"

#include <SDL_image.h>
#include <cstdio>

#include "globals.h"

SDL_Rect src;
SDL_Rect dest;

zve_Object::zve_Object()
    : airborne(false), frame(), moveSpeed(0), colorKey(0)
{
    exists = false;
    Reset();
}

void zve_Object::Reset()
{
    x = 0;
    y = 0;
    status = STATUS_SCENERY;
    animate = true;
    count = 0;
    visibility = 255;
    speed = 20;
    type = TYPE_NONE;
    movementType = MOVE_NONE;
    for (int set = 0; set < ZVE_SETS; set++) {
        currentFrame[set] = 0;
        lastFrame[set] = -1;
    }
}

void zve_Object::SetExists(bool value)
{
    exists = value;
    Reset();
}

bool zve_Object::GetExists() const
{
    return exists;
}

int zve_Object::LoadFrame(int set, const char* path)
{
    if (set < 0 || set >= ZVE_SETS)
        return 0;
    if (lastFrame[set] + 1 > ZVE_FRAMES_PER_SET - 1)
        return 0;
    // Counted before reading, so a picture that fails still takes its slot number.
    lastFrame[set]++;

    SDL_Surface* read = IMG_Load(path);
    if (read == NULL) {
        fprintf(stderr, "Image not found, it's going to crash! ( fix %s)\n", path);
        return 0;
    }
    SDL_Surface*& slot = frame[set * ZVE_FRAMES_PER_SET + lastFrame[set]];
    SDL_FreeSurface(slot);
    // Converted once here so that the blit of every frame needs no conversion.
    slot = SDL_DisplayFormat(read);
    SDL_FreeSurface(read);
    return 1;
}

SDL_Surface* zve_Object::CurrentImage() const
{
    if (type < 0 || type >= ZVE_SETS)
        return NULL;
    int slot = currentFrame[type];
    if (slot < 0 || slot >= ZVE_FRAMES_PER_SET)
        return NULL;
    return frame[type * ZVE_FRAMES_PER_SET + slot];
}

void zve_Object::Draw()
{
    if (type == TYPE_NONE || !exists)
        return;
    if (type < 0 || type >= ZVE_SETS)
        return;

    if (animate) {
        if (count < speed) {
            count++;
        } else {
            count = 0;
            currentFrame[type]++;
            if (currentFrame[type] > lastFrame[type])
                currentFrame[type] = 0;
        }
    }

    SDL_Surface* image = CurrentImage();
    if (image == NULL || zve_screen == NULL)
        return;
    // SDL's rectangles hold 16-bit positions; an object that far away cannot
    // be on screen, and a wrapped position would draw it where it is not.
    if (x < -32768 || x > 32767 || y < -32768 || y > 32767)
        return;
    SDL_SetAlpha(image, SDL_SRCALPHA, visibility & 0xFF);
    colorKey = SDL_MapRGB(image->format, 255, 0, 128);
    SDL_SetColorKey(image, SDL_SRCCOLORKEY, colorKey);

    src.x = 0;
    src.y = 0;
    src.w = image->w;
    src.h = image->h;
    dest.x = x;
    dest.y = y;
    dest.w = image->w;
    dest.h = image->h;
    SDL_UpperBlit(image, &src, zve_screen, &dest);
}

int zve_Object::GetWidth() const
{
    SDL_Surface* image = CurrentImage();
    return image ? image->w : 0;
}

int zve_Object::GetHeight() const
{
    SDL_Surface* image = CurrentImage();
    return image ? image->h : 0;
}

int zve_Object::GetCurrentFrame(int set) const
{
    return (set >= 0 && set < ZVE_SETS) ? currentFrame[set] : 0;
}

int zve_Object::GetLastFrame(int set) const
{
    return (set >= 0 && set < ZVE_SETS) ? lastFrame[set] : -1;
}

SDL_Surface* zve_Object::GetFrame(int set, int slot) const
{
    if (set < 0 || set >= ZVE_SETS || slot < 0 || slot >= ZVE_FRAMES_PER_SET)
        return NULL;
    return frame[set * ZVE_FRAMES_PER_SET + slot];
}
