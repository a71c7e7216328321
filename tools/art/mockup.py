"""Composes mock-up screenshots from the generated pictures, placed the way the game places them,
so the art can be judged together."""
import argparse
import os

import cairo

from layout import BOARD, HELP_SLOTS, LEVEL_LIST, MESSAGE_BOX, NAME_STRIP, PREVIEW, SET_LIST, \
    all_buttons
from style import (BOX_FILL, BOX_TEXT, COLOR_NAMES, DATA, LEVEL_LIST_BG, NAME_LABEL, SANS,
                   SET_LIST_BG, rgb)
from tutorials import INTRO_TEXTS, TUTORIAL_PICTURE, lines_read

# A tutorial board ("Primary Blockers") in the level string form: size, rows, six positions.
SAMPLE = ("7 5 7 1 7 7 7 0 0 7 7 7 1 7 0 0 7 7 7 7 7 4 7 7 2 7 7 4 4 7 2 7 7 7 7 7 7 "
          "0 0 0 3 4 2 4 1 1 4 6 2")


def parse(level):
    n = [int(v) for v in level.split()]
    w, h = n[0], n[1]
    tiles = {(x, y): n[2 + y * w + x] for y in range(h) for x in range(w)}
    p = n[2 + w * h:]
    pos = [(p[i], p[i + 1]) for i in range(0, 12, 2)]
    return tiles, pos  # circle, star, triangle, circle goal, star goal, triangle goal


def picture(rel):
    return cairo.ImageSurface.create_from_png(os.path.join(DATA, rel))


def blit(cr, rel, x, y):
    cr.set_source_surface(picture(rel), x, y)
    cr.paint()


def label(cr, s, size=14, bold=False):
    cr.select_font_face(SANS, cairo.FONT_SLANT_NORMAL,
                        cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    cr.set_font_size(size)
    return cr.text_extents(s).x_advance


def say(cr, s, x, y, color, size=14, bold=False, bg=None):
    """Text as SDL_ttf would put it: top-left corner at (x, y), optionally on a shaded box."""
    w = label(cr, s, size, bold)
    ascent = cr.font_extents()[0]
    if bg:
        cr.rectangle(x, y, w, size + 3)
        cr.set_source_rgba(*rgb(bg))
        cr.fill()
    cr.move_to(x, y + ascent)
    cr.set_source_rgba(*rgb(color))
    cr.show_text(s)
    return w


def draw_buttons(cr, folder, look=None):
    for b in all_buttons():
        if b.folder == folder:
            blit(cr, b.picture((look or {}).get(b.name, "idle"))[2:], b.x, b.y)


def offsets(tiles):
    used = [p for p, c in tiles.items() if c]
    cols = [p[0] for p in used] or [9, -1]
    rows = [p[1] for p in used] or [7, -1]
    ox = int(((min(cols) - max(cols) + 9) * 60) / 2) - 60 * min(cols) - 30 if used else 0
    oy = int(((min(rows) - max(rows) + 7) * 60) / 2) - 60 * min(rows) - 30 if used else 0
    return ox, oy


def draw_board(cr, tiles, pos, ox, oy, selected=None, arrow=None):
    bx, by = BOARD[0], BOARD[1]
    for (x, y), c in tiles.items():
        if c:
            blit(cr, "graphics/%s.png" % COLOR_NAMES[c], bx + ox + 60 * x, by + oy + 60 * y)
    names = ("circle", "star", "triangle")
    for i, n in enumerate(names):
        x, y = pos[3 + i]
        blit(cr, "graphics/%sgoal.png" % n, bx + ox + 60 * x, by + oy + 60 * y)
    for i, n in enumerate(names):
        x, y = pos[i]
        pre = "selected" if selected == i else ""
        blit(cr, "graphics/%s%s.png" % (pre, n), bx + ox + 60 * x, by + oy + 60 * y)
    if arrow:
        (x, y), d = arrow
        blit(cr, "graphics/arrow%s.png" % d, bx + ox + 60 * x, by + oy + 60 * y)


def name_label(cr, s):
    w = label(cr, s)
    say(cr, s, NAME_STRIP[0] + int((223 - w) / 2), 548, NAME_LABEL)
    return w


def play_screen(out):
    s = cairo.ImageSurface(cairo.FORMAT_RGB24, 800, 600)
    cr = cairo.Context(s)
    blit(cr, "graphics/play.png", 0, 0)
    tiles, pos = parse(SAMPLE)
    ox, oy = offsets(tiles)
    draw_board(cr, tiles, pos, ox, oy, selected=1, arrow=(pos[0], "right"))
    name_label(cr, "Primary Blockers")
    draw_buttons(cr, "play", {"undo": "hover"})
    blit(cr, "graphics/circlehelp.png", *HELP_SLOTS[0])
    blit(cr, "graphics/whitehelp.png", *HELP_SLOTS[1])
    s.write_to_png(os.path.join(out, "mock_play.png"))
    return s


def editor_screen(out):
    s = cairo.ImageSurface(cairo.FORMAT_RGB24, 800, 600)
    cr = cairo.Context(s)
    blit(cr, "graphics/editor.png", 0, 0)
    tiles, pos = parse(SAMPLE)
    draw_board(cr, tiles, pos, 0, 0)
    w = name_label(cr, "My First Level")
    draw_buttons(cr, "editor", {"purple": "pressed", "star": "hover"})
    blit(cr, "graphics/caret.png", int((w + 223) / 2) + 368, 548)
    s.write_to_png(os.path.join(out, "mock_editor.png"))


def menu_screen(out):
    s = cairo.ImageSurface(cairo.FORMAT_RGB24, 800, 600)
    cr = cairo.Context(s)
    blit(cr, "graphics/chooselevel_beta.png", 0, 0)
    sets = [("how to be smart", (255, 255, 128)), ("first steps", (196, 255, 196)),
            ("be creative", (255, 255, 255)), ("hard nuts", (196, 196, 196))]
    for i, (n, c) in enumerate(sets):
        say(cr, n, SET_LIST[0], SET_LIST[1] + 18 * i, c, bg=SET_LIST_BG)
    levels = [("setting goals", (196, 255, 196)), ("opaque", (196, 255, 196)),
              ("mixing colors", (255, 255, 128)), ("primary blockers", (255, 255, 255)),
              ("secondary blockers", (196, 196, 196)), ("getting rid of yellow", (196, 196, 196))]
    for i, (n, c) in enumerate(levels):
        say(cr, n, LEVEL_LIST[0], LEVEL_LIST[1] + 18 * i, c, bg=LEVEL_LIST_BG)
    tiles, pos = parse("6 3 7 2 1 3 7 7 7 1 4 5 7 7 7 4 2 6 7 7 0 2 0 1 0 0 5 2 5 1 5 0")
    cols = [p[0] for p, c in tiles.items() if c]
    rows = [p[1] for p, c in tiles.items() if c]
    left = int(((min(cols) - max(cols) + 9) * 25) / 2) - min(cols) * 25 + 513
    top = int(((min(rows) - max(rows) + 7) * 25) / 2) - min(rows) * 25 + 138
    for (x, y), c in tiles.items():
        if c:
            blit(cr, "graphics/preview%s.png" % COLOR_NAMES[c], left + 25 * x, top + 25 * y)
    for i, n in enumerate(("circle", "star", "triangle")):
        x, y = pos[3 + i]
        blit(cr, "graphics/preview%sgoal.png" % n, left + 25 * x + 1, top + 25 * y + 1)
    for i, n in enumerate(("circle", "star", "triangle")):
        x, y = pos[i]
        blit(cr, "graphics/preview%s.png" % n, left + 25 * x, top + 25 * y)
    draw_buttons(cr, "mainmenu", {"music": "pressed", "play": "hover"})
    s.write_to_png(os.path.join(out, "mock_menu.png"))
    blit(cr, "graphics/locked.png", PREVIEW[0], PREVIEW[1])
    s.write_to_png(os.path.join(out, "mock_menu_locked.png"))


def message_box(out, background, level, title, intro, buttons=("ok",)):
    s = cairo.ImageSurface(cairo.FORMAT_RGB24, 800, 600)
    cr = cairo.Context(s)
    cr.set_source_surface(background, 0, 0)
    cr.paint()
    blit(cr, "graphics/message.png", 0, 0)
    bx, by, bw, bh = MESSAGE_BOX
    cr.rectangle(bx, by, bw, bh)
    cr.set_source_rgba(*rgb(BOX_FILL))
    cr.fill()
    say(cr, title, bx, by, BOX_TEXT, size=15, bold=True)
    lines = intro.split("\n")
    for k, line in enumerate(lines):
        say(cr, line, bx, by + 22 + 15 * k, BOX_TEXT)
    n = lines_read(intro)
    if level is not None:
        pic = picture("graphics/" + TUTORIAL_PICTURE[level])
        cr.set_source_surface(pic, bx + int((343 - pic.get_width()) / 2), by + 29 + 14 * n)
        cr.paint()
    draw_buttons_named(cr, buttons)
    s.write_to_png(os.path.join(out, "mock_box_%s.png" % (level if level is not None else "save")))


def draw_buttons_named(cr, names):
    for b in all_buttons():
        if b.folder == "messages" and b.name in names:
            blit(cr, b.picture("idle")[2:], b.x, b.y)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("out", nargs="?", default="/tmp", help="folder for the mock-ups")
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    menu_screen(out)
    editor_screen(out)
    play = play_screen(out)
    for level, intro in INTRO_TEXTS.items():
        message_box(out, play, level, "Tutorial level %d" % level, intro)
    message_box(out, play, None, "Do you want to save your changes?",
                "The changes you have made to your level have not\nbeen saved yet.\n\n"
                "Click Save to save your changes.\nClick Discard to go to the main menu "
                "without saving.\nClick Cancel to return to the level editor.",
                ("save", "discard", "cancel"))
    print("mock-ups written to " + out)


if __name__ == "__main__":
    main()
