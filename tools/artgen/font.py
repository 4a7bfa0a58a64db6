"""The game's own pixel font: 5 x 7 capitals and digits, lower case with
descenders, a little punctuation and four arrows for the key caps.

Glyphs are drawn by hand below: a line "=name" starts one, '#' is ink,
'.' is empty. Rows 0-6 sit on the baseline; rows 7-8 hold descenders. Widths
vary, so the text sets like a proportional font.
"""
import numpy as np

from palette import KEY, c, canvas
from draw import grow

_GLYPHS = r"""
=A
.###.
#...#
#...#
#####
#...#
#...#
#...#
=B
####.
#...#
#...#
####.
#...#
#...#
####.
=C
.###.
#...#
#....
#....
#....
#...#
.###.
=D
####.
#...#
#...#
#...#
#...#
#...#
####.
=E
#####
#....
#....
####.
#....
#....
#####
=F
#####
#....
#....
####.
#....
#....
#....
=G
.###.
#...#
#....
#.###
#...#
#...#
.####
=H
#...#
#...#
#...#
#####
#...#
#...#
#...#
=I
###
.#.
.#.
.#.
.#.
.#.
###
=J
..###
...#.
...#.
...#.
#..#.
#..#.
.##..
=K
#...#
#..#.
#.#..
##...
#.#..
#..#.
#...#
=L
#....
#....
#....
#....
#....
#....
#####
=M
#...#
##.##
#.#.#
#.#.#
#...#
#...#
#...#
=N
#...#
##..#
#.#.#
#..##
#...#
#...#
#...#
=O
.###.
#...#
#...#
#...#
#...#
#...#
.###.
=P
####.
#...#
#...#
####.
#....
#....
#....
=Q
.###.
#...#
#...#
#...#
#.#.#
#..#.
.##.#
=R
####.
#...#
#...#
####.
#.#..
#..#.
#...#
=S
.####
#....
#....
.###.
....#
....#
####.
=T
#####
..#..
..#..
..#..
..#..
..#..
..#..
=U
#...#
#...#
#...#
#...#
#...#
#...#
.###.
=V
#...#
#...#
#...#
#...#
.#.#.
.#.#.
..#..
=W
#...#
#...#
#...#
#.#.#
#.#.#
##.##
#...#
=X
#...#
#...#
.#.#.
..#..
.#.#.
#...#
#...#
=Y
#...#
#...#
.#.#.
..#..
..#..
..#..
..#..
=Z
#####
....#
...#.
..#..
.#...
#....
#####
=0
.###.
#...#
#..##
#.#.#
##..#
#...#
.###.
=1
..#..
.##..
..#..
..#..
..#..
..#..
.###.
=2
.###.
#...#
....#
...#.
..#..
.#...
#####
=3
####.
....#
....#
.###.
....#
....#
####.
=4
...#.
..##.
.#.#.
#..#.
#####
...#.
...#.
=5
#####
#....
####.
....#
....#
#...#
.###.
=6
..##.
.#...
#....
####.
#...#
#...#
.###.
=7
#####
....#
...#.
..#..
.#...
.#...
.#...
=8
.###.
#...#
#...#
.###.
#...#
#...#
.###.
=9
.###.
#...#
#...#
.####
....#
...#.
.##..
=a
.....
.....
.###.
....#
.####
#...#
.####
=b
#....
#....
####.
#...#
#...#
#...#
####.
=c
....
....
.###
#...
#...
#...
.###
=d
....#
....#
.####
#...#
#...#
#...#
.####
=e
.....
.....
.###.
#...#
#####
#....
.###.
=f
..##
.#..
####
.#..
.#..
.#..
.#..
=g
.....
.....
.####
#...#
#...#
#...#
.####
....#
.###.
=h
#....
#....
####.
#...#
#...#
#...#
#...#
=i
#
.
#
#
#
#
#
=j
..#
...
..#
..#
..#
..#
..#
..#
##.
=k
#...
#...
#..#
#.#.
##..
#.#.
#..#
=l
#.
#.
#.
#.
#.
#.
.#
=m
.....
.....
##.#.
#.#.#
#.#.#
#.#.#
#.#.#
=n
.....
.....
####.
#...#
#...#
#...#
#...#
=o
.....
.....
.###.
#...#
#...#
#...#
.###.
=p
.....
.....
####.
#...#
#...#
#...#
####.
#....
#....
=q
.....
.....
.####
#...#
#...#
#...#
.####
....#
....#
=r
....
....
#.##
##..
#...
#...
#...
=s
....
....
.###
#...
.##.
...#
###.
=t
.#.
.#.
###
.#.
.#.
.#.
..#
=u
.....
.....
#...#
#...#
#...#
#...#
.####
=v
.....
.....
#...#
#...#
#...#
.#.#.
..#..
=w
.....
.....
#...#
#...#
#.#.#
#.#.#
.#.#.
=x
.....
.....
#...#
.#.#.
..#..
.#.#.
#...#
=y
.....
.....
#...#
#...#
#...#
#...#
.####
....#
.###.
=z
.....
.....
#####
...#.
..#..
.#...
#####
=.
.
.
.
.
.
.
#
=,
..
..
..
..
..
..
.#
#.
=:
.
.
#
.
.
#
.
=;
..
..
.#
..
..
.#
#.
=!
#
#
#
#
#
.
#
=?
.###.
#...#
....#
...#.
..#..
.....
..#..
=_
.....
.....
.....
.....
.....
.....
.....
#####
=-
...
...
...
###
...
...
...
='
#
#
.
.
.
.
.
=(
.#
#.
#.
#.
#.
#.
.#
=)
#.
.#
.#
.#
.#
.#
#.
=/
....#
...#.
...#.
..#..
.#...
.#...
#....
=+
.....
..#..
..#..
#####
..#..
..#..
.....
=left
.......
..#....
.##....
#######
.##....
..#....
.......
=right
.......
....#..
....##.
#######
....##.
....#..
.......
=up
...#...
..###..
.#####.
...#...
...#...
...#...
...#...
=down
...#...
...#...
...#...
...#...
.#####.
..###..
...#...
"""

# The arrow glyphs are named by word in the table above and used by these characters.
ARROWS = {"left": "\u2190", "right": "\u2192", "up": "\u2191", "down": "\u2193"}

HEIGHT = 9      # rows of a glyph, descenders included
BASELINE = 7    # rows above the baseline
SPACE = 3       # width of a space
GAP = 1         # empty columns between letters


def _parse():
    """Reads the table: a line "=name" starts a glyph, the rows that follow draw it."""
    glyphs = {}
    name, rows = None, []
    for line in _GLYPHS.strip("\n").split("\n") + ["=end"]:
        if line.startswith("=") and len(line) > 1:
            if name is not None:
                width = max(len(r) for r in rows)
                bitmap = np.zeros((HEIGHT, width), dtype=bool)
                for y, row in enumerate(rows):
                    for x, ch in enumerate(row):
                        bitmap[y, x] = ch == "#"
                glyphs[ARROWS.get(name, name)] = bitmap
            name, rows = line[1:], []
        else:
            rows.append(line)
    return glyphs


GLYPHS = _parse()


def text_mask(text):
    """The text as a boolean bitmap HEIGHT rows tall."""
    cols = []
    for i, ch in enumerate(text):
        if ch == " ":
            cols.append(np.zeros((HEIGHT, SPACE), dtype=bool))
        else:
            cols.append(GLYPHS[ch])
        if i != len(text) - 1:
            cols.append(np.zeros((HEIGHT, GAP), dtype=bool))
    if not cols:
        return np.zeros((HEIGHT, 0), dtype=bool)
    return np.concatenate(cols, axis=1)


def text_width(text, size=1):
    return text_mask(text).shape[1] * size


def draw_text(pic, text, x, y, colour, size=1, outline=None, outline_width=1,
              shadow=None, bottom=None):
    """Writes text with its top-left at (x, y), each font pixel a size x size block.

    outline: a colour drawn around the letters; shadow: a colour drawn one
    block down and right, under everything; bottom: a second colour for the
    lower half of the capitals, for two-tone titles.
    """
    m = text_mask(text)
    m = np.repeat(np.repeat(m, size, axis=0), size, axis=1)
    pad = outline_width + (size if shadow else 0) + 1
    mh, mw = m.shape
    big = np.zeros((mh + 2 * pad, mw + 2 * pad), dtype=bool)
    big[pad:pad + mh, pad:pad + mw] = m
    layer = canvas(big.shape[1], big.shape[0])
    if shadow:
        sh = np.zeros_like(big)
        sh[size:, size:] = big[:-size, :-size]
        if outline:
            sh = grow(sh, outline_width, diagonal=True)
        layer[sh] = c(shadow)
    if outline:
        ring = grow(big, outline_width, diagonal=True)
        layer[ring] = c(outline)
    layer[big] = c(colour)
    if bottom:
        lower = big.copy()
        lower[:pad + (BASELINE * size) // 2 + size // 2, :] = False
        layer[lower] = c(bottom)
    h, w = pic.shape
    lh, lw = layer.shape
    x0, y0 = x - pad, y - pad
    xs0, ys0 = max(0, x0), max(0, y0)
    xs1, ys1 = min(w, x0 + lw), min(h, y0 + lh)
    part = layer[ys0 - y0:ys1 - y0, xs0 - x0:xs1 - x0]
    keep = part != KEY
    pic[ys0:ys1, xs0:xs1][keep] = part[keep]
    return mw


def draw_text_centred(pic, text, cx, y, colour, size=1, **kw):
    w = text_width(text, size)
    draw_text(pic, text, cx - w // 2, y, colour, size, **kw)
    return w
