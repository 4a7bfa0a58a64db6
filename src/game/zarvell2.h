// The game flow: start-up, the frame loop, the mode handlers, level play and placement.
#ifndef ZARVELL2_H
#define ZARVELL2_H

#include <SDL.h>

// Fills fmt with the game's audio format, opens the device (printing a line on
// stdout and going on without sound when it cannot) and starts the callback.
void OpenAudio();

// One frame: music check, the handler of the current mode, flip, Escape, and
// the wait until at least 20 ms have passed since the frame began, plus 1 ms.
void MainLoop();

// True when the music should start again: never started, or its last start lies
// more than 36 seconds before now (unsigned 32-bit ticks, safe across a wrap).
bool MusicDue(Uint32 lastStart, Uint32 now);

// Makes `background` show one full-screen picture at (0, 0), read afresh from
// its file into the slot of the picture before, which it frees.
void SetBackground(const char* picture);

void Title();   // MODE_TITLE: show the title picture; Enter starts the game
void Intro();   // MODE_INTRO: build the current level, or show the end screen
void Pause();   // MODE_PAUSE: p resumes
void Level();   // MODE_LEVEL: one frame of level play

// Appends a platform and `count` shellers to the object table. AddPlatform
// spreads the shellers 1.2 widths apart near the left of the world;
// AddPlatformWithLine packs them in a line from two widths in.
void AddPlatform(int x, int y, const char* file, int count);
void AddPlatformWithLine(int x, int y, const char* file, int count);

#endif
