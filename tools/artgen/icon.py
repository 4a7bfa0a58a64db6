"""The game's icon for desktop menus: Zarvell on the meadow under the day sky, on a round-cornered badge.

Drawn once at 64 x 64 from the game's own pieces and enlarged by whole factors
for the larger sizes, so every size keeps its pixels sharp. Around the badge
the picture holds the key colour, which the icon files carry as transparency.
"""
import numpy as np

from palette import KEY, canvas
from draw import paste, ellipse_mask
import pieces
import screens
import sprites

SIZE = 64
FACTORS = (1, 2, 4)   # 64, 128 and 256 pixels: the sizes installed
CORNER = 10           # radius of the badge's corners


def icon():
    """The 64 x 64 icon as palette indices, the key colour outside the badge."""
    pic = canvas(SIZE, SIZE)
    screens._gradient(pic, [(0, "blue"), (24, "sky"), (52, "skylight"), (SIZE, "skylight")])
    ground = pieces.meadow(SIZE + 8, 16, seed=11)   # wider than the badge: no rounded ends show
    paste(pic, ground, -4, SIZE - 16)
    paste(pic, sprites.sheller("-x", 32, 30), 40, SIZE - 16 - 15)
    paste(pic, sprites.player("right", 0, 32, 48), 8, SIZE - 16 - 48)
    # round the corners
    inside = np.zeros((SIZE, SIZE), dtype=bool)
    inside[CORNER:SIZE - CORNER, :] = True
    inside[:, CORNER:SIZE - CORNER] = True
    for cx in (CORNER, SIZE - 1 - CORNER):
        for cy in (CORNER, SIZE - 1 - CORNER):
            inside |= ellipse_mask(SIZE, SIZE, cx - CORNER, cy - CORNER, cx + CORNER, cy + CORNER)
    pic[~inside] = KEY
    return pic
