// Every global of the game, declared in one place; each is defined by the module named above it.
#ifndef ZARVELL2_GLOBALS_H
#define ZARVELL2_GLOBALS_H

#include <SDL.h>

#include "engine/zve_object.h"
#include "sound/playsound.h"

// ---- Engine: display and clock (src/engine/zvengine.cpp) ----

extern SDL_Surface* zve_screen;         // the display surface; null until zve_Init sets it
extern Uint32 (*zve_GetTicks)(void);    // the millisecond clock; SDL_GetTicks unless a test swaps it
extern void (*zve_Delay)(Uint32 ms);    // the sleep that goes with it; SDL_Delay unless a test swaps it

// ---- Engine: drawing (src/engine/zve_object.cpp) ----

extern SDL_Rect src;                    // source rectangle of the last blit
extern SDL_Rect dest;                   // destination rectangle of the last blit

// ---- Game flow (src/game/zarvell2.cpp) ----

const int MODE_LEVEL = 0;               // level play
const int MODE_INTRO = 1;               // load the current level, or show the end screen
const int MODE_TITLE = 2;               // title screen
const int MODE_PAUSE = 3;               // pause

extern int mode;                        // the current mode, one of the codes above
extern int level;                       // 1-3 the level, 4 the end screen, 0 back at the title
extern bool falling;                    // nothing carries the player
extern bool jumping;                    // a jump is rising
extern int jumpingHeight;               // pixels risen in the current jump
extern int location;                    // pixels the level has scrolled
extern int levelEnd;                    // the location at which the level is complete
extern Uint32 startTime;                // tick count at which the current frame began

// ---- Level objects (src/game/zarvell2.cpp) ----

const int MAX_OBJECTS = 600;            // size of the object table

extern zve_Object object[MAX_OBJECTS];  // the level's platforms and shellers
extern int numObjects;                  // entries 0 .. numObjects - 1 are in use
extern zve_Object player;               // the player character
extern zve_Object background;           // title, level card, sky or end screen
extern zve_Object kiwis;                // the greeting at the end of level three

// ---- Level play (src/game/level.cpp) ----

const int MAX_NESTED_FRAMES = 1;        // late frames nest one deep: any deeper multiplies them
extern int nestedFrames;                // nested frames open right now

// ---- Music (src/game/zarvell2.cpp) ----

extern bool playMusic;                  // the music is on and restarts when due
extern Uint32 musicTicks;               // tick count of the last start; 0 means never
extern SDL_AudioSpec fmt;               // the audio format main asks the device for

// ---- Sound slots (src/sound/playsound.cpp) ----

extern SoundSlot sounds[SOUND_SLOTS];   // the sounds being mixed; filled by PlaySound
extern void* (*soundAlloc)(size_t size);  // allocates conversion buffers, which the slots free(); malloc unless a test swaps it

#endif
