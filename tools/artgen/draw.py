"""Drawing on indexed pictures: shapes, outlines, templates and pasting.

Everything works in whole pixels with integer arithmetic, so edges are hard
and every run draws the same pixels.
"""
import numpy as np

from palette import KEY, c, canvas


def rect(pic, x0, y0, x1, y1, colour):
    """Fills the box x0 <= x < x1, y0 <= y < y1 (clipped to the picture)."""
    h, w = pic.shape
    x0, x1 = max(0, x0), min(w, x1)
    y0, y1 = max(0, y0), min(h, y1)
    if x0 < x1 and y0 < y1:
        pic[y0:y1, x0:x1] = c(colour) if isinstance(colour, str) else colour


def ellipse_mask(w, h, x0, y0, x1, y1):
    """True inside the ellipse that fills the box x0 <= x < x1, y0 <= y < y1.

    Worked in doubled coordinates so that the test stays in integers.
    """
    mask = np.zeros((h, w), dtype=bool)
    rx, ry = x1 - x0, y1 - y0
    bx0, by0, bx1, by1 = max(0, x0), max(0, y0), min(w, x1), min(h, y1)
    if rx <= 0 or ry <= 0 or bx0 >= bx1 or by0 >= by1:
        return mask
    ys, xs = np.mgrid[by0:by1, bx0:bx1].astype(np.int64)
    dx = 2 * xs + 1 - (x0 + x1)
    dy = 2 * ys + 1 - (y0 + y1)
    mask[by0:by1, bx0:bx1] = dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry
    return mask


def ellipse(pic, x0, y0, x1, y1, colour):
    h, w = pic.shape
    pic[ellipse_mask(w, h, x0, y0, x1, y1)] = c(colour)


def neighbours(mask):
    """True where a pixel is next to (left, right, above, below) a True pixel."""
    out = np.zeros_like(mask)
    out[1:, :] |= mask[:-1, :]
    out[:-1, :] |= mask[1:, :]
    out[:, 1:] |= mask[:, :-1]
    out[:, :-1] |= mask[:, 1:]
    return out


def grow(mask, steps=1, diagonal=False):
    """The mask widened by `steps` pixels."""
    for _ in range(steps):
        n = neighbours(mask)
        if diagonal:
            d = np.zeros_like(mask)
            d[1:, 1:] |= mask[:-1, :-1]
            d[1:, :-1] |= mask[:-1, 1:]
            d[:-1, 1:] |= mask[1:, :-1]
            d[:-1, :-1] |= mask[1:, 1:]
            n |= d
        mask = mask | n
    return mask


def outline(pic, colour="ink", diagonal=False):
    """Puts a one-pixel outline on the key pixels around everything drawn."""
    solid = pic != KEY
    ring = grow(solid, 1, diagonal) & ~solid
    pic[ring] = c(colour)
    return pic


def template(rows, legend):
    """A picture from rows of characters; `legend` maps each character to a colour name.

    '.' is always the key colour.
    """
    width = max(len(r) for r in rows)
    pic = canvas(width, len(rows))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "." or ch == " ":
                continue
            pic[y, x] = c(legend[ch])
    return pic


def mirror(pic):
    """The picture flipped left to right."""
    return pic[:, ::-1].copy()


def paste(dst, src, x, y, transparent=True):
    """Copies src onto dst with its top-left corner at (x, y), clipped; key pixels
    of src leave dst alone unless transparent is False."""
    sh, sw = src.shape
    dh, dw = dst.shape
    x0, y0 = max(0, x), max(0, y)
    x1, y1 = min(dw, x + sw), min(dh, y + sh)
    if x0 >= x1 or y0 >= y1:
        return dst
    part = src[y0 - y:y1 - y, x0 - x:x1 - x]
    region = dst[y0:y1, x0:x1]
    if transparent:
        keep = part != KEY
        region[keep] = part[keep]
    else:
        region[:, :] = part
    return dst


def scale(pic, factor):
    """Each pixel becomes a factor x factor block."""
    return np.repeat(np.repeat(pic, factor, axis=0), factor, axis=1)


def fit(pic, w, h, anchor="bottom"):
    """Places a drawn figure in a w x h box of key colour.

    The figure keeps its pixels when the box is large enough: it is enlarged by
    the largest whole factor that fits, centred across and resting on the
    bottom edge (where the game puts the feet of whatever stands). A box that
    is too small gets the figure shrunk by nearest-neighbour sampling, so any
    size the size table asks for can be drawn.
    """
    ph, pw = pic.shape
    out = canvas(w, h)
    if pw <= w and ph <= h:
        f = max(1, min(w // pw, h // ph))
        big = scale(pic, f)
    else:
        # keep proportions: shrink both axes by the larger ratio
        nw = max(1, min(w, pw * h // ph))
        nh = max(1, min(h, ph * w // pw))
        ys = (np.arange(nh) * ph) // nh
        xs = (np.arange(nw) * pw) // nw
        big = pic[ys][:, xs]
    bh, bw = big.shape
    x = (w - bw) // 2
    y = h - bh if anchor == "bottom" else (h - bh) // 2
    paste(out, big, x, y)
    # a figure squeezed edge to edge still shows the key in its corners
    return clear_corners(out, 1)


def clear_corners(pic, radius=1):
    """Rounds the corners of a solid picture with key-coloured pixels, so that
    the four corner pixels are always the key."""
    h, w = pic.shape
    for i in range(radius):
        n = radius - i
        for (yy, xs) in ((i, slice(0, n)), (i, slice(w - n, w)),
                         (h - 1 - i, slice(0, n)), (h - 1 - i, slice(w - n, w))):
            if 0 <= yy < h:
                pic[yy, xs] = KEY
    return pic
