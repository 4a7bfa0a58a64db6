"""Platform pieces, the start post and the goal sign.

Every piece is drawn for whatever size the size table gives it: textures come
from a per-pixel hash of the position inside the piece, edges are worked out
from the width and height. The top row of a piece is the surface that the
player and the shellers stand on, so each piece is solid from its top edge;
only the corner pixels are left in the key colour.
"""
import numpy as np

from palette import KEY, c, canvas, hash2
from draw import rect, clear_corners, outline
from font import draw_text_centred, text_width


def _grid(w, h):
    ys, xs = np.mgrid[0:h, 0:w]
    return xs, ys


def _speckle(pic, mask, seed, colour, per_mille, xs, ys):
    """Scatters single pixels of a colour over the mask, about per_mille in 1000."""
    r = hash2(xs, ys, seed) % 1000
    pic[mask & (r < per_mille)] = c(colour)


def _side_outline(pic):
    """Ink on the left and right edges, where a piece ends in the air."""
    h, w = pic.shape
    pic[:, 0] = c("ink")
    pic[:, w - 1] = c("ink")


# ---------------------------------------------------------------- level one

def meadow(w, h, seed=1):
    """Level one's ground: a grass top with a ragged edge over brown earth."""
    xs, ys = _grid(w, h)
    pic = canvas(w, h, "soil")
    # earth: bands of darker soil, pebbles and light grains
    band = (ys + (hash2(xs // 6, 0, seed) % 3).astype(np.int64)) % 18
    pic[band < 2] = c("soil_dark")
    _speckle(pic, np.ones_like(pic, bool), seed + 1, "clay", 40, xs, ys)
    # pebbles: 2 x 2 blocks anchored on a coarse grid
    peb = (hash2(xs // 2, ys // 2, seed + 2) % 1000) < 12
    pic[peb & (ys > 12)] = c("sand")
    # grass: 6 to 9 rows deep, ragged edge with hanging tufts
    depth = 6 + (hash2(xs // 2, 7, seed + 3) % 4).astype(np.int64)
    tuft = (hash2(xs, 9, seed + 4) % 7) == 0
    depth = np.where(tuft, depth + 3, depth)
    grass = ys < depth
    pic[grass] = c("leaf")
    pic[ys == depth] = c("forest")
    pic[(ys == depth + 1) & ~grass] = c("soil_dark")
    blades = grass & (((xs + ys * 3 + (hash2(xs, 3, seed) % 2).astype(np.int64)) % 5) == 0) & (ys >= 2)
    pic[blades] = c("green")
    pic[ys == 0] = c("lime")
    pic[(ys == 1) & ((hash2(xs, 1, seed + 5) % 4) == 0)] = c("lime")
    _side_outline(pic)
    return clear_corners(pic, 2)


# ---------------------------------------------------------------- level two

def highland(w, h, seed=2):
    """Level two's rock: grey stone blocks in courses under a moss edge."""
    xs, ys = _grid(w, h)
    pic = canvas(w, h, "stone")
    course = 12
    row = ys // course
    # each course has its own joint offset and block lengths
    offset = (hash2(row, 0, seed) % 24).astype(np.int64)
    block = (xs + offset) // 20
    joint_x = ((xs + offset) % 20) == 0
    joint_y = (ys % course) == 0
    pic[(hash2(block, row, seed + 1) % 5) == 0] = c("stone_light")
    pic[(hash2(block, row, seed + 2) % 7) == 0] = c("stone_dark")
    _speckle(pic, np.ones_like(pic, bool), seed + 3, "stone_dark", 30, xs, ys)
    # light top-left edge of each block, mortar lines
    pic[((ys % course) == 1) & ~joint_x] = c("stone_light")
    pic[joint_x | joint_y] = c("stone_dark")
    # moss on top, dripping a little
    depth = 4 + (hash2(xs // 3, 5, seed + 4) % 3).astype(np.int64)
    drip = (hash2(xs // 2, 6, seed + 5) % 11) == 0
    depth = np.where(drip, depth + 4, depth)
    moss = ys < depth
    pic[moss] = c("green")
    pic[moss & ((hash2(xs, ys, seed + 6) % 5) == 0)] = c("leaf")
    pic[ys == depth] = c("forest")
    pic[ys == 0] = c("lime")
    _side_outline(pic)
    return clear_corners(pic, 2)


# ---------------------------------------------------------------- level three

def night_rock(w, h, seed=3, tapered=False):
    """Level three's rock: plum stone with glowing teal moss on top.

    tapered: the underside narrows to a ragged point, as a floating island.
    """
    xs, ys = _grid(w, h)
    pic = canvas(w, h, "plum")
    # strata and crystals
    strata = (ys + (hash2(xs // 8, 1, seed) % 4).astype(np.int64)) % 14
    pic[strata < 2] = c("night")
    pic[strata == 7] = c("purple")
    _speckle(pic, np.ones_like(pic, bool), seed + 1, "violet", 12, xs, ys)
    gem = (hash2(xs // 3, ys // 3, seed + 2) % 1000) < 6
    pic[gem & (ys > 10)] = c("aqua")
    # glowing moss
    depth = 5 + (hash2(xs // 2, 3, seed + 3) % 3).astype(np.int64)
    moss = ys < depth
    pic[moss] = c("teal")
    pic[moss & ((hash2(xs, ys, seed + 4) % 4) == 0)] = c("teal_dark")
    pic[ys == depth] = c("teal_dark")
    pic[(ys == depth + 1)] = c("night")
    pic[ys <= 1] = c("aqua")
    hang = (hash2(xs, 8, seed + 5) % 13) == 0
    pic[hang & (ys > depth) & (ys < depth + 4)] = c("teal")
    _side_outline(pic)
    if tapered:
        # from a third of the way down, each side moves in toward a ragged keel
        top = max(depth.max() + 3, h // 3)
        span = max(1, h - top)
        jag = (hash2(ys // 2, 4, seed + 6) % 5).astype(np.int64)
        inset = np.where(ys > top, ((ys - top) * (w // 2 - 4)) // span + jag, 0)
        inset = np.where(ys > top, (inset * inset) // max(1, w // 2 - 4) + jag, 0)
        out = (xs < inset) | (xs >= w - inset)
        pic[out] = KEY
        pic[ys == h - 1] = KEY
        pic[:, :] = outline(pic)
    return clear_corners(pic, 2)


def night_ledge(w, h, seed=4):
    """Level three's thin ledge: a crystal slab with a glowing top."""
    xs, ys = _grid(w, h)
    pic = canvas(w, h, "purple")
    pic[ys >= h - 4] = c("plum")
    pic[(hash2(xs // 4, 0, seed) % 3 == 0) & (ys >= h - 7)] = c("plum")
    facet = ((xs + ys) % 16 == 0) | ((xs - ys) % 16 == 0)
    pic[facet & (ys > 3)] = c("violet")
    pic[ys <= 3] = c("teal")
    pic[ys <= 1] = c("aqua")
    pic[ys == 4] = c("teal_dark")
    pic[ys == h - 1] = c("ink")
    _side_outline(pic)
    return clear_corners(pic, 2)


# ---------------------------------------------------------------- posts and signs

def start_post(w, h):
    """A wooden post that marks the left end of a level: banded, with a gold knob."""
    xs, ys = _grid(w, h)
    pic = canvas(w, h, "clay")
    pic[:, : max(1, w // 3)] = c("soil")            # shaded side
    pic[:, w - 3 if w > 4 else w - 1] = c("sand")     # lit edge
    grain = (hash2(xs, ys // 9, 11) % 6) == 0
    pic[grain & (xs > 1) & (xs < w - 2)] = c("soil")
    # red and white warning bands near the top
    for k in range(4):
        y0 = 14 + k * 10
        rect(pic, 0, y0, w, y0 + 5, "red" if k % 2 == 0 else "white")
    # iron rings lower down, every 60 px
    for y0 in range(90, h - 10, 60):
        rect(pic, 0, y0, w, y0 + 3, "stone_dark")
        rect(pic, 0, y0, w, y0 + 1, "stone_light")
    # a gold knob on top, outlined in ink
    knob_h = min(10, h)
    rect(pic, 0, 0, w, knob_h, "ink")
    rect(pic, 1, 3, w - 1, knob_h - 1, "gold")
    rect(pic, 1, knob_h - 3, w - 1, knob_h - 1, "orange")
    rect(pic, 2, 4, 4, 6, "lemon")
    pic[0:2, :] = KEY
    pic[2, 0] = pic[2, w - 1] = KEY
    pic[knob_h:, 0] = c("ink")
    pic[knob_h:, w - 1] = c("ink")
    pic[h - 1, :] = c("ink")
    return clear_corners(pic, 1)


def goal_sign(w, h):
    """The goal: a board with a flat top to stand on, over a post to the ground."""
    pic = canvas(w, h)
    board_h = min(h, max(12, (h * 2) // 5))
    rect(pic, 0, 0, w, board_h, "ink")
    rect(pic, 1, 1, w - 1, board_h - 1, "clay")
    xs, ys = _grid(w, board_h)
    planks = (ys % 7) == 6
    inner = (xs > 0) & (xs < w - 1) & (ys > 0) & (ys < board_h - 1)
    pic[:board_h][planks & inner] = c("soil")
    pic[1, 1:w - 1] = c("sand")
    # nails
    for x in (3, w - 4):
        pic[3, x] = c("stone_light")
        pic[board_h - 4, x] = c("stone_light")
    # post to the ground
    pw = max(4, w // 6)
    px = (w - pw) // 2
    rect(pic, px, board_h, px + pw, h, "ink")
    rect(pic, px + 1, board_h, px + pw - 1, h - 1, "soil")
    rect(pic, px + 1, board_h, px + 2, h - 1, "soil_dark")
    # the word, or a flag where the board is too small for it
    word = "GOAL"
    if text_width(word, 1) + 6 <= w and board_h >= 13:
        draw_text_centred(pic, word, w // 2, (board_h - 7) // 2, "lemon", 1, outline="wine")
    else:
        rect(pic, w // 2 - 2, 3, w // 2 + 2, board_h - 3, "red")
    return clear_corners(pic, 2)
