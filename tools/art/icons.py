#!/usr/bin/python3
"""The desktop icon in the hicolor theme's sizes, written to packaging/icons/, and the web
edition's at 192 and 512 pixels, written to web/: the three shapes
on a felt board in a wooden frame, like the window's own icon (graphics/icon.png). From 48
pixels up the shapes stand on tiles of mixed colours, which is what the game is about; below
that the shapes alone stay readable.  Run: /usr/bin/python3 tools/art/icons.py"""
import os
import sys

import cairo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from style import (CIRCLE, FELT, GREEN, ORANGE, PURPLE, ROOT, STAR, TRIANGLE, WHITE,  # noqa: E402
                   WOOD, WOOD_DEEP, WOOD_LIGHT, draw_shape, draw_tile, rgb, rounded_rect, surface)

SIZES = (16, 32, 48, 64, 128, 256)
FOLDER = os.path.join(ROOT, "packaging", "icons")
# The web edition's, named in its manifest: what a phone shows for the installed page.
WEB_SIZES = (192, 512)
WEB_FOLDER = os.path.join(ROOT, "web")

# Tile colour and shape of each quarter of the board, left to right, top to bottom.
QUARTERS = ((ORANGE, CIRCLE), (GREEN, STAR), (PURPLE, TRIANGLE), (WHITE, None))


def draw_icon(size):
    s, cr = surface(size, size)
    u = size / 32.0
    rounded_rect(cr, 0.5 * u, 0.5 * u, 31 * u, 31 * u, 6 * u)
    g = cairo.LinearGradient(0, 0, size, size)
    g.add_color_stop_rgba(0, *rgb(WOOD_LIGHT))
    g.add_color_stop_rgba(1, *rgb(WOOD))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(WOOD_DEEP))
    cr.set_line_width(max(1.0, u))
    cr.stroke()
    rounded_rect(cr, 3 * u, 3 * u, 26 * u, 26 * u, 4 * u)
    cr.set_source_rgba(*rgb(FELT))
    cr.fill()
    if size < 48:
        for kind, x, y in ((CIRCLE, 10.5, 11), (STAR, 21.5, 11), (TRIANGLE, 16, 22)):
            draw_shape(cr, kind, x * u, y * u, 6.2 * u, shadow=False, halo=False)
        return s
    tile = 12 * u
    for i, (colour, kind) in enumerate(QUARTERS):
        x = 4 * u + (i % 2) * tile
        y = 4 * u + (i // 2) * tile
        draw_tile(cr, colour, x, y, tile)
        if kind is not None:
            draw_shape(cr, kind, x + tile / 2, y + tile / 2, tile * 0.36, shadow=size >= 64)
    return s


def main():
    os.makedirs(FOLDER, exist_ok=True)
    for folder, sizes in ((FOLDER, SIZES), (WEB_FOLDER, WEB_SIZES)):
        for size in sizes:
            s = draw_icon(size)
            s.flush()
            s.write_to_png(os.path.join(folder, "quorvellan-%d.png" % size))
    return 0


if __name__ == "__main__":
    sys.exit(main())
