"""Checks the shipped pictures and ".button" files against what the game relies on: every file
its code names, at every scale of the game's table (each k-times master k times the 1x size), the
sizes the picture table gives, opaque tiles without black (black is the
board's colour key), buttons where layout.py puts them that fit their screens, hot keys that do
not steal the screens' own keys, and the numbers and colours that both the art and the game's
code hold. Redraws nothing. Exits non-zero and lists every fault found."""
import os
import sys

import cairo

import game_code
from game_code import CodeError
from layout import (BOARD, HELP_SLOTS, LEVEL_LIST, MESSAGE_BOX, MESSAGE_MARGIN, NAME_STRIP,
                    PREVIEW, SCREEN, SET_LIST, TOUCH_MOVE_HELP, all_buttons, ok_button)
from style import (BOX_FILL, BOX_TEXT, COLOR_NAMES, DATA, LEVEL_LIST_BG, LIST_LOCKED, LIST_OPEN,
                   LIST_SOLVED, NAME_LABEL, SET_LIST_BG, SHAPE_NAMES, pixels, scaled_path)
from tutorials import (INTRO_TEXTS, MARGIN, PICTURE_STEP, PICTURE_TOP, TUTORIAL_PICTURE,
                       picture_top)

COLORS = list(COLOR_NAMES.values())
SHAPES = list(SHAPE_NAMES.values())
faults = []


def fault(msg):
    faults.append(msg)


def scales():
    try:
        return game_code.picture_scales()
    except CodeError as e:
        fault(str(e))
        return [1]


SCALES = scales()


def load_master(rel):
    path = os.path.join(DATA, rel)
    if not os.path.exists(path):
        fault("missing " + rel)
        return None
    return cairo.ImageSurface.create_from_png(path)


def load(rel):
    """The 1x master of a picture; its masters at the higher scales must be there, each exactly
    that many times its size (the game takes a master's size in the game's units from them)."""
    s = load_master(rel)
    for k in SCALES[1:]:
        big = load_master(scaled_path(rel, k))
        if s is None or big is None:
            continue
        if (big.get_width(), big.get_height()) != (k * s.get_width(), k * s.get_height()):
            fault("%s is %dx%d, expected %d times %s's %dx%d"
                  % (scaled_path(rel, k), big.get_width(), big.get_height(), k, rel,
                     s.get_width(), s.get_height()))
    return s


def expect_size(rel, w, h, at_most=False):
    s = load(rel)
    if s is None:
        return None
    sw, sh = s.get_width(), s.get_height()
    if (sw > w or sh > h) if at_most else (sw, sh) != (w, h):
        fault("%s is %dx%d, expected %s%dx%d" % (rel, sw, sh, "at most " if at_most else "", w, h))
    return s


def check_pictures():
    """Every picture of the table, and every other picture the code names, is there at its size."""
    try:
        table = game_code.picture_table()
        others = game_code.named_files(r"\./graphics/(\w+)\.png")
    except CodeError as e:
        fault(str(e))
        return
    if len(table) != 62:
        fault("the picture table loads %d files" % len(table))
    for picture in table:
        rel = "graphics/%s.png" % picture.stem
        if picture.fit:
            expect_size(rel, picture.width, picture.height, at_most=picture.fit == "AtMost")
        else:
            load(rel)
    expect_size("graphics/icon.png", 32, 32)
    expect_size("graphics/splash.png", *SCREEN)
    for stem in sorted(set(others) - {p.stem for p in table} - {"icon", "splash"}):
        load("graphics/%s.png" % stem)


def check_tiles():
    """Tiles are blitted onto colour-keyed surfaces: no alpha, and nothing near black, at every
    scale."""
    for k in SCALES:
        for prefix in ("", "preview"):
            for c in COLORS:
                check_tile(scaled_path("graphics/%s%s.png" % (prefix, c), k))


def check_tile(rel):
    s = load_master(rel)
    if s is None:
        return
    if s.get_format() != cairo.FORMAT_RGB24:
        fault(rel + " has an alpha channel")
    if any(max(r, g, b) < 24 for r, g, b, _ in pixels(s)):
        fault(rel + " has a near-black pixel")


def check_help_and_tutorials():
    slot_gap = HELP_SLOTS[1][1] - HELP_SLOTS[0][1]
    for n in SHAPES + COLORS:
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
    for (x, y, w, h), color in ((SET_LIST, SET_LIST_BG), (LEVEL_LIST, LEVEL_LIST_BG)):
        for yy in range(y, y + h, 17):
            for xx in range(x, x + w, 13):
                if px[yy * 800 + xx][:3] != color:
                    fault("list panel at (%d, %d) is not %s" % (xx, yy, color))
                    return


def check_message_margin():
    """Round the box the frame leaves a strip of the box's own colour, which keeps the text the
    game writes to the box's edge off the frame."""
    s = load("graphics/message.png")
    if s is None:
        return
    px = pixels(s)
    x, y, w, h = MESSAGE_BOX
    for d in range(1, MESSAGE_MARGIN + 1):
        for xx, yy in ((x - d, y + h // 2), (x + w - 1 + d, y + h // 2), (x + w // 2, y - d),
                       (x + w // 2, y + h - 1 + d)):
            if px[yy * SCREEN[0] + xx] != BOX_FILL + (255,):
                fault("message.png at (%d, %d) is not the box's colour %s" % (xx, yy, BOX_FILL))
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
    # a box button the rules do not know yet may still go without a key
    return key in {"ok": (13,), "save": (13,), "discard": (0,) + tuple(range(282, 294)),
                   "cancel": (27,), "watch": (119,)}.get(name, (0,))


def check_buttons():
    """The buttons the screens read are the ones layout.py places, each as its file says."""
    read = game_code.button_files()
    places = {(b.folder, b.name): b for b in all_buttons()}
    for folder, name in sorted(set(read) - set(places)):
        fault("%s reads gui/%s/%s.button, which layout.py does not place"
              % (read[folder, name], folder, name))
    for folder, name in sorted(set(places) - set(read)):
        fault("layout.py places gui/%s/%s.button, which no screen reads" % (folder, name))
    placed = {}
    for button in all_buttons():
        folder, name = button.folder, button.name
        got = read_button(folder, name) if (folder, name) in read else None
        if got is None:
            continue
        rel, area, key = got
        x, y, w, h = area
        with open(os.path.join(DATA, rel)) as f:
            if f.read() != button.file_text():
                fault(rel + " is not what layout.py places: redraw the art")
        if x < 0 or y < 0 or x + w > SCREEN[0] or y + h > SCREEN[1]:
            fault(rel + " lies off the screen")
        if not key_allowed(folder, name, key):
            fault("%s uses key %d, which its screen needs" % (rel, key))
        if folder in ("play", "editor") and overlaps(area, BOARD):
            fault(rel + " covers the board")
        if folder == "play" and any(overlaps(area, (hx, hy, 150, 76)) for hx, hy in HELP_SLOTS):
            fault(rel + " covers a help picture")
        if folder == "messages":
            bx, by, bw, bh = MESSAGE_BOX
            if x < bx or y < by or x + w > bx + bw or y + h > by + bh:
                fault(rel + " lies outside the message box")
        for other, oarea in placed.setdefault(folder, []):
            # the OK button shares its place with the save row, and the offer beside it
            # Cancel's: they never show together
            apart = "ok" in (name, other) or {name, other} == {"watch", "cancel"}
            if overlaps(area, oarea) and not apart:
                fault("%s overlaps %s" % (rel, other))
        placed[folder].append((name, area))


def same_as_code(what, art, rel, names):
    """A fault naming both places unless the art's numbers equal the C++ constants (a brace
    initialiser stands for its leading numbers, as many as the art has)."""
    try:
        code = [game_code.constant(rel, name) for name in names.split()]
    except CodeError as e:
        fault("%s, which %s is held to" % (e, what))
        return
    if len(code) == 1 and isinstance(code[0], tuple):
        code = list(code[0][:len(art)])
    if tuple(code) != tuple(art):
        fault("%s is %s, but src/%s has %s for %s" % (what, tuple(art), rel, tuple(code),
                                                      ", ".join(names.split())))


def check_shared_numbers():
    """Places, sizes and colours that the art draws around and the game draws with."""
    board, menu, box = "render/BoardView.h", "screens/MenuLayout.h", "render/MessageBoxState"
    same_as_code("layout.BOARD", BOARD, board, "kBoardX kBoardY kBoardPixelWidth kBoardPixelHeight")
    same_as_code("layout.NAME_STRIP's x, y and width", NAME_STRIP[:3], board,
                 "kNameStripX kNameLabelY kNameStripWidth")
    same_as_code("layout.HELP_SLOTS", HELP_SLOTS[0] + HELP_SLOTS[1], "screens/PlayState.cpp",
                 "kHelpX kHelpY kHelpX kColorHelpY")
    same_as_code("layout.TOUCH_MOVE_HELP's place", TOUCH_MOVE_HELP[:2], "screens/PlayState.cpp",
                 "kTouchMoveHelpX kTouchMoveHelpY")
    same_as_code("layout.MESSAGE_BOX", MESSAGE_BOX, box + ".h", "kBoxX kBoxY kBoxWidth kBoxHeight")
    same_as_code("tutorials.PICTURE_TOP and PICTURE_STEP", (PICTURE_TOP, PICTURE_STEP),
                 box + ".cpp", "kPictureTop kPictureStep")
    same_as_code("layout.SET_LIST", SET_LIST, menu, "kSetList")
    same_as_code("layout.LEVEL_LIST", LEVEL_LIST, menu, "kLevelList")
    same_as_code("layout.PREVIEW", PREVIEW, menu, "kLockedX kLockedY kPreviewWidth kPreviewHeight")
    same_as_code("style.SET_LIST_BG", SET_LIST_BG, menu, "kSetListBackground")
    same_as_code("style.LEVEL_LIST_BG", LEVEL_LIST_BG, menu, "kLevelListBackground")
    for what, art, name in (("OPEN", LIST_OPEN, "kListOpenText"),
                            ("LOCKED", LIST_LOCKED, "kListLockedText"),
                            ("SOLVED", LIST_SOLVED, "kListSolvedText")):
        same_as_code("style.LIST_" + what, art, menu, name)
    same_as_code("style.BOX_FILL", BOX_FILL, box + ".cpp", "kBoxFill")
    same_as_code("style.BOX_TEXT", BOX_TEXT, box + ".cpp", "kTextColor")
    same_as_code("style.NAME_LABEL", NAME_LABEL, "render/BoardView.cpp", "kNameColor")
    try:
        sizes = {p.stem: (p.width, p.height) for p in game_code.picture_table()}
    except CodeError:
        return  # reported with the pictures
    for stem, rel, names in (
            [(n, board, "kTileSize kTileSize") for n in COLORS + SHAPES]
            + [("preview" + c, menu, "kPreviewCell kPreviewCell") for c in COLORS + SHAPES]
            + [("locked", menu, "kPreviewWidth kPreviewHeight")]):
        if stem not in sizes:
            fault("the picture table has no %s" % stem)
        else:
            same_as_code("%s in the picture table" % stem, sizes[stem], rel, names)


def main():
    check_pictures()
    check_tiles()
    check_help_and_tutorials()
    check_menu_lists()
    check_message_margin()
    check_buttons()
    check_shared_numbers()
    check_play_disabled()
    for f in faults:
        print("art fault: " + f)
    print("art check: %s" % ("%d faults" % len(faults) if faults else "all good"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
