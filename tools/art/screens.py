"""Full-screen pictures: the menu, play and editor backgrounds, the message shade, the splash."""
import cairo

from layout import BOARD, HELP_MARGIN, HELP_SIZE, HELP_SLOTS, LEVEL_LIST, MESSAGE_BOX, \
    MESSAGE_MARGIN, MOVE_PANEL, NAME_STRIP, PREVIEW, SCREEN, SET_LIST, TOUCH_MOVE_HELP, \
    all_buttons
from style import (BOX_FILL, CIRCLE, CREAM, DATA, FELT, HONEY, INK, LEVEL_LIST_BG, LIST_LOCKED,
                   LIST_OPEN, LIST_SOLVED, PAPER, SET_LIST_BG, STAR, TRIANGLE, WOOD, WOOD_DEEP,
                   darken, draw_shape, draw_tile, engraved, lighten, moulding, paper_panel,
                   paint_picture, recessed, rgb, rounded_rect, save, surface, text,
                   wood_background)

W, H = SCREEN


def heading(cr, s, x, y, align="left", size=15):
    text(cr, s, x, y, size, CREAM, bold=True, align=align, shadow=(1, 1.5, rgb(WOOD_DEEP, 0.85)))


def hint_lines(cr, lines, x, y, size=11.5, step=15, color=None, align="left"):
    for i, line in enumerate(lines):
        text(cr, line, x, y + i * step, size, color or rgb(lighten(PAPER, 0.2), 0.85),
             align=align, shadow=(0.8, 1, rgb(WOOD_DEEP, 0.6)))


def felt(cr, x, y, w, h):
    """The calm surface behind the tiles: where a tile is missing, this dark hollow shows."""
    g = cairo.RadialGradient(x + w / 2.0, y + h / 2.0, 40, x + w / 2.0, y + h / 2.0, w * 0.7)
    g.add_color_stop_rgba(0, *rgb(lighten(FELT, 0.06)))
    g.add_color_stop_rgba(1, *rgb(darken(FELT, 0.25)))
    cr.rectangle(x, y, w, h)
    cr.set_source(g)
    cr.fill()
    recessed_edge(cr, x, y, w, h)


def recessed_edge(cr, x, y, w, h, depth=10):
    cr.save()
    cr.rectangle(x, y, w, h)
    cr.clip()
    for i in range(depth):
        cr.set_source_rgba(0.05, 0.02, 0.0, 0.22 * (1 - i / float(depth)))
        cr.rectangle(x, y + i, w, 1)
        cr.rectangle(x + i, y, 1, h)
        cr.fill()
    cr.restore()


def board(cr, sockets=False):
    x, y, w, h = BOARD
    moulding(cr, x, y, w, h, width=10, r=4)
    felt(cr, x, y, w, h)
    if sockets:
        # the editor never shifts its grid, so it can show where each of the 9x7 tiles goes
        for c in range(9):
            for r in range(7):
                rounded_rect(cr, x + 60 * c + 3, y + 60 * r + 3, 54, 54, 6)
                cr.set_source_rgba(*rgb(lighten(FELT, 0.25), 0.35))
                cr.set_line_width(1)
                cr.stroke()


def name_plate(cr):
    x, y, w, h = NAME_STRIP
    moulding(cr, x - 2, y - 2, w + 4, h + 4, width=5, r=5)
    recessed(cr, x - 2, y - 2, w + 4, h + 4, darken(FELT, 0.2), r=3, depth=4)


def buttons_of(folder):
    return {b.name: b for b in all_buttons() if b.folder == folder}


def make_menu():
    s, cr = surface(W, H, opaque=True)
    wood_background(cr, W, H, seed=11)
    engraved(cr, "Quorvellan", W / 2.0, 74, 54)
    text(cr, "move the shapes home, mix the colours on the way", W / 2.0, 104, 14,
         rgb(lighten(PAPER, 0.1), 0.9), italic=True, align="centre",
         shadow=(1, 1, rgb(WOOD_DEEP, 0.7)))
    for (x, y, w, h), fill, title in ((SET_LIST, SET_LIST_BG, "level sets"),
                                      (LEVEL_LIST, LEVEL_LIST_BG, "levels"),
                                      (PREVIEW, FELT, "preview")):
        heading(cr, title, x, y - 14)
        moulding(cr, x, y, w, h, width=6, r=3)
        if fill == FELT:
            felt(cr, x, y, w, h)
        else:
            # exactly the lists' own fill colour, so their text boxes sit seamlessly
            cr.rectangle(x, y, w, h)
            cr.set_source_rgba(*rgb(fill))
            cr.fill()
    menu_legend(cr)
    hint_lines(cr, ["Up / Down: choose a level      Shift + Up / Down: choose a set      "
                    "Return: play"], W / 2.0, 585, size=12, align="centre")
    save(s, "graphics/chooselevel_beta.png")


def menu_legend(cr):
    """One line under the lists: what their colours mean, and the par mark (drawn from the
    game's own picture), on a strip of the lists' colour so the colours read as they do there."""
    parts = [("levels:", rgb(lighten(PAPER, 0.2), 0.9)), ("open", LIST_OPEN),
             ("locked", LIST_LOCKED), ("solved", LIST_SOLVED), (None, None),
             ("solved in par", LIST_OPEN)]
    size, gap, mark_w = 13, 12, 13
    cr.save()
    cr.select_font_face("Liberation Sans", cairo.FONT_SLANT_NORMAL, cairo.FONT_WEIGHT_NORMAL)
    cr.set_font_size(size)
    widths = [mark_w if s is None else cr.text_extents(s).x_advance for s, _ in parts]
    cr.restore()
    total = sum(widths) + gap * (len(parts) - 1) - gap + 4
    left = SET_LIST[0]
    right = LEVEL_LIST[0] + LEVEL_LIST[2]
    x = (left + right - total) / 2.0
    top, height = 541, 20
    rounded_rect(cr, x - 10, top, total + 20, height, 4)
    cr.set_source_rgba(*rgb(LEVEL_LIST_BG))
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.7))
    cr.set_line_width(1.2)
    cr.stroke()
    baseline = top + 15
    for (label, colour), width in zip(parts, widths):
        if label is None:
            paint_picture(cr, "graphics/parmark.png", x, top + (height - mark_w) / 2.0)
            x += width + 4  # the mark sits close to its words, as beside a level's name
            continue
        text(cr, label, x, baseline, size, colour)
        x += width + gap


def left_column_title(cr):
    engraved(cr, "Quorvellan", 122, 44, 27)


def make_play():
    s, cr = surface(W, H, opaque=True)
    wood_background(cr, W, H, seed=23)
    board(cr)
    name_plate(cr)
    left_column_title(cr)
    paper_panel(cr, *MOVE_PANEL, r=8)
    text(cr, "how to move", 120, 82, 12, INK, bold=True, align="centre")
    move_lines(cr, ["click a shape's edge to", "move it that way, or drag",
                    "it to the next tile.", "C S T or 1 2 3 select,",
                    "arrow keys move.", "Right click: undo."])
    heading(cr, "help", 51, HELP_SLOTS[0][1] - 10)
    hx, hy = HELP_SLOTS[0]
    # The same margin all round the two pictures; kept clear of the board frame at x 200.
    m = HELP_MARGIN
    bottom = HELP_SLOTS[1][1] + HELP_SIZE[1]
    recessed(cr, hx - m, hy - m, HELP_SIZE[0] + 2 * m, bottom - hy + 2 * m, darken(PAPER, 0.12),
             r=8, depth=5)
    # Inside the first help slot, so that a single diagram always covers the whole hint.
    hint_lines(cr, ["point at a shape", "or a tile to see", "what a move does"], hx + 73,
               hy + 24, size=11, color=rgb(darken(PAPER, 0.45)), align="centre")
    save(s, "graphics/play.png")


def move_lines(cr, lines):
    hint_lines(cr, lines, 120, 99, size=11, step=15, color=rgb(INK), align="centre")


def make_touch_move_help():
    """The "how to move" lines for fingers, which the game draws over the panel's own on a touch
    screen: the same paper under them, so the edges do not show."""
    x, y, w, h = TOUCH_MOVE_HELP
    s, cr = surface(w, h, opaque=True)
    cr.translate(-x, -y)
    paper_panel(cr, *MOVE_PANEL, r=8)
    move_lines(cr, ["tap near a shape's edge or", "swipe the shape to move it",
                    "one tile that way, or drag", "it from tile to tile.",
                    "Hint, undo, menu: the", "buttons next to the game."])
    save(s, "graphics/howtomove_touch.png")


def make_editor():
    s, cr = surface(W, H, opaque=True)
    wood_background(cr, W, H, seed=37)
    board(cr, sockets=True)
    name_plate(cr)
    b = buttons_of("editor")
    recessed(cr, 6, 8, 190, 468, darken(WOOD, 0.35), r=8, depth=6)
    for title, first in (("tiles", "red"), ("shapes", "circle"), ("goals", "circlegoal"),
                         ("shift the board", "left")):
        heading(cr, title, b[first].x, b[first].y - 7, size=13)
    hint_lines(cr, ["Drag shapes and goals to move", "them. Right click or Ctrl+Z:",
                    "undo. F1 to F8 pick a tile", "colour. Escape leaves without", "saving."],
               10, 500, size=11, step=15)
    x, y, w, h = NAME_STRIP
    text(cr, "level name", x - 12, y + 16, 12, CREAM, bold=True, align="right",
         shadow=(1, 1, rgb(WOOD_DEEP, 0.8)))
    hint_lines(cr, ["click or Ctrl+T to type, Return when done"], x + w / 2.0, y + h + 19,
               size=10.5, align="centre")
    save(s, "graphics/editor.png")


def make_message():
    """Shades the frozen screen and frames the box the game draws on top."""
    s, cr = surface(W, H)
    cr.set_source_rgba(0.10, 0.06, 0.02, 0.55)
    cr.paint()
    x, y, w, h = MESSAGE_BOX
    cr.set_operator(cairo.OPERATOR_CLEAR)
    cr.rectangle(x, y, w, h)
    cr.fill()
    cr.set_operator(cairo.OPERATOR_OVER)
    # The game fills the box and writes to its very edge: a strip of the box's own colour
    # keeps the text off the frame.
    m = MESSAGE_MARGIN
    moulding(cr, x - m, y - m, w + 2 * m, h + 2 * m, width=9, r=2)
    cr.rectangle(x - m, y - m, w + 2 * m, h + 2 * m)
    cr.rectangle(x, y, w, h)
    cr.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    cr.set_source_rgba(*rgb(BOX_FILL))
    cr.fill()
    cr.set_fill_rule(cairo.FILL_RULE_WINDING)
    save(s, "graphics/message.png")


def make_splash():
    s, cr = surface(W, H, opaque=True)
    wood_background(cr, W, H, seed=5)
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.25))
    cr.rectangle(0, 170, W, 230)
    cr.fill()
    engraved(cr, "Quorvellan", W / 2.0, 265, 92)
    text(cr, "a calm colour puzzle", W / 2.0, 312, 22, rgb(lighten(PAPER, 0.1)), italic=True,
         align="centre", shadow=(1, 1.5, rgb(WOOD_DEEP, 0.8)))
    codes = (7, 1, 3, 2, 6, 4, 5, 7)
    x0 = (W - len(codes) * 60) / 2.0
    moulding(cr, x0, 370, len(codes) * 60, 60, width=7, r=3)
    for i, code in enumerate(codes):
        draw_tile(cr, code, x0 + i * 60, 370, 60)
    for i, kind in ((1, CIRCLE), (3, STAR), (5, TRIANGLE)):
        draw_shape(cr, kind, x0 + i * 60 + 30, 400, 19)
    text(cr, "loading ...", W / 2.0, 560, 14, rgb(lighten(HONEY, 0.3), 0.9), align="centre")
    save(s, "graphics/splash.png")


def make_all():
    make_menu()
    make_play()
    make_touch_move_help()
    make_editor()
    make_message()
    make_splash()

