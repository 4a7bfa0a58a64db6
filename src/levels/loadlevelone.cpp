// Level one: a long walk over low ground and steps, 26 platforms, 110 shellers.
#include "levels/levels.h"

static const LayoutRow layout[] = {
    // x     y    image                           shellers
    {140,    0, "data/art/startstopper.png",  0, false},
    {0,    405, "data/art/lvl1_g1.png",       0, false},
    {510,  405, "data/art/lvl1_g2.png",      10, false},
    {1546, 342, "data/art/lvl1_g3.png",       3, false},
    {2128, 342, "data/art/lvl1_g3.png",       4, false},
    {2627, 432, "data/art/lvl1_g4.png",       0, false},
    {2932, 432, "data/art/lvl1_g3.png",       5, false},
    {3432, 432, "data/art/lvl1_g3.png",      10, false},
    {3640, 293, "data/art/lvl1_g3.png",       2, false},
    {4037, 144, "data/art/lvl1_g3.png",       3, false},
    {4421, 445, "data/art/lvl1_g3.png",       8, false},
    {4811, 370, "data/art/lvl1_g5.png",       2, false},
    {5300, 408, "data/art/lvl1_g6.png",       0, false},
    {5635, 408, "data/art/lvl1_g6.png",       0, false},
    {5948, 450, "data/art/lvl1_g7.png",       9, false},
    {6330, 403, "data/art/lvl1_g8.png",       0, false},
    {6443, 356, "data/art/lvl1_g8.png",       0, false},
    {6530, 294, "data/art/lvl1_g9.png",      20, false},
    {7029, 466, "data/art/lvl1_g3.png",       5, false},
    {7555, 421, "data/art/lvl1_g3.png",       6, false},
    {7932, 366, "data/art/lvl1_g3.png",       6, false},
    {8294, 261, "data/art/lvl1_g3.png",       7, false},
    {8751, 221, "data/art/lvl1_g3.png",       3, false},
    {9131, 176, "data/art/lvl1_g3.png",       7, false},
    {9521, 466, "data/art/lvl1_g10.png",      0, false},
    {9900, 394, "data/art/sign.png",          0, false},
};

static const LevelDescription levelOne = {
    "data/art/lvl1.png", 9700,
    150, 405, false,  // the player's feet on the first ground piece
    false, "data/art/sky-right_all-1.png", 500,
    layout, sizeof layout / sizeof layout[0],
};

void LoadLevelOne()
{
    LoadLevel(levelOne);
}
