// The end screen: the closing picture until Enter, then back to the title.
#include "engine/zvengine.h"
#include "globals.h"
#include "levels/levels.h"

void LoadLevelEnd()
{
    // A loop of its own: no music check and no Escape here, Enter is the way out.
    while (mode != MODE_TITLE) {
        background.SetExists(true);
        background.SetStatus(STATUS_SCENERY);
        background.LoadFrame(0, "data/art/end.png");
        background.SetType(TYPE_RIGHT);
        background.Draw();
        SDL_Flip(zve_screen);

        if (CheckKey(SDLK_RETURN)) {
            level = 0;
            mode = MODE_TITLE;
        }
        zve_Delay(1);
    }
}
