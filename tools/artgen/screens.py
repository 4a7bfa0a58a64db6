"""Full-screen pictures: the two skies, the title, the level cards and the end.

All are 640 x 480 (or whatever the size table says) and drawn over the whole
picture, so they hold no key colour.
"""
import functools

import numpy as np

from palette import c, canvas, hash2, dither_mask
from draw import rect, ellipse, ellipse_mask, paste, fit
from font import draw_text, draw_text_centred, text_width
import pieces
import sprites


def _gradient(pic, stops):
    """Vertical bands between (y, colour) stops, blended with an ordered dither."""
    h, w = pic.shape
    for (y0, c0), (y1, c1) in zip(stops, stops[1:]):
        y0, y1 = max(0, y0), min(h, y1)
        if y1 <= y0:
            continue
        for y in range(y0, y1):
            level = ((y - y0) * 17) // max(1, (y1 - y0))
            row = dither_mask(w, 1, min(16, level), oy=y)[0]
            pic[y, :] = np.where(row, c(c1), c(c0))
    return pic


def _cloud(pic, cx, cy, scale_):
    """A puffy cloud: overlapping round lumps, white above and shaded below."""
    h, w = pic.shape
    lumps = [(-3, 0, 3), (-1, -1, 3), (1, -2, 4), (3, -1, 3), (5, 0, 3), (0, 1, 4), (3, 1, 3)]
    m = np.zeros((h, w), dtype=bool)
    for dx, dy, r in lumps:
        x, y, rr = cx + dx * scale_, cy + dy * scale_, r * scale_
        m |= ellipse_mask(w, h, x - rr, y - rr, x + rr, y + rr)
    flat = cy + scale_ * 2
    m[flat:, :] = False
    shade = np.zeros_like(m)
    shade[: h - scale_, :] = m[scale_:, :]
    pic[m] = c("cloudshade")
    pic[m & shade & ~np.roll(~m, -scale_ // 2 - 1, axis=0)] = c("white")
    pic[m & (np.roll(m, 2, axis=0) == False)] = c("white")


def _ridge(w, base, amp, seed, step):
    """Heights of a ridge line across the picture: straight segments between
    peaks placed by hash, so mountains have crisp slopes."""
    xs = np.arange(w)
    knots = np.arange(-step, w + 2 * step, step)
    heights = base - (hash2(knots, 0, seed) % amp).astype(np.int64)
    return np.interp(xs, knots, heights).astype(np.int64)


def day_sky(w, h):
    """Levels one and two: blue sky, sun, clouds and pale snowy mountains."""
    return _day_sky(w, h).copy()


@functools.lru_cache(maxsize=None)
def _day_sky(w, h):
    pic = canvas(w, h)
    _gradient(pic, [(0, "blue"), (140, "sky"), (300, "skylight"), (420, "mist"), (h, "mist")])
    # sun
    sx, sy = w - 120, 86
    ellipse(pic, sx - 34, sy - 34, sx + 34, sy + 34, "mist")
    ellipse(pic, sx - 28, sy - 28, sx + 28, sy + 28, "lemon")
    ellipse(pic, sx - 22, sy - 22, sx + 22, sy + 22, "white")
    # far mountains with snow caps, then softer hills
    ys = np.arange(h)[:, None]
    ridge = _ridge(w, 360, 130, 21, 70)
    mountain = ys >= ridge[None, :]
    pic[mountain] = c("cloudshade")
    snow_line = 292 + (hash2(np.arange(w) // 3, 5, 23) % 6).astype(np.int64)
    pic[mountain & (ys < snow_line[None, :])] = c("white")
    hills = _ridge(w, 420, 50, 22, 45)
    pic[ys >= hills[None, :]] = c("skylight")
    pic[ys == hills[None, :]] = c("mist")
    # clouds
    for cx, cy, s in ((90, 70, 6), (300, 120, 5), (470, 200, 4), (200, 250, 3), (590, 280, 3)):
        if cx < w and cy < h:
            _cloud(pic, cx, cy, s)
    return pic


def night_sky(w, h):
    """Level three: stars, a full moon and mountains against a violet glow."""
    return _night_sky(w, h).copy()


@functools.lru_cache(maxsize=None)
def _night_sky(w, h):
    pic = canvas(w, h)
    _gradient(pic, [(0, "ink"), (120, "night"), (250, "navy"), (340, "plum"), (410, "purple"), (470, "violet"), (h, "violet")])
    # stars: single pixels, a few with a cross glint
    xs, ys = np.mgrid[0:h, 0:w][1], np.mgrid[0:h, 0:w][0]
    r = hash2(xs, ys, 31) % 10000
    star = (r < 14) & (ys < 330)
    pic[star] = c("mist")
    pic[(r < 4) & (ys < 330)] = c("lemon")
    for i in range(12):
        x = int(hash2(i, 1, 32) % (w - 20)) + 10
        y = int(hash2(i, 2, 32) % 280) + 10
        pic[y, x] = c("white")
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            pic[y + dy, x + dx] = c("cloudshade")
    # moon with craters
    mx, my = 150, 110
    ellipse(pic, mx - 40, my - 40, mx + 40, my + 40, "navy")
    ellipse(pic, mx - 34, my - 34, mx + 34, my + 34, "cream")
    ellipse(pic, mx - 34, my - 34, mx + 28, my + 30, "lemon")
    for dx, dy, r_ in ((-12, -8, 7), (10, 6, 9), (-4, 16, 5), (14, -14, 4)):
        ellipse(pic, mx + dx - r_, my + dy - r_, mx + dx + r_, my + dy + r_, "sand")
        ellipse(pic, mx + dx - r_ + 1, my + dy - r_ + 1, mx + dx + r_, my + dy + r_, "cream")
    # distant floating islands
    for ix, iy, iw in ((420, 170, 70), (540, 240, 40), (300, 260, 50)):
        if ix + iw < w:
            isl = np.zeros((h, w), dtype=bool)
            for y in range(iy, iy + iw // 2):
                inset = ((y - iy) * (y - iy) * 2) // max(1, iw // 4)
                x0, x1 = ix + inset, ix + iw - inset
                if x0 < x1:
                    isl[y, x0:x1] = True
            pic[isl] = c("navy")
            pic[iy, ix:ix + iw] = c("teal_dark")
    # mountains against the glow
    ys2 = np.arange(h)[:, None]
    ridge = _ridge(w, 400, 110, 41, 60)
    pic[ys2 >= ridge[None, :]] = c("navy")
    near = _ridge(w, 450, 50, 42, 35)
    pic[ys2 >= near[None, :]] = c("night")
    return pic


def _ground_strip(pic, top, theme):
    h, w = pic.shape
    if theme == "meadow":
        g = pieces.meadow(w + 4, h - top + 2)
    elif theme == "highland":
        g = pieces.highland(w + 4, h - top + 2)
    else:
        g = pieces.night_rock(w + 4, h - top + 2)
    paste(pic, g, -2, top)


def _panel(pic, x0, y0, x1, y1, fill="navy", border="ink", light="blue"):
    rect(pic, x0, y0, x1, y1, border)
    rect(pic, x0 + 2, y0 + 2, x1 - 2, y1 - 2, light)
    rect(pic, x0 + 4, y0 + 4, x1 - 2, y1 - 2, fill)
    for (x, y) in ((x0, y0), (x1 - 1, y0), (x0, y1 - 1), (x1 - 1, y1 - 1)):
        pic[y, x] = pic[y + (1 if y == y0 else -1), x + (2 if x == x0 else -2)]


def _keycap(pic, x, y, label, w=None):
    """A keyboard key with its label; returns its width."""
    tw = text_width(label, 1)
    w = w or max(16, tw + 8)
    rect(pic, x, y, x + w, y + 16, "ink")
    rect(pic, x + 1, y + 1, x + w - 1, y + 14, "white")
    rect(pic, x + 1, y + 12, x + w - 1, y + 15, "cloudshade")
    draw_text(pic, label, x + (w - tw) // 2, y + 3, "ink", 1)
    return w


def _logo(pic, text, cx, y, size):
    """Big two-tone lettering with a thick outline and a drop shadow."""
    draw_text_centred(pic, text, cx, y, "gold", size, outline="ink", outline_width=3,
                      shadow="wine", bottom="orange")


def title(w, h):
    pic = day_sky(w, h)
    _ground_strip(pic, h - 50, "meadow")
    # the hero and a sheller on the ground
    hero = sprites.player("right", 0, 32, 48)
    paste(pic, fit(hero, 64, 96), 22, h - 50 - 96)
    shell = sprites.sheller("-x", 32, 30)
    paste(pic, fit(shell, 64, 60), w - 150, h - 50 - 60)
    paste(pic, pieces.goal_sign(48, 72), w - 70, h - 50 - 72)
    _logo(pic, "Zarvell 2", w // 2, 30, 8)
    # the controls
    px0, px1, py0 = w // 2 - 215, w // 2 + 215, 122
    rows = [
        (["\u2190", "\u2192"], "walk"),
        (["\u2191"], "jump"),
        (["\u2193"], "end a jump"),
        (["P"], "pause"),
        (["M"], "music off"),
        (["C"], "hold: shellers harmless"),
        (["Esc"], "quit"),
    ]
    row_h = 24
    _panel(pic, px0, py0, px1, py0 + 44 + row_h * len(rows))
    draw_text_centred(pic, "Arrows walk and jump", w // 2, py0 + 12, "lemon", 2)
    y = py0 + 38
    for keys, what in rows:
        x = px0 + 34
        for k in keys:
            x += _keycap(pic, x, y, k, 22 if len(k) == 1 else None) + 4
        draw_text(pic, what, px0 + 120, y + 1, "white", 2)
        y += row_h
    draw_text_centred(pic, "Press Enter", w // 2, py0 + 60 + row_h * len(rows), "white", 3,
                      outline="ink", outline_width=2, shadow="navy")
    return pic


CARDS = {
    1: ("Level 1", ["The meadow road.", "Stomp the shellers from above!"], "day", "meadow"),
    2: ("Level 2", ["The stone highlands.", "Long lines of shellers block the way."], "day", "highland"),
    3: ("Level 3", ["Islands in the night sky.", "Somebody is waiting at the end..."], "night", "night"),
}


def level_card(n, w, h):
    name, lines, sky, ground = CARDS[n]
    pic = day_sky(w, h) if sky == "day" else night_sky(w, h)
    _ground_strip(pic, h - 60, ground)
    _panel(pic, 90, 120, w - 90, 300)
    _logo(pic, name, w // 2, 146, 7)
    y = 222
    for line in lines:
        draw_text_centred(pic, line, w // 2, y, "white", 2)
        y += 26
    hero = sprites.player("right", 1, 32, 48)
    paste(pic, hero, 120, h - 60 - 48)
    for i in range(n + 1):
        paste(pic, sprites.sheller("-x", 32, 30), 330 + i * 60, h - 60 - 30)
    return pic


def end_screen(w, h):
    pic = night_sky(w, h)
    _ground_strip(pic, h - 70, "night")
    _logo(pic, "You won!", w // 2, 40, 9)
    _panel(pic, 110, 150, w - 110, 250)
    draw_text_centred(pic, "Zarvell crossed all three lands", w // 2, 168, "white", 2)
    draw_text_centred(pic, "and the kiwis are home again.", w // 2, 194, "white", 2)
    draw_text_centred(pic, "Thanks for playing!", w // 2, 222, "lemon", 2)
    paste(pic, sprites.kiwis(2, 200, 150), w - 250, h - 70 - 150)
    hero = sprites.player("right", 1, 32, 48)
    paste(pic, fit(hero, 64, 96), 150, h - 70 - 96)
    draw_text_centred(pic, "Press Enter", w // 2, h - 48, "white", 3,
                      outline="ink", outline_width=2, shadow="plum")
    return pic
