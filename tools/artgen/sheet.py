"""The contact sheet: every sprite and piece with its name and size, and small
previews of the full-screen pictures, for the documentation."""
import numpy as np

from palette import canvas
from draw import paste, rect
from font import draw_text, text_width
from sizes import SIZES, FULL_SCREEN

WIDTH = 1280
MAX_W, MAX_H = 400, 220   # larger pieces are shown shrunk by a whole factor
PAD = 12


def _cell(pic, name, shrink, backdrop):
    """A picture on a backdrop with two lines of label under it.

    shrink above 1 shows it that many times smaller, below -1 that many times larger.
    """
    h, w = pic.shape
    if shrink > 1:
        shown, note = pic[::shrink, ::shrink], "  (shown 1/%d)" % shrink
    elif shrink < -1:
        shown, note = np.repeat(np.repeat(pic, -shrink, axis=0), -shrink, axis=1), "  (shown x%d)" % -shrink
    else:
        shown, note = pic, ""
    sh, sw = shown.shape
    label2 = "%d x %d" % (w, h) + note
    cw = max(sw + 4, text_width(name), text_width(label2))
    cell = canvas(cw, sh + 4 + 24, "night")
    rect(cell, 0, 0, sw + 4, sh + 4, backdrop)
    paste(cell, shown, 2, 2)
    draw_text(cell, name, 0, sh + 6, "white")
    draw_text(cell, label2, 0, sh + 16, "cloudshade")
    return cell


def _pack(sheet_rows, cells, y):
    """Lays cells left to right, wrapping at the sheet's width; returns the next free y."""
    x, row_h = PAD, 0
    for cell in cells:
        ch, cw = cell.shape
        if x + cw > WIDTH - PAD and x > PAD:
            x, y = PAD, y + row_h + PAD
            row_h = 0
        sheet_rows.append((cell, x, y))
        x += cw + PAD
        row_h = max(row_h, ch)
    return y + row_h + PAD


def contact_sheet(drawn):
    """drawn: name -> indexed picture, for every name of the size table."""
    placed = []
    y = PAD
    headings = []

    def section(title, names, shrink_for, backdrop):
        nonlocal y
        headings.append((title, y))
        y += 22
        cells = [_cell(drawn[n], n, shrink_for(drawn[n]), backdrop) for n in names]
        y = _pack(placed, cells, y)

    section("Full-screen pictures (shown 1/4)", FULL_SCREEN, lambda p: 4, "ink")
    characters = [n for n in SIZES if n.startswith(("zarvell", "sheller", "kiwis"))]
    section("Characters", characters, lambda p: -2 if p.shape[0] < 100 else 1, "sky")
    others = [n for n in SIZES if n not in FULL_SCREEN and n not in characters]
    section("Pieces", others, lambda p: max(-(-p.shape[1] // MAX_W), -(-p.shape[0] // MAX_H)), "sky")

    out = canvas(WIDTH, y, "night")
    for title, ty in headings:
        draw_text(out, title, PAD, ty, "lemon", 2)
    for cell, x, cy in placed:
        paste(out, cell, x, cy, transparent=False)
    # the key colour shows as the backdrop it was drawn on
    return out
