"""The game's one palette and the indexed canvas every picture is drawn on.

A picture is a 2-D array of palette indices. Index 0 is the key colour that
the game treats as transparent; every other index is an opaque colour, so a
finished picture can only hold the key or a palette colour: no blended edges.
"""
import numpy as np

KEY_RGB = (255, 0, 128)

# name -> RGB. Grouped in ramps from dark to light; the order is the index order.
COLOURS = [
    ("key", KEY_RGB),
    # outlines and night
    ("ink", (24, 20, 37)),
    ("night", (36, 34, 70)),
    ("navy", (46, 58, 112)),
    ("blue", (56, 98, 178)),
    ("sky", (92, 148, 226)),
    ("skylight", (148, 196, 240)),
    ("mist", (206, 232, 248)),
    ("white", (250, 250, 244)),
    ("cloudshade", (184, 204, 232)),
    # greens
    ("forest", (28, 84, 60)),
    ("green", (54, 138, 72)),
    ("leaf", (104, 186, 76)),
    ("lime", (178, 224, 96)),
    # earth
    ("soil_dark", (66, 38, 34)),
    ("soil", (112, 66, 44)),
    ("clay", (160, 100, 62)),
    ("sand", (214, 164, 104)),
    ("cream", (246, 226, 178)),
    # stone
    ("stone_dark", (58, 60, 82)),
    ("stone", (100, 104, 128)),
    ("stone_light", (152, 158, 176)),
    # warm
    ("wine", (110, 28, 48)),
    ("red", (200, 48, 56)),
    ("orange", (236, 124, 44)),
    ("gold", (248, 196, 64)),
    ("lemon", (255, 236, 130)),
    # dusk
    ("plum", (74, 40, 98)),
    ("purple", (118, 66, 150)),
    ("violet", (170, 110, 200)),
    ("pink", (236, 136, 170)),
    # sea and glow
    ("teal_dark", (20, 92, 100)),
    ("teal", (40, 160, 150)),
    ("aqua", (110, 222, 200)),
    # skin
    ("skin_shade", (206, 142, 110)),
    ("skin", (246, 196, 150)),
    # kiwi feathers
    ("kiwi_dark", (82, 56, 36)),
    ("kiwi", (140, 100, 60)),
    ("kiwi_light", (186, 146, 92)),
]

INDEX = {name: i for i, (name, _) in enumerate(COLOURS)}
RGB = np.array([rgb for _, rgb in COLOURS], dtype=np.uint8)
KEY = 0

assert len(COLOURS) < 256
assert all(rgb != KEY_RGB for _, rgb in COLOURS[1:]), "no drawing colour may equal the key"


def c(name):
    """Palette index of a named colour."""
    return INDEX[name]


def canvas(w, h, fill="key"):
    """A new w x h picture filled with one colour (the key by default)."""
    return np.full((h, w), INDEX[fill], dtype=np.uint8)


def to_rgb(pic):
    """The picture as an h x w x 3 array of 8-bit RGB."""
    return RGB[pic]


def hash2(x, y, seed):
    """Deterministic per-pixel noise: a 32-bit integer hash of (x, y, seed).

    Integer arithmetic only, so every machine draws the same texture.
    """
    x = np.asarray(x, dtype=np.int64) & 0xFFFFFFFF
    y = np.asarray(y, dtype=np.int64) & 0xFFFFFFFF
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return (h ^ (h >> 16)).astype(np.uint32)


# 4 x 4 ordered-dither thresholds, 0..15.
BAYER4 = np.array([[0, 8, 2, 10],
                   [12, 4, 14, 6],
                   [3, 11, 1, 9],
                   [15, 7, 13, 5]], dtype=np.int32)


def dither_mask(w, h, level16, ox=0, oy=0):
    """True where an ordered dither of strength level16/16 puts the second colour."""
    ys, xs = np.mgrid[0:h, 0:w]
    return BAYER4[(ys + oy) % 4, (xs + ox) % 4] < np.asarray(level16)
