// The level loading procedure that every level runs with its own description.
#include "engine/zvengine.h"
#include "game/zarvell2.h"
#include "globals.h"
#include "levels/levels.h"

void LoadLevel(const LevelDescription& description)
{
    Uint32 t0 = zve_GetTicks();

    // The card stays up, unflipped over, until the level is ready.
    SetBackground(description.card);
    background.Draw();
    SDL_Flip(zve_screen);

    location = 0;
    levelEnd = description.end;

    // Empty the previous level. A sheller that was in the air would otherwise
    // carry its falling flag into whatever the entry holds next.
    for (int i = 0; i < numObjects; i++) {
        object[i].SetExists(false);
        object[i].airborne = false;
    }
    numObjects = 0;

    player.SetExists(true);
    player.LoadFrame(0, "data/art/zarvell-right_all-1.png");
    player.LoadFrame(0, "data/art/zarvell-right_all-2.png");
    player.LoadFrame(1, "data/art/zarvell-left_all-1.png");
    player.LoadFrame(1, "data/art/zarvell-left_all-2.png");
    player.SetType(TYPE_RIGHT);
    player.SetSpeed(10);
    if (description.fixedTop)
        player.SetPos(description.playerX, description.playerY);
    else
        player.SetPos(description.playerX, description.playerY - player.GetHeight());

    if (description.hasKiwis) {
        kiwis.SetExists(true);
        kiwis.LoadFrame(0, "data/art/kiwis1.png");
        kiwis.LoadFrame(0, "data/art/kiwis2.png");
        kiwis.LoadFrame(0, "data/art/kiwis3.png");
        kiwis.SetType(TYPE_RIGHT);
        kiwis.SetSpeed(10);
        kiwis.SetPos(11400, 0);
    }

    // The sky is drawn by level play, first thing in every frame.
    SetBackground(description.sky);

    for (int row = 0; row < description.numRows; row++) {
        const LayoutRow& r = description.rows[row];
        if (r.withLine)
            AddPlatformWithLine(r.x, r.y, r.image, r.shellers);
        else
            AddPlatform(r.x, r.y, r.image, r.shellers);
    }

    // The previous level's pictures and the build's own scratch are freed now.
    zve_ReleaseFreeMemory();

    // Unsigned difference: right across a wrap of the tick counter.
    while (zve_GetTicks() - t0 <= description.minCardTime - 1)
        zve_Delay(1);
}
