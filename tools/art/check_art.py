#!/usr/bin/python3
"""Checks the shipped pictures and ".button" files against what the game relies on: every file
it loads, the sizes it places them by, opaque tiles without black (black is the board's colour
key), buttons that fit their screens and hot keys that do not steal the screens' own keys.
Exits non-zero and lists every fault found."""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from layout import BOARD, HELP_SLOTS, LEVEL_LIST, MESSAGE_BOX, SET_LIST, ok_button  # noqa: E402
from style import DATA, LEVEL_LIST_BG, SET_LIST_BG, pixels  # noqa: E402
from tutorials import INTRO_TEXTS, MARGIN, TUTORIAL_PICTURE, picture_top  # noqa: E402

COLOURS = ["red", "yellow", "blue", "green", "orange", "purple", "white"]
SHAPES = ["star", "circle", "triangle"]
LOAD_ORDER = (SHAPES + ["selected" + s for s in SHAPES] + [s + "goal" for s in SHAPES]
              + ["preview" + s for s in ("circle", "star", "triangle")]
              + ["preview%sgoal" % s for s in ("circle", "star", "triangle")]
              + ["arrow" + d for d in ("up", "down", "left", "right")]
              + ["editor", "play", "message", "caret"] + COLOURS
              + ["preview" + c for c in COLOURS] + ["tutorial%d" % i for i in range(8)]
              + ["locked"] + [n + "help" for n in ("circle", "star", "triangle", "white", "red",
                                                   "yellow", "blue", "green", "orange", "purple")]
              + ["chooselevel_beta"]
              + ["arrowblocked" + d for d in ("up", "down", "left", "right")] + ["parmark"])
BUTTONS = {
    "mainmenu": ["play", "edit", "quit", "music", "sound"],
    "editor": ["red", "yellow", "blue", "green", "orange", "purple", "white", "black", "circle",
               "star", "triangle", "circlegoal", "stargoal", "trianglegoal", "up", "down",
               "left", "right", "undo", "play", "save", "exit"],
    "play": ["undo", "restart", "exit"],
    "messages": ["ok", "save", "discard", "cancel"],
}
faults = []


def fault(msg):
    faults.append(msg)


def load(rel):
    path = os.path.join(DATA, rel)
    if not os.path.exists(path):
        fault("missing " + rel)
        return None
    return cairo.ImageSurface.create_from_png(path)


def expect_size(rel, w, h, at_most=False):
    s = load(rel)
    if s is None:
        return None
    sw, sh = s.get_width(), s.get_height()
    if (sw > w or sh > h) if at_most else (sw, sh) != (w, h):
        fault("%s is %dx%d, expected %s%dx%d" % (rel, sw, sh, "at most " if at_most else "", w, h))
    return s


def check_pictures():
    if len(LOAD_ORDER) != 62:
        fault("load order has %d names" % len(LOAD_ORDER))
    for name in LOAD_ORDER + ["icon", "splash", "tutorial8"]:
        load("graphics/%s.png" % name)
    sized = [(SHAPES + ["selected" + s for s in SHAPES]
              + ["arrow" + d for d in ("up", "down", "left", "right")], 60, 60),
             ([s + "goal" for s in SHAPES], 20, 20),
             (["preview" + s for s in SHAPES], 25, 25),
             (["editor", "play", "message", "chooselevel_beta", "splash"], 800, 600),
             (["locked"], 225, 175), (["caret"], 2, 16), (["icon"], 32, 32),
             (["parmark"], 13, 13)]
    for names, w, h in sized:
        for n in names:
            expect_size("graphics/%s.png" % n, w, h)
    for s in SHAPES:
        expect_size("graphics/preview%sgoal.png" % s, 11, 11, at_most=True)


def check_tiles():
    """Tiles are blitted onto colour-keyed surfaces: no alpha, and nothing near black."""
    for prefix, size in (("", 60), ("preview", 25)):
        for c in COLOURS:
            rel = "graphics/%s%s.png" % (prefix, c)
            s = expect_size(rel, size, size)
            if s is None:
                continue
            if s.get_format() != cairo.FORMAT_RGB24:
                fault(rel + " has an alpha channel")
            if any(max(r, g, b) < 24 for r, g, b, _ in pixels(s)):
                fault(rel + " has a near-black pixel")


def check_help_and_tutorials():
    slot_gap = HELP_SLOTS[1][1] - HELP_SLOTS[0][1]
    for n in ("circle", "star", "triangle", "white", "red", "yellow", "blue", "green", "orange",
              "purple"):
        s = load("graphics/%shelp.png" % n)
        if s and (HELP_SLOTS[0][0] + s.get_width() > BOARD[0] - 10 or s.get_height() > slot_gap):
            fault("%shelp.png overlaps the board frame or the slot below" % n)
    ok_top = ok_button().y - MESSAGE_BOX[1]
    for level in INTRO_TEXTS:
        rel = "graphics/" + TUTORIAL_PICTURE[level]
        s = load(rel)
        if s is None:
            continue
        if s.get_width() > 330:
            fault(rel + " is too wide for the message box")
        if picture_top(level) + s.get_height() > ok_top - MARGIN:
            fault("%s reaches the OK button in level %d's box" % (rel, level))


def check_menu_lists():
    """The list panels carry exactly the lists' own background colours."""
    s = load("graphics/chooselevel_beta.png")
    if s is None:
        return
    px = pixels(s)
    for (x, y, w, h), colour in ((SET_LIST, SET_LIST_BG), (LEVEL_LIST, LEVEL_LIST_BG)):
        for yy in range(y, y + h, 17):
            for xx in range(x, x + w, 13):
                if px[yy * 800 + xx][:3] != colour:
                    fault("list panel at (%d, %d) is not %s" % (xx, yy, colour))
                    return


def check_play_disabled():
    """The menu shows this picture in the Play button's place, so it has the button's size."""
    got = read_button("mainmenu", "play")
    if got:
        expect_size("gui/mainmenu/play_disabled.png", got[1][2], got[1][3])


def read_button(folder, name):
    rel = "gui/%s/%s.button" % (folder, name)
    path = os.path.join(DATA, rel)
    if not os.path.exists(path):
        fault("missing " + rel)
        return None
    fields = open(path).read().split()
    if len(fields) != 8:
        fault("%s has %d fields" % (rel, len(fields)))
        return None
    x, y, w, h, key = (int(fields[i]) for i in (0, 1, 2, 3, 7))
    for pic in fields[4:7]:
        if not pic.startswith("./gui/%s/" % folder):
            fault("%s names %s outside its folder" % (rel, pic))
        expect_size(pic[2:], w, h)
    return rel, (x, y, w, h), key


def overlaps(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def key_allowed(folder, name, key):
    if folder == "play":
        return key == 0                               # polled buttons have no keys
    if folder == "mainmenu":
        return key not in (13, 271, 48, 273, 274)     # the menu's own keys
    if folder == "editor":                            # typing the level name
        return key == 0 or 282 <= key <= 293
    return {"ok": (13,), "save": (13,), "discard": (0,) + tuple(range(282, 294)),
            "cancel": (27,)}[name].__contains__(key)


def check_buttons():
    for folder, names in BUTTONS.items():
        placed = []
        for name in names:
            got = read_button(folder, name)
            if got is None:
                continue
            rel, area, key = got
            x, y, w, h = area
            if x < 0 or y < 0 or x + w > 800 or y + h > 600:
                fault(rel + " lies off the screen")
            if not key_allowed(folder, name, key):
                fault("%s uses key %d, which its screen needs" % (rel, key))
            if folder in ("play", "editor") and overlaps(area, BOARD):
                fault(rel + " covers the board")
            if folder == "play" and any(overlaps(area, (hx, hy, 150, 76))
                                        for hx, hy in HELP_SLOTS):
                fault(rel + " covers a help picture")
            if folder == "messages":
                bx, by, bw, bh = MESSAGE_BOX
                if x < bx or y < by or x + w > bx + bw or y + h > by + bh:
                    fault(rel + " lies outside the message box")
            for other, oarea in placed:
                # the OK button shares its place with the save row: they never show together
                if overlaps(area, oarea) and "ok" not in (name, other):
                    fault("%s overlaps %s" % (rel, other))
            placed.append((name, area))


def main():
    check_pictures()
    check_tiles()
    check_help_and_tutorials()
    check_menu_lists()
    check_buttons()
    check_play_disabled()
    for f in faults:
        print("art fault: " + f)
    print("art check: %s" % ("%d faults" % len(faults) if faults else "all good"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
