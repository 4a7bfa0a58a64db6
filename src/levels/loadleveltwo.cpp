// Level two: high ledges, then two long lines of shellers to get past, 158 entries.
#include "levels/levels.h"

static const LayoutRow layout[] = {
    // x      y    image                      shellers  line
    {211,   234, "data/art/lvl2_g1.png",   0, false},
    {1013,  234, "data/art/lvl2_g1.png",   6, false},
    {1990,  380, "data/art/lvl2_g2.png",  10, false},
    {3212,  410, "data/art/lvl2_g3.png",   3, false},
    {3712,  328, "data/art/lvl2_g4.png",   3, false},
    {4238,  418, "data/art/lvl2_g4.png",   3, false},
    {4646,  335, "data/art/lvl2_g4.png",   3, false},
    {5055,  467, "data/art/lvl2_g4.png",   5, false},
    {5650,  467, "data/art/lvl2_g4.png",   3, false},
    {6030,  360, "data/art/lvl2_g4.png",   3, false},
    {6468,  398, "data/art/lvl2_g5.png",  50, true},
    {11009, 398, "data/art/lvl2_g5.png",  55, true},
    {15629, 398, "data/art/lvl2_g5.png",   0, false},
    {15900, 326, "data/art/sign.png",      0, false},
};

static const LevelDescription levelTwo = {
    "data/art/lvl2.png", 15670,
    250, 211, false,  // the player's feet 23 px above the first ledge
    false, "data/art/sky-right_all-1.png", 2000,
    layout, sizeof layout / sizeof layout[0],
};

void LoadLevelTwo()
{
    LoadLevel(levelTwo);
}
