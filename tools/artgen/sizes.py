"""Every picture's size, in one table.

A picture's width and height are its box in every collision of the game: they
decide where platforms end, which gaps can be jumped, where shellers stand and
where the player lands. So the sizes are level design, kept here apart from
the drawing: every picture is drawn at whatever size this table gives it.

Figures the sizes are worked out from: the world scrolls 9 px a frame past a
player who stays at screen x 150 (level one), 250 (level two) or 265 (level
three); a jump rises 8 px a frame for 19 frames (152 px) and then falls 8 px a
frame; a falling player lands on a platform whose top is less than 30 px above
its feet, so a full jump climbs up to 181 px. A gap between platforms at one
height can be crossed by about 340 px of scrolling plus the player's width.
Coordinates named below are the top-left corners of the layout tables.
"""

# name: (width, height)
SIZES = {
    # Full-screen pictures: the display is 640 x 480.
    "title": (640, 480),
    "lvl1": (640, 480),
    "lvl2": (640, 480),
    "lvl3": (640, 480),
    "end": (640, 480),
    "sky-right_all-1": (640, 480),
    "sky-right_all-2": (640, 480),

    # The player. At most 50 wide, or level one's sign (x 9900) would block the
    # walk before the end distance 9700 (the right-edge strip reaches 6 px
    # further). 48 tall: on level one its feet start at y 405 and the head at 357.
    "zarvell-right_all-1": (32, 48),
    "zarvell-right_all-2": (32, 48),
    "zarvell-left_all-1": (32, 48),
    "zarvell-left_all-2": (32, 48),

    # Shellers: both walking pictures one size, because a turn swaps them and the
    # width is read again at once. 30 tall puts the stomp line (35 % down) 10 px
    # under the top, more than the 8 px the player falls in a frame, so a player
    # coming down from above always meets it above the line.
    "sheller-left_walking-1": (32, 30),
    "sheller-right_walking-1": (32, 30),
    # Dead shellers: flatter, so they settle onto the platform they died on.
    "sheller-dead-1": (34, 14),
    "sheller-dead-2": (34, 14),
    "sheller-dead-3": (34, 16),
    "sheller-dead-4": (36, 12),
    "sheller-dead-5": (32, 16),

    # Post at the left of the start of levels one (x 140) and three (x 150).
    # Width from 10 to the player's width + 9: at 10 its right edge touches the
    # player at x 150 and stops the walk left; at the player's width + 10 it would
    # touch the right-edge strip and stop the walk right. 405 tall, so that on
    # level one it stands on the ground at y 405, well below the head at 357.
    "startstopper": (14, 405),

    # Level one: meadow ground, tall enough to reach the bottom of the screen
    # from the highest place each piece is used.
    # g1 at (0, 405): under the player at x 150-182; ends at 420, 90 px before g2.
    "lvl1_g1": (420, 80),
    # g2 at (510, 405): ends at 1370, a 176 px jump to g3 at 1546 one step up.
    "lvl1_g2": (860, 80),
    # g3, used 13 times from y 144 to 466: 340 tall reaches the bottom from y 144.
    # 320 wide leaves 262 px between 1546 and 2128, and 57-90 px in the climb of
    # rows 19-24; the piece at 3640 sits on the right of the one at 3432.
    "lvl1_g3": (320, 340),
    # g4 at (2627, 432): a step between g3 at 2128 (ends 2448) and g3 at 2932.
    "lvl1_g4": (160, 60),
    # g5 at (4811, 370): 189 px short of g6 at 5300.
    "lvl1_g5": (300, 120),
    # g6 at 5300 and 5635 (y 408): two blocks with 155 and 133 px gaps after them.
    "lvl1_g6": (180, 80),
    # g7 at (5948, 450): 82 px before the stairs of g8.
    "lvl1_g7": (300, 40),
    # g8 at (6330, 403) and (6443, 356): two stair steps 13 px apart, narrower
    # than the player, so the climb to g9 at 6530 has no hole to fall through.
    "lvl1_g8": (104, 130),
    # g9 at (6530, 294), 20 shellers: ends 99 px before g3 at 7029.
    "lvl1_g9": (400, 190),
    # g10 at (9521, 466): the last ground, under the sign at 9900 and past the
    # player's world x at the end (150 + 9700 + 32).
    "lvl1_g10": (480, 30),

    # Level two: rocky highlands.
    # g1 at 211 and 1013 (y 234): under the player's start at x 250; 202 px
    # between the two, then a 389 px leap down 146 px to g2.
    "lvl2_g1": (600, 250),
    # g2 at (1990, 380), 10 shellers: long enough to leave a 242 px jump to g3.
    "lvl2_g2": (980, 100),
    # g3 at (3212, 410): 160 px before the first g4 at 3712.
    "lvl2_g3": (340, 80),
    # g4, six floating blocks from 3712 to 6030: gaps of 80-295 px.
    "lvl2_g4": (300, 40),
    # g5 at 6468, 11009 and 15629 (y 398): long ground that carries the lines
    # of 50 and 55 shellers (the line starts 64 px in and is 32 px a sheller);
    # 121 and 200 px gaps between the three pieces.
    "lvl2_g5": (4420, 90),

    # Level three: islands in the night sky.
    # g1 at (0, 53): the cliff the player drops onto at x 265; 265 px before g2.
    "lvl3_g1": (520, 440),
    # g2, thin ledges at 785-2300: the ledge at (2000, 300) lies over the one at
    # (1880, 460), so the player jumps up through it.
    "lvl3_g2": (200, 24),
    # g3, islands from 2513 to 5984: 640 wide leaves 85-105 px for the climbs
    # and 196 px from the last one to g4 at 6820.
    "lvl3_g3": (640, 72),
    # g4 at 6820 and 11198 (y 380): the long ground of the last line of
    # shellers and of the end; 78 px gap between the two.
    "lvl3_g4": (4300, 100),

    # The goal of levels one and two. 72 tall stands it on the ground in both
    # (y 394 on 466, y 326 on 398). On level two it blocks the walk before the
    # end distance, so its top is a flat board to jump onto and walk across.
    "sign": (48, 72),

    # The kiwis that greet the player at the end of level three; shown at y 230,
    # so 150 tall puts their feet on the ground at y 380.
    "kiwis1": (200, 150),
    "kiwis2": (200, 150),
    "kiwis3": (200, 150),
}

FULL_SCREEN = ["title", "lvl1", "lvl2", "lvl3", "end", "sky-right_all-1", "sky-right_all-2"]


def size(name):
    return SIZES[name]
