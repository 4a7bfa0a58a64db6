// Starting the game's engine with no screen and no sound card, for tests, benchmarks and tools.
#ifndef HEADLESS_H
#define HEADLESS_H

// Chooses SDL's dummy video driver and sound written to /dev/null (settings
// already in the environment win), then starts the engine as the game does:
// a 640x480x24 display surface, the caption given, and rand seeded.
void StartHeadless(const char* caption);

#endif
