// Engine start-up, the keyboard poll and the overlap test of two game objects.
#ifndef ZVENGINE_H
#define ZVENGINE_H

#include "engine/zve_object.h"

// Address that the start-up failure messages ask players to write to.
#define ZVE_SUPPORT_ADDRESS "support@zarvell2.example"

// Asks SDL, before it starts, for crisp nearest-neighbour scaling in full
// screen and to leave SIGINT and SIGTERM alone (the game never reads quit
// events). A setting the player has made in the environment wins.
void zve_PrepareEnvironment();

// Gives the memory freed so far back to the system. Called after work that
// frees big blocks: a level build, a start of the music.
void zve_ReleaseFreeMemory();

// Seeds rand, starts SDL and opens the display. Returns only on success; on
// failure it prints a message and ends the program with status 1.
void zve_Init(int width, int height, int bpp, int windowed, const char* caption);

// True while the key is down. Codes outside SDL's key table read false.
bool CheckKey(int key);

// True when the current frames of the two objects overlap (touching counts).
bool CollisionObjects(const zve_Object& first, const zve_Object& second);

#endif
