// Headless start of the engine: the dummy video driver and a sound device that writes nowhere.
#include "headless.h"

#include <cstdlib>

#include "engine/zvengine.h"

void StartHeadless(const char* caption)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
    zve_PrepareEnvironment();
    zve_Init(640, 480, 24, 0, caption);
}
