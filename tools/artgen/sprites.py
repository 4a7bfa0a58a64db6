"""Characters: the player, the shellers alive and dead, and the kiwis.

Each figure is drawn at a design size from shapes placed by hand, outlined,
and then fitted into the box the size table gives it (see draw.fit), feet on
the bottom edge, since the game stands every figure on the top of a platform.
Left-facing pictures are mirror images of right-facing ones.
"""
import numpy as np

from palette import KEY, c, canvas
from draw import rect, ellipse, ellipse_mask, outline, mirror, fit, paste


def _put(pic, points, colour):
    for x, y in points:
        if 0 <= y < pic.shape[0] and 0 <= x < pic.shape[1]:
            pic[y, x] = c(colour)


# ---------------------------------------------------------------- the player

def _zarvell(step):
    """Zarvell facing right, 32 x 48: red hood, gold scarf, teal tunic.

    step 0 is the stride (legs apart), step 1 the passing pose (legs together).
    """
    p = canvas(32, 48)
    # legs and boots; the far leg first, darker
    if step == 0:
        rect(p, 11, 33, 15, 38, "navy")
        rect(p, 9, 37, 13, 42, "navy")
        rect(p, 5, 41, 13, 47, "soil_dark")
        rect(p, 17, 33, 21, 38, "blue")
        rect(p, 19, 37, 23, 42, "blue")
        rect(p, 19, 41, 27, 47, "soil")
        rect(p, 19, 45, 27, 47, "soil_dark")
        _put(p, [(26, 41)], "soil_dark")
    else:
        rect(p, 12, 33, 16, 42, "navy")
        rect(p, 11, 41, 18, 47, "soil_dark")
        rect(p, 15, 33, 19, 42, "blue")
        rect(p, 15, 41, 23, 47, "soil")
        rect(p, 15, 45, 23, 47, "soil_dark")
        _put(p, [(22, 41)], "soil_dark")
    # far arm, behind the body
    if step == 0:
        rect(p, 19, 22, 23, 28, "teal_dark")
        rect(p, 21, 27, 25, 30, "skin_shade")
    else:
        rect(p, 10, 22, 13, 29, "teal_dark")
        rect(p, 9, 28, 12, 31, "skin_shade")
    # tunic
    ellipse(p, 10, 19, 23, 39, "teal")
    rect(p, 10, 27, 23, 35, "teal")
    rect(p, 10, 20, 13, 35, "teal_dark")    # shade on the back
    rect(p, 21, 22, 22, 31, "aqua")         # light on the front
    rect(p, 10, 31, 23, 33, "soil")         # belt
    rect(p, 16, 31, 19, 33, "gold")         # buckle
    # near arm, swinging against the near leg
    if step == 0:
        rect(p, 10, 22, 14, 28, "teal")
        rect(p, 10, 22, 11, 28, "teal_dark")
        rect(p, 8, 27, 12, 30, "skin")
    else:
        rect(p, 18, 22, 22, 28, "teal")
        rect(p, 18, 22, 19, 28, "teal_dark")
        rect(p, 20, 27, 24, 30, "skin")
    # scarf, its loose end blowing back
    rect(p, 10, 17, 24, 21, "gold")
    rect(p, 10, 20, 24, 21, "orange")
    if step == 0:
        rect(p, 5, 18, 11, 21, "gold")
        rect(p, 2, 20, 7, 23, "orange")
    else:
        rect(p, 5, 18, 11, 21, "gold")
        rect(p, 1, 18, 6, 21, "orange")
    # head: hood with its tip hanging back
    ellipse(p, 7, 2, 25, 20, "red")
    _put(p, [(x, y) for y in range(6, 12) for x in range(3 + abs(y - 8), 9)], "red")
    _put(p, [(x, y) for y in range(8, 12) for x in range(3 + abs(y - 8), 8)], "wine")
    ellipse(p, 8, 9, 16, 20, "wine")        # shade on the back of the hood
    ellipse(p, 9, 2, 25, 18, "red")
    _put(p, [(12, 4), (13, 4), (14, 3), (15, 3), (11, 5)], "pink")  # shine
    # face in the hood's opening
    ellipse(p, 14, 7, 27, 19, "skin")
    _put(p, [(x, 18) for x in range(16, 22)], "skin_shade")
    _put(p, [(25, 12), (26, 12), (26, 13), (25, 13)], "skin")      # nose
    rect(p, 13, 6, 25, 8, "red")            # hood rim over the brow
    _put(p, [(x, 8) for x in range(14, 24)], "wine")
    rect(p, 13, 8, 15, 17, "red")           # hood's side over the ear
    # eye
    rect(p, 21, 10, 23, 14, "ink")
    _put(p, [(21, 10)], "white")
    _put(p, [(23, 15)], "pink")             # cheek
    outline(p)
    return p


def player(facing, step, w, h):
    pic = _zarvell(step)
    if facing == "left":
        pic = mirror(pic)
    return fit(pic, w, h)


# ---------------------------------------------------------------- shellers

def _shell(p, x0, y0, x1, y1):
    """The sheller's domed shell in the box x0..x1, y0..y1, lit from the top left."""
    ellipse(p, x0, y0, x1, y1 + (y1 - y0), "purple")
    p[y1:, :] = np.where(p[y1:, :] == c("purple"), KEY, p[y1:, :])
    w = x1 - x0
    ellipse(p, x0 + 2, y0 + 1, x1 - 1, y1 + (y1 - y0) - 3, "violet")
    p[y1:, :] = np.where(p[y1:, :] == c("violet"), KEY, p[y1:, :])
    # plates
    for k in range(1, 4):
        x = x0 + (w * k) // 4
        for y in range(y0 + 3, y1):
            if p[y, x] == c("violet"):
                p[y, x] = c("purple")
    for y in (y0 + (y1 - y0) // 2,):
        for x in range(x0, x1):
            if p[y, x] == c("violet"):
                p[y, x] = c("purple")
    # shine
    for (dx, dy) in ((5, 3), (6, 3), (7, 3), (4, 4), (5, 4)):
        if p[y0 + dy, x0 + dx] != KEY:
            p[y0 + dy, x0 + dx] = c("pink")
    # rim
    rect(p, x0, y1 - 3, x1, y1, "gold")
    rect(p, x0, y1 - 1, x1, y1, "orange")
    # spikes on the top
    for k in (1, 2, 3):
        x = x0 + (w * k) // 4
        top = np.argmax(p[:, x] != KEY)
        for dy, half in ((1, 0), (2, 1)):
            for dx in range(-half, half + 1):
                p[top - 3 + dy, x + dx] = c("cream")


def _sheller():
    """A sheller walking right, 32 x 30: a spiky purple shell on a green critter."""
    p = canvas(32, 30)
    # head and neck poking out at the front
    ellipse(p, 19, 9, 31, 23, "leaf")
    rect(p, 18, 16, 24, 23, "leaf")
    ellipse(p, 22, 18, 31, 23, "lime")       # light jaw
    # eye under a cross brow
    rect(p, 25, 12, 28, 16, "white")
    rect(p, 26, 13, 28, 16, "ink")
    for x, y in ((24, 11), (25, 11), (26, 12), (27, 12)):
        p[y, x] = c("ink")
    p[20, 28] = c("forest"); p[20, 29] = c("forest")   # mouth
    _shell(p, 1, 5, 24, 25)
    # stubby feet under the rim
    rect(p, 4, 25, 9, 29, "green")
    rect(p, 15, 25, 20, 29, "green")
    rect(p, 4, 28, 9, 29, "forest")
    rect(p, 15, 28, 20, 29, "forest")
    outline(p)
    return p


def sheller(walking_to, w, h):
    """walking_to: "+x" (the picture faces right) or "-x" (faces left)."""
    pic = _sheller()
    if walking_to == "-x":
        pic = mirror(pic)
    return fit(pic, w, h)


def _half_dome(p, x0, y0, x1, y1, up=True):
    """A flat-bottomed (up) or flat-topped (not up) shell dome in violet and purple."""
    h = y1 - y0
    if up:
        m = ellipse_mask(p.shape[1], p.shape[0], x0, y0, x1, y1 + h)
        m[y1:, :] = False
    else:
        m = ellipse_mask(p.shape[1], p.shape[0], x0, y0 - h, x1, y1)
        m[:y0, :] = False
    p[m] = c("violet")
    edge = m & ~(np.roll(m, 1, 1) & np.roll(m, -1, 1) & np.roll(m, 1, 0) & np.roll(m, -1, 0))
    p[edge] = c("purple")
    return m


def _x_eye(p, x, y):
    for d in range(3):
        p[y + d, x + d] = c("ink")
        p[y + 2 - d, x + d] = c("ink")


def _dead(kind):
    """Five ways a stomped sheller can end up, each flatter than a live one."""
    if kind == 1:
        # on its back, feet in the air
        p = canvas(34, 14)
        _half_dome(p, 3, 5, 29, 13, up=False)
        rect(p, 3, 4, 29, 6, "gold")
        rect(p, 3, 6, 29, 7, "orange")
        for x in (7, 13, 19):
            rect(p, x, 1, x + 3, 4, "green")
        ellipse(p, 26, 3, 33, 10, "leaf")
        _x_eye(p, 28, 4)
    elif kind == 2:
        # flattened like a pancake
        p = canvas(34, 14)
        ellipse(p, 0, 6, 34, 14, "green")
        _half_dome(p, 4, 2, 26, 11, up=True)
        rect(p, 3, 9, 27, 11, "gold")
        rect(p, 3, 11, 27, 12, "orange")
        ellipse(p, 24, 5, 33, 12, "leaf")
        _x_eye(p, 27, 6)
    elif kind == 3:
        # the shell cracked in two, stars above
        p = canvas(34, 16)
        _half_dome(p, 1, 6, 16, 15, up=True)
        _half_dome(p, 18, 6, 33, 15, up=True)
        rect(p, 1, 13, 16, 15, "gold")
        rect(p, 18, 13, 33, 15, "gold")
        for x, y in ((8, 1), (24, 0), (16, 3)):
            p[y + 1, x] = c("lemon")
            p[y, x] = p[y + 2, x] = p[y + 1, x - 1] = p[y + 1, x + 1] = c("gold")
        rect(p, 15, 10, 19, 15, "leaf")
        _x_eye(p, 15, 11)
    elif kind == 4:
        # squashed flat, dizzy
        p = canvas(36, 12)
        _half_dome(p, 2, 3, 30, 10, up=True)
        rect(p, 1, 8, 31, 10, "gold")
        rect(p, 1, 10, 31, 11, "orange")
        ellipse(p, 26, 4, 36, 11, "leaf")
        for x, y in ((29, 6), (30, 6), (31, 7), (30, 8), (29, 8)):
            p[y, x] = c("ink")
    else:
        # upside down and spinning: shell on its rim, head out, tongue out
        p = canvas(32, 16)
        _half_dome(p, 2, 4, 26, 15, up=True)
        rect(p, 2, 13, 26, 15, "gold")
        ellipse(p, 21, 6, 32, 15, "leaf")
        _x_eye(p, 25, 8)
        rect(p, 28, 13, 30, 16, "pink")
        for x in (5, 10, 15):
            p[1, x] = c("white")
            p[0, x + 1] = c("mist")
    # dead shellers lie on the platform: the bottom row touches it
    outline(p)
    return p


DEAD_DESIGN = {1: (34, 14), 2: (34, 14), 3: (34, 16), 4: (36, 12), 5: (32, 16)}


def dead_sheller(kind, w, h):
    return fit(_dead(kind), w, h)


# ---------------------------------------------------------------- kiwis

def _kiwi(p, x, bottom, hop):
    """A kiwi facing left with its feet at `bottom` (raised by `hop` in the air).

    The body is 44 x 32 and the beak reaches 15 px out in front.
    """
    yb = bottom - hop
    body_top = yb - 40
    # legs: apart when standing, tucked when hopping
    if hop:
        rect(p, x + 22, yb - 9, x + 25, yb - 4, "sand")
        rect(p, x + 30, yb - 9, x + 33, yb - 4, "sand")
        rect(p, x + 19, yb - 5, x + 25, yb - 3, "sand")
        rect(p, x + 27, yb - 5, x + 33, yb - 3, "sand")
    else:
        rect(p, x + 22, yb - 9, x + 25, yb - 1, "sand")
        rect(p, x + 31, yb - 9, x + 34, yb - 1, "sand")
        rect(p, x + 18, yb - 2, x + 26, yb, "sand")
        rect(p, x + 27, yb - 2, x + 35, yb, "sand")
    # body
    ellipse(p, x + 14, body_top, x + 58, body_top + 32, "kiwi")
    ellipse(p, x + 24, body_top + 14, x + 58, body_top + 32, "kiwi_dark")
    ellipse(p, x + 14, body_top, x + 56, body_top + 28, "kiwi")
    ellipse(p, x + 18, body_top + 3, x + 36, body_top + 14, "kiwi_light")
    # feather strokes
    for i in range(9):
        fx = x + 22 + (i * 7) % 30
        fy = body_top + 8 + (i * 5) % 16
        p[fy, fx] = c("kiwi_dark")
        p[fy + 1, fx + 1] = c("kiwi_dark")
    # head at the front, with a long thin beak pointing down and forward
    ellipse(p, x + 10, body_top + 2, x + 28, body_top + 18, "kiwi")
    ellipse(p, x + 12, body_top + 3, x + 22, body_top + 10, "kiwi_light")
    rect(p, x + 15, body_top + 7, x + 18, body_top + 10, "ink")
    p[body_top + 7, x + 15] = c("white")
    for i in range(15):
        bx = x + 11 - i
        by = body_top + 12 + i // 3
        p[by, bx] = c("cream")
        p[by + 1, bx] = c("sand")


def kiwis(frame, w, h):
    """Three kiwis cheering the player home; in frame n (1-3) kiwi n hops."""
    design_w, design_h = 200, 150
    p = canvas(design_w, design_h)
    bottom = design_h - 1
    xs = (18, 78, 138)
    for n, x in enumerate(xs, start=1):
        _kiwi(p, x, bottom, 12 if n == frame else 0)
    outline(p)
    # a speech bubble over the middle kiwi
    from font import draw_text, text_width
    msg = "Kia ora!"
    tw = text_width(msg, 2)
    bx0, by0 = 100 - tw // 2 - 8, 36
    bub = canvas(design_w, design_h)
    rect(bub, bx0, by0, bx0 + tw + 16, by0 + 30, "white")
    for i in range(7):
        rect(bub, 104 - i, by0 + 30 + i, 109 - i, by0 + 31 + i, "white")
    bub[by0, bx0] = bub[by0, bx0 + tw + 15] = KEY
    bub[by0 + 29, bx0] = bub[by0 + 29, bx0 + tw + 15] = KEY
    outline(bub)
    paste(p, bub, 0, 0)
    draw_text(p, msg, bx0 + 8, by0 + 8, "wine", 2)
    # confetti, in new places every frame
    colours = ("red", "gold", "aqua", "pink", "lime", "violet")
    for i in range(22):
        cx = (i * 37 + frame * 53) % (design_w - 8) + 4
        cy = (i * 23 + frame * 29) % 30 + 2
        if i % 3 == 0:
            cy += 70
        col = colours[(i + frame) % len(colours)]
        if (i + frame) % 2:
            rect(p, cx, cy, cx + 2, cy + 3, col)
        else:
            rect(p, cx, cy, cx + 3, cy + 2, col)
    return fit(p, w, h)
