#!/usr/bin/python3
"""Makes every picture and the music of Zarvell 2, the contact sheet and the desktop icon.

    /usr/bin/python3 tools/artgen/generate.py              write into the repository
    /usr/bin/python3 tools/artgen/generate.py --out DIR    write under DIR instead
    /usr/bin/python3 tools/artgen/generate.py --check      regenerate into a scratch
                                                           folder and compare

The files land in data/art, data/snd, docs/ and packaging/icons (the icon at each
size, in the layout of the hicolor icon theme) under the output folder. Nothing
is drawn at random, so a second run gives the same pixels and samples: --check
compares decoded pixels and WAV samples (not file bytes, which depend on the
PNG compressor) and names every file that differs, exiting with status 1.
"""
import argparse
import os
import shutil
import struct
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import numpy as np  # noqa: E402
from PIL import Image  # noqa: E402

import icon  # noqa: E402
import music  # noqa: E402
import pieces  # noqa: E402
import screens  # noqa: E402
import sheet  # noqa: E402
import sprites  # noqa: E402
from draw import scale  # noqa: E402
from palette import KEY, to_rgb  # noqa: E402
from sizes import SIZES  # noqa: E402

REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
ART = os.path.join("data", "art")
SND = os.path.join("data", "snd")
MUSIC = os.path.join(SND, "addiction.wav")
SHEET = os.path.join("docs", "contact-sheet.png")
ICONS = os.path.join("packaging", "icons", "hicolor")


def _pictures():
    """name -> function(w, h) that draws the picture: one entry per art file."""
    p = {
        "title": screens.title,
        "lvl1": lambda w, h: screens.level_card(1, w, h),
        "lvl2": lambda w, h: screens.level_card(2, w, h),
        "lvl3": lambda w, h: screens.level_card(3, w, h),
        "end": screens.end_screen,
        "sky-right_all-1": screens.day_sky,
        "sky-right_all-2": screens.night_sky,
        "zarvell-right_all-1": lambda w, h: sprites.player("right", 0, w, h),
        "zarvell-right_all-2": lambda w, h: sprites.player("right", 1, w, h),
        "zarvell-left_all-1": lambda w, h: sprites.player("left", 0, w, h),
        "zarvell-left_all-2": lambda w, h: sprites.player("left", 1, w, h),
        # the historical names: "left_walking" is the one that walks toward +x
        "sheller-left_walking-1": lambda w, h: sprites.sheller("+x", w, h),
        "sheller-right_walking-1": lambda w, h: sprites.sheller("-x", w, h),
        "startstopper": pieces.start_post,
        "sign": pieces.goal_sign,
        "lvl3_g1": lambda w, h: pieces.night_rock(w, h, seed=31),
        "lvl3_g2": lambda w, h: pieces.night_ledge(w, h, seed=32),
        "lvl3_g3": lambda w, h: pieces.night_rock(w, h, seed=33, tapered=True),
        "lvl3_g4": lambda w, h: pieces.night_rock(w, h, seed=34),
    }
    for k in range(1, 6):
        p["sheller-dead-%d" % k] = (lambda k: lambda w, h: sprites.dead_sheller(k, w, h))(k)
    for k in range(1, 11):
        p["lvl1_g%d" % k] = (lambda k: lambda w, h: pieces.meadow(w, h, seed=10 + k))(k)
    for k in range(1, 6):
        p["lvl2_g%d" % k] = (lambda k: lambda w, h: pieces.highland(w, h, seed=20 + k))(k)
    for k in range(1, 4):
        p["kiwis%d" % k] = (lambda k: lambda w, h: sprites.kiwis(k, w, h))(k)
    return p


PICTURES = _pictures()
assert set(PICTURES) == set(SIZES), "every picture needs a size and every size a picture"


def draw(name):
    w, h = SIZES[name]
    pic = PICTURES[name](w, h)
    assert pic.shape == (h, w), "%s drawn at %s, not %dx%d" % (name, pic.shape, w, h)
    return pic


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def save_png(pic_rgb, path):
    """Writes an 8-bit RGB (or, given h x w x 4, RGBA) PNG whose rows carry no
    filter, at zlib's best compression.

    The game reads some 360 pictures for each build of level one. Pillow
    filters every row (Sub, Up, Paeth), and undoing that cost the game about
    as much as inflating the data; unfiltered rows decode in half the time,
    and compress smaller here besides, the art being flat areas of few colours.
    """
    os.makedirs(os.path.dirname(path), exist_ok=True)
    pic_rgb = np.ascontiguousarray(pic_rgb, dtype=np.uint8)
    h, w, channels = pic_rgb.shape
    rows = b"".join(b"\x00" + pic_rgb[y].tobytes() for y in range(h))
    colour_type = 6 if channels == 4 else 2
    header = struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0)  # deflate, no filter method, no interlace
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
                + _chunk(b"IDAT", zlib.compress(rows, 9)) + _chunk(b"IEND", b""))


def generate(out):
    """Writes every file under the folder out; returns their paths relative to it."""
    written = []
    drawn = {}
    for name in SIZES:
        drawn[name] = draw(name)
        rel = os.path.join(ART, name + ".png")
        save_png(to_rgb(drawn[name]), os.path.join(out, rel))
        written.append(rel)
    os.makedirs(os.path.join(out, SND), exist_ok=True)
    music.write(os.path.join(out, MUSIC))
    written.append(MUSIC)
    save_png(to_rgb(sheet.contact_sheet(drawn)), os.path.join(out, SHEET))
    written.append(SHEET)
    badge = icon.icon()
    for factor in icon.FACTORS:
        pic = scale(badge, factor)
        alpha = np.where(pic == KEY, 0, 255).astype(np.uint8)
        n = icon.SIZE * factor
        rel = os.path.join(ICONS, "%dx%d" % (n, n), "apps", "zarvell2.png")
        save_png(np.dstack([to_rgb(pic), alpha]), os.path.join(out, rel))
        written.append(rel)
    return written


def _same_png(a, b):
    try:
        ia, ib = Image.open(a), Image.open(b)
    except (OSError, ValueError):
        return False
    if ia.size != ib.size:
        return False
    return np.array_equal(np.asarray(ia.convert("RGBA")), np.asarray(ib.convert("RGBA")))


def _same_wav(a, b):
    try:
        da, *fa = music.read(a)
        db, *fb = music.read(b)
    except (OSError, EOFError, Exception):
        return False
    return fa == fb and np.array_equal(da, db)


def check():
    """Regenerates into a scratch folder and compares with the repository."""
    scratch = tempfile.mkdtemp(prefix="zarvell2-art-")
    try:
        differ = []
        for rel in generate(scratch):
            mine, theirs = os.path.join(scratch, rel), os.path.join(REPO, rel)
            same = _same_wav(mine, theirs) if rel.endswith(".wav") else _same_png(mine, theirs)
            if not same:
                differ.append(rel)
        for rel in differ:
            print("differs from the generator's output: " + rel)
        if differ:
            print("%d file(s) differ; run /usr/bin/python3 tools/artgen/generate.py to rewrite them" % len(differ))
            return 1
        print("all generated files match")
        return 0
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", default=REPO,
                    help="folder to write data/, docs/ and packaging/ under (default: the repository)")
    ap.add_argument("--check", action="store_true", help="compare a fresh run with the files in the repository")
    args = ap.parse_args(argv)
    if args.check:
        return check()
    for rel in generate(args.out):
        print(rel)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
