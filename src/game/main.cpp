// Program entry: sound, engine, then one frame after another until Escape.
#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"

int main(int /*argc*/, char** /*argv*/)
{
    zve_PrepareEnvironment();
    OpenAudio();
    zve_Init(640, 480, 24, 0, "Zarvell 2");
    mode = MODE_TITLE;
    for (;;)
        MainLoop();
}
