"""The help diagrams shown left of the board: what a shape may enter and what it makes of it,
and what each shape does to a tile of one colour."""
from layout import HELP_SIZE
from style import (COLOR_NAMES, INK, SHAPE_NAMES, SHAPE_PRIMARY, WHITE, cross, draw_shape,
                   draw_tile, move_color, paper_panel, rgb, save, small_arrow, surface, text)

WIDTH, HEIGHT = HELP_SIZE


def panel(title):
    s, cr = surface(WIDTH, HEIGHT)
    paper_panel(cr, 0.75, 0.75, WIDTH - 1.5, HEIGHT - 1.5, r=7, shadow=False)
    text(cr, title, 8, 14, 11, INK, bold=True)
    return s, cr


def transition(cr, old, new, x, y, size):
    """old tile -> new tile"""
    draw_tile(cr, old, x, y, size)
    small_arrow(cr, x + size + 2, y + size / 2.0, x + size + 10, y + size / 2.0, rgb(INK), 1.6, 5)
    draw_tile(cr, new, x + size + 12, y, size)


def make_shape_help(kind):
    name = SHAPE_NAMES[kind]
    s, cr = panel("%s adds %s" % (name, COLOR_NAMES[SHAPE_PRIMARY[kind]]))
    draw_shape(cr, kind, 24, 46, 15)
    # every colour this shape may enter, in colour-code order (white first reads best)
    entries = [(WHITE, move_color(WHITE, kind))]
    entries += [(c, move_color(c, kind)) for c in range(1, 7) if move_color(c, kind)]
    size = 17
    for i, (old, new) in enumerate(entries):
        col, row = i % 2, i // 2
        transition(cr, old, new, 47 + col * 48, 24 + row * 25, size)
    save(s, "graphics/%shelp.png" % name)


def make_color_help(code):
    name = COLOR_NAMES[code]
    s, cr = panel("%s tile" % name)
    draw_tile(cr, code, 9, 24, 40)
    for i, kind in enumerate(SHAPE_NAMES):
        cx = 70 + i * 31
        draw_shape(cr, kind, cx, 28, 8.5, shadow=False)
        new = move_color(code, kind)
        if new is None:
            cross(cr, cx, 59, 11, width=2.6)
        else:
            small_arrow(cr, cx, 40, cx, 50, rgb(INK), 1.6, 5)
            draw_tile(cr, new, cx - 9, 51, 18)
    save(s, "graphics/%shelp.png" % name)


def make_all():
    for kind in SHAPE_NAMES:
        make_shape_help(kind)
    for code in COLOR_NAMES:
        make_color_help(code)
