// Test helper: starts sound and display the way main does, switches the music on and runs frames.
//
// Usage: music_probe <most milliseconds>
// Runs MainLoop until the music has been started and mixed to its end, or for
// at most the given time, then exits with status 0. Prints nothing of its own,
// so its output is the game's own.
#include <cstdlib>

#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"

namespace {

const int MODE_NOTHING = 99;  // a mode whose frame calls no handler: the frames do nothing but the music

// True once the music has been started and the callback has mixed all of it.
bool MusicDrained()
{
    bool drained = musicTicks != 0;
    SDL_LockAudio();
    for (const SoundSlot& slot : sounds)
        drained = drained && slot.position == slot.length;
    SDL_UnlockAudio();
    return drained;
}

}  // namespace

int main(int argc, char** argv)
{
    Uint32 most = argc > 1 ? (Uint32)strtoul(argv[1], NULL, 10) : 1000;

    zve_PrepareEnvironment();
    OpenAudio();
    zve_Init(640, 480, 24, 0, "Zarvell 2");

    mode = MODE_NOTHING;
    playMusic = true;  // what Enter on the title does
    Uint32 began = SDL_GetTicks();
    while (!MusicDrained() && SDL_GetTicks() - began < most)
        MainLoop();
    // A few frames more, so the last of the music reaches the device.
    for (int i = 0; i < 10; i++)
        MainLoop();
    return 0;
}
