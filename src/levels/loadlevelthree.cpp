// Level three: a drop from above the sky, scattered ledges and a last line of shellers.
#include "levels/levels.h"

static const LayoutRow layout[] = {
    // x      y    image                          shellers  line
    {150,     0, "data/art/startstopper.png",  0, false},
    {0,      53, "data/art/lvl3_g1.png",       0, false},
    {785,   245, "data/art/lvl3_g2.png",       0, false},
    {1440,  460, "data/art/lvl3_g2.png",       0, false},
    {1880,  460, "data/art/lvl3_g2.png",       0, false},
    {2000,  300, "data/art/lvl3_g2.png",       0, false},
    {2300,  200, "data/art/lvl3_g2.png",       0, false},
    {2513,  394, "data/art/lvl3_g3.png",       6, false},
    {3240,  240, "data/art/lvl3_g3.png",       3, false},
    {3985,  100, "data/art/lvl3_g3.png",       3, false},
    {4710,   -3, "data/art/lvl3_g3.png",       0, false},
    {5984,  470, "data/art/lvl3_g3.png",       2, false},
    {6820,  380, "data/art/lvl3_g4.png",      40, true},
    {11198, 380, "data/art/lvl3_g4.png",       0, true},
};

static const LevelDescription levelThree = {
    "data/art/lvl3.png", 11143,
    265, -320, true,  // the player starts above the top of the screen and drops in
    true, "data/art/sky-right_all-2.png", 2000,
    layout, sizeof layout / sizeof layout[0],
};

void LoadLevelThree()
{
    LoadLevel(levelThree);
}
