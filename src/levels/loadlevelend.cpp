// The end screen: the closing picture until Enter, then back to the title.
#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "levels/levels.h"

void LoadLevelEnd()
{
    // A loop of its own: no music check and no Escape here, Enter is the way out.
    while (mode != MODE_TITLE) {
        SetBackground("data/art/end.png");
        background.Draw();
        SDL_Flip(zve_screen);

        if (CheckKey(SDLK_RETURN)) {
            level = 0;
            mode = MODE_TITLE;
        }
        zve_Delay(1);
    }
}
