"""Board pieces: tiles, shapes, goal markers, arrows, the preview set, caret, lock and icon."""
import math

import cairo

from style import (CIRCLE, COLOR_NAMES, CREAM, FELT, GOLD, NAME_LABEL, PAPER, SHAPE_LIGHT,
                   SHAPE_NAMES, STAR, TRIANGLE, WOOD, WOOD_DEEP, WOOD_LIGHT, HONEY, draw_shape,
                   draw_shape_outline, draw_tile, lighten, pixels, rgb, rounded_rect, save,
                   shape_path, surface, text)

TILE = 60
PREVIEW = 25


def check_tile(s, name):
    """Tiles land on colour-keyed surfaces where pixel value 0 is transparent; a near-black
    pixel could also map to 0 on a 16-bit display, so keep every channel well clear of it."""
    assert s.get_format() == cairo.FORMAT_RGB24, name
    for r, g, b, _ in pixels(s):
        assert max(r, g, b) >= 24, "%s has a near-black pixel" % name


def make_tiles():
    for code, name in COLOR_NAMES.items():
        for size, prefix in ((TILE, ""), (PREVIEW, "preview")):
            s, cr = surface(size, size, opaque=True)
            draw_tile(cr, code, 0, 0, size)
            check_tile(s, prefix + name)
            save(s, "graphics/%s%s.png" % (prefix, name))


def make_shapes():
    for kind, name in SHAPE_NAMES.items():
        s, cr = surface(TILE, TILE)
        draw_shape(cr, kind, 30, 30, 19)
        save(s, "graphics/%s.png" % name)

        s, cr = surface(TILE, TILE)
        draw_selection_ring(cr, 30, 30)
        draw_shape(cr, kind, 30, 30, 19.5)
        save(s, "graphics/selected%s.png" % name)

        s, cr = surface(PREVIEW, PREVIEW)
        draw_shape(cr, kind, 12.5, 12.5, 8.2, shadow=False)
        save(s, "graphics/preview%s.png" % name)


def draw_selection_ring(cr, cx, cy):
    """The keyboard-selected shape: a soft golden glow and a bright ring with a dark edge, which
    shows on every tile colour."""
    g = cairo.RadialGradient(cx, cy, 18, cx, cy, 30)
    g.add_color_stop_rgba(0, *rgb(GOLD, 0.0))
    g.add_color_stop_rgba(0.55, *rgb(GOLD, 0.75))
    g.add_color_stop_rgba(1, *rgb(GOLD, 0.0))
    cr.set_source(g)
    cr.arc(cx, cy, 30, 0, 2 * math.pi)
    cr.fill()
    cr.set_line_width(4.5)
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.85))
    cr.arc(cx, cy, 26.5, 0, 2 * math.pi)
    cr.stroke()
    cr.set_line_width(2.2)
    cr.set_source_rgba(*rgb(lighten(GOLD, 0.5)))
    cr.arc(cx, cy, 26.5, 0, 2 * math.pi)
    cr.stroke()


def draw_goal_marker(cr, kind, x, y, size):
    """A home marker: a dark badge holding the hollow outline of its shape in the shape's
    colour."""
    cr.save()
    rounded_rect(cr, x + 0.5, y + 0.5, size - 1, size - 1, size * 0.22)
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.82))
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(CREAM, 0.85))
    cr.set_line_width(max(0.8, size * 0.06))
    cr.stroke()
    c = size / 2.0
    if size >= 14:
        draw_shape_outline(cr, kind, x + c, y + c, size * 0.3, SHAPE_LIGHT[kind], size * 0.11)
    else:
        shape_path(cr, kind, x + c, y + c, size * 0.33)
        cr.set_source_rgba(*rgb(SHAPE_LIGHT[kind]))
        cr.fill()
    cr.restore()


def make_goals():
    for kind, name in SHAPE_NAMES.items():
        s, cr = surface(20, 20)
        draw_goal_marker(cr, kind, 0, 0, 20)
        save(s, "graphics/%sgoal.png" % name)
        s, cr = surface(9, 9)
        draw_goal_marker(cr, kind, 0, 0, 9)
        save(s, "graphics/preview%sgoal.png" % name)


def _arrow_section(cr, colour):
    """The section: the triangle between the tile's top edge and its centre, lit from the edge."""
    cr.move_to(1, 1)
    cr.line_to(59, 1)
    cr.line_to(30, 30)
    cr.close_path()
    g = cairo.LinearGradient(0, 0, 0, 30)
    g.add_color_stop_rgba(0, *rgb(colour, 0.38))
    g.add_color_stop_rgba(1, *rgb(colour, 0.0))
    cr.set_source(g)
    cr.fill()


def _arrow_body(cr, tip, fill):
    """The arrow pointing up at the top edge, its tip at y = tip, outlined in dark wood."""
    cr.move_to(30, tip)
    cr.line_to(41, tip + 11.5)
    cr.line_to(34.5, tip + 11.5)
    cr.line_to(34.5, tip + 16.5)
    cr.line_to(25.5, tip + 16.5)
    cr.line_to(25.5, tip + 11.5)
    cr.line_to(19, tip + 11.5)
    cr.close_path()
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.9))
    cr.set_line_width(3)
    cr.stroke_preserve()
    cr.set_source_rgba(*fill)
    cr.fill()


ARROW_TURNS = (("up", 0), ("right", 90), ("down", 180), ("left", 270))


def _turned(direction_degrees):
    s, cr = surface(TILE, TILE)
    cr.translate(30, 30)
    cr.rotate(math.radians(direction_degrees))
    cr.translate(-30, -30)
    return s, cr


def make_arrows():
    """Each arrow lights the quarter of the tile the pointer is in and points at the edge the
    shape would cross."""
    for direction, rot in ARROW_TURNS:
        s, cr = _turned(rot)
        _arrow_section(cr, CREAM)
        _arrow_body(cr, 2.5, rgb(CREAM, 0.97))
        save(s, "graphics/arrow%s.png" % direction)


BLOCKED = (196, 62, 46)


def make_blocked_arrows():
    """The same arrow when the shape may not go that way: a red glow, a dimmed arrow that stops
    short of a red bar across the edge."""
    for direction, rot in ARROW_TURNS:
        s, cr = _turned(rot)
        _arrow_section(cr, BLOCKED)
        # a cream rim and a dark edge, so the bar reads on every tile colour, red ones too
        rounded_rect(cr, 15, 3, 30, 6, 3)
        cr.set_source_rgba(*rgb(WOOD_DEEP, 0.9))
        cr.set_line_width(5)
        cr.stroke_preserve()
        cr.set_source_rgba(*rgb(CREAM))
        cr.set_line_width(2.5)
        cr.stroke_preserve()
        cr.set_source_rgba(*rgb(BLOCKED))
        cr.fill()
        _arrow_body(cr, 13, rgb(PAPER, 0.6))
        save(s, "graphics/arrowblocked%s.png" % direction)


def make_par_mark():
    """The menu's mark of a level solved in its fewest moves: a small gold coin with a tick."""
    s, cr = surface(13, 13)
    cr.arc(6.5, 6.5, 5.8, 0, 2 * math.pi)
    g = cairo.LinearGradient(0, 0, 0, 13)
    g.add_color_stop_rgba(0, *rgb(lighten(GOLD, 0.3)))
    g.add_color_stop_rgba(1, *rgb(HONEY))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(WOOD_DEEP))
    cr.set_line_width(1.1)
    cr.stroke()
    cr.move_to(3.7, 6.7)
    cr.line_to(5.8, 8.9)
    cr.line_to(9.5, 4.4)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    cr.set_line_width(1.7)
    cr.stroke()
    save(s, "graphics/parmark.png")


def make_caret():
    s, cr = surface(2, 16)
    cr.set_source_rgba(*rgb(lighten(NAME_LABEL, 0.3)))
    cr.paint()
    save(s, "graphics/caret.png")


def draw_padlock(cr, cx, cy, scale):
    cr.save()
    cr.translate(cx, cy)
    cr.scale(scale, scale)
    cr.set_line_width(5)
    cr.set_source_rgba(*rgb(lighten(WOOD_LIGHT, 0.4)))
    cr.arc(0, -8, 11, math.pi, 2 * math.pi)
    cr.line_to(11, 2)
    cr.move_to(-11, 2)
    cr.line_to(-11, -8)
    cr.stroke()
    rounded_rect(cr, -17, -2, 34, 26, 4)
    g = cairo.LinearGradient(0, -2, 0, 24)
    g.add_color_stop_rgba(0, *rgb(GOLD))
    g.add_color_stop_rgba(1, *rgb(HONEY))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(WOOD_DEEP))
    cr.set_line_width(1.5)
    cr.stroke()
    cr.arc(0, 8, 3.5, 0, 2 * math.pi)
    cr.fill()
    cr.move_to(-1.8, 9)
    cr.line_to(1.8, 9)
    cr.line_to(2.5, 17)
    cr.line_to(-2.5, 17)
    cr.close_path()
    cr.fill()
    cr.restore()


def make_locked():
    s, cr = surface(225, 175)
    rounded_rect(cr, 0, 0, 225, 175, 6)
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.78))
    cr.fill()
    draw_padlock(cr, 112.5, 72, 1.3)
    text(cr, "locked", 112.5, 132, 16, rgb(CREAM, 0.95), bold=True, align="centre")
    text(cr, "solve the levels before it", 112.5, 152, 11, rgb(PAPER, 0.8), align="centre")
    save(s, "graphics/locked.png")


def make_icon():
    s, cr = surface(32, 32)
    rounded_rect(cr, 0.5, 0.5, 31, 31, 6)
    g = cairo.LinearGradient(0, 0, 32, 32)
    g.add_color_stop_rgba(0, *rgb(WOOD_LIGHT))
    g.add_color_stop_rgba(1, *rgb(WOOD))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(WOOD_DEEP))
    cr.set_line_width(1)
    cr.stroke()
    rounded_rect(cr, 3, 3, 26, 26, 4)
    cr.set_source_rgba(*rgb(FELT))
    cr.fill()
    draw_shape(cr, CIRCLE, 10.5, 11, 6.2, shadow=False, halo=False)
    draw_shape(cr, STAR, 21.5, 11, 6.2, shadow=False, halo=False)
    draw_shape(cr, TRIANGLE, 16, 22, 6.2, shadow=False, halo=False)
    save(s, "graphics/icon.png")


def make_all():
    make_tiles()
    make_shapes()
    make_goals()
    make_arrows()
    make_blocked_arrows()
    make_par_mark()
    make_caret()
    make_locked()
    make_icon()

