"""The house style: palette, fonts and the small drawing helpers every picture shares."""
import math
import os
import random

import cairo

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DATA = os.path.join(ROOT, "data")

# Fixed colours the game itself draws with; the pictures around them must match.
SET_LIST_BG = (106, 62, 19)
LEVEL_LIST_BG = (104, 60, 17)
BOX_FILL = (205, 204, 147)
BOX_TEXT = (68, 68, 49)
NAME_LABEL = (203, 202, 145)
# The menu lists' text colours by level status (the game's ListRowColor).
LIST_OPEN = (255, 255, 255)
LIST_LOCKED = (196, 196, 196)
LIST_SOLVED = (140, 230, 120)

# Wood, paper and ink.
WOOD_DEEP = (58, 37, 20)
WOOD_DARK = (86, 55, 30)
WOOD = (128, 84, 44)
WOOD_LIGHT = (176, 126, 74)
HONEY = (214, 168, 96)
PAPER = (238, 226, 196)
CREAM = (250, 243, 224)
INK = (70, 48, 28)
FELT = (66, 45, 29)
GOLD = (255, 214, 110)

# Tile colours by colour code; bit 1 red, bit 2 yellow, bit 4 blue, 7 is white.
TILE_RGB = {
    1: (204, 64, 52),
    2: (240, 202, 66),
    3: (234, 132, 44),
    4: (58, 108, 192),
    5: (132, 74, 162),
    6: (76, 152, 78),
    7: (246, 240, 224),
}
COLOR_NAMES = {1: "red", 2: "yellow", 3: "orange", 4: "blue", 5: "purple", 6: "green", 7: "white"}
RED, YELLOW, ORANGE, BLUE, PURPLE, GREEN, WHITE = 1, 2, 3, 4, 5, 6, 7

# Shapes in the game's numbering: circle adds red, star yellow, triangle blue.
CIRCLE, STAR, TRIANGLE = 0, 1, 2
SHAPE_NAMES = {CIRCLE: "circle", STAR: "star", TRIANGLE: "triangle"}
SHAPE_PRIMARY = {CIRCLE: RED, STAR: YELLOW, TRIANGLE: BLUE}
SHAPE_RGB = {CIRCLE: (214, 58, 44), STAR: (250, 204, 44), TRIANGLE: (48, 98, 206)}
# Lighter tones that read on dark wood (goal outlines, badges).
SHAPE_LIGHT = {CIRCLE: (250, 110, 90), STAR: (255, 226, 96), TRIANGLE: (120, 168, 255)}

SANS = "Liberation Sans"
SERIF = "DejaVu Serif"


def rgb(c, a=1.0):
    """cairo colour tuple from 0..255 components."""
    return (c[0] / 255.0, c[1] / 255.0, c[2] / 255.0, a)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighten(c, t):
    return mix(c, (255, 255, 255), t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def move_color(old, shape):
    """The colour a tile takes when `shape` enters it, or None when the move is refused."""
    primary = SHAPE_PRIMARY[shape]
    if old == 0:
        return None
    if old == WHITE:
        return primary
    if old & primary:
        return None
    return old | primary


# --- surfaces and files -------------------------------------------------------------------

# The scale the pictures are drawn at now: every generator draws in the game's own units (the
# 800 by 600 screen), and each picture is written at every scale of the game's table, the 1x
# master where the game has always read it and the k-times one in a "<k>x" folder beside it.
SCALE = 1


def set_scale(k):
    global SCALE
    SCALE = k


def scaled_path(relpath, k):
    """Where the k-times master of the picture at relpath lies: "graphics/2x/red.png"."""
    folder, name = os.path.split(relpath)
    return relpath if k == 1 else os.path.join(folder, "%dx" % k, name)


def surface(w, h, opaque=False):
    """A w by h picture in the game's units, drawn at the current scale."""
    fmt = cairo.FORMAT_RGB24 if opaque else cairo.FORMAT_ARGB32
    s = cairo.ImageSurface(fmt, w * SCALE, h * SCALE)
    cr = cairo.Context(s)
    cr.scale(SCALE, SCALE)
    return s, cr


def save(s, relpath):
    """Writes a picture below data/, at the current scale's place (RGB24 surfaces become PNGs
    without alpha)."""
    path = os.path.join(DATA, scaled_path(relpath, SCALE))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    s.flush()
    s.write_to_png(path)
    return path


def crop(s, w, h):
    """The top-left w x h (in the game's units) of a surface, as a new surface."""
    out = cairo.ImageSurface(cairo.FORMAT_ARGB32, w * SCALE, h * SCALE)
    cr = cairo.Context(out)
    cr.set_source_surface(s, 0, 0)
    cr.paint()
    return out


def paint_picture(cr, relpath, x, y):
    """Paints a picture drawn before, its master at the current scale, with its top-left corner
    at (x, y)."""
    picture = cairo.ImageSurface.create_from_png(os.path.join(DATA, scaled_path(relpath, SCALE)))
    cr.save()
    cr.translate(x, y)
    cr.scale(1.0 / SCALE, 1.0 / SCALE)
    cr.set_source_surface(picture, 0, 0)
    cr.paint()
    cr.restore()


def write_text_file(relpath, text):
    """A text file has no scale: it is written with the 1x pictures only."""
    if SCALE != 1:
        return
    path = os.path.join(DATA, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)


def pixels(s):
    """(r, g, b, a) per pixel, un-premultiplied enough for checks."""
    s.flush()
    data = s.get_data()
    stride = s.get_stride()
    out = []
    for y in range(s.get_height()):
        row = data[y * stride:(y + 1) * stride]
        for x in range(s.get_width()):
            b, g, r, a = row[4 * x:4 * x + 4]
            out.append((r, g, b, a))
    return out


# --- paths --------------------------------------------------------------------------------

def rounded_rect(cr, x, y, w, h, r):
    r = min(r, w / 2.0, h / 2.0)
    cr.new_sub_path()
    cr.arc(x + w - r, y + r, r, -math.pi / 2, 0)
    cr.arc(x + w - r, y + h - r, r, 0, math.pi / 2)
    cr.arc(x + r, y + h - r, r, math.pi / 2, math.pi)
    cr.arc(x + r, y + r, r, math.pi, 1.5 * math.pi)
    cr.close_path()


def shape_path(cr, kind, cx, cy, r):
    """Outline of a shape of 'radius' r centred at (cx, cy); the three read apart by form."""
    cr.new_path()
    if kind == CIRCLE:
        cr.arc(cx, cy, r * 0.92, 0, 2 * math.pi)
    elif kind == STAR:
        outer, inner = r * 1.08, r * 0.47
        cy += r * 0.06
        for i in range(10):
            a = -math.pi / 2 + i * math.pi / 5
            rad = outer if i % 2 == 0 else inner
            pt = (cx + rad * math.cos(a), cy + rad * math.sin(a))
            cr.line_to(*pt) if i else cr.move_to(*pt)
        cr.close_path()
    else:
        rad = r * 1.12
        cy += r * 0.16
        for i in range(3):
            a = -math.pi / 2 + i * 2 * math.pi / 3
            pt = (cx + rad * math.cos(a), cy + rad * math.sin(a))
            cr.line_to(*pt) if i else cr.move_to(*pt)
        cr.close_path()


def draw_shape(cr, kind, cx, cy, r, shadow=True, halo=True):
    """A glossy shape with a light halo and a dark rim, so it stands out even on a tile of its
    own colour."""
    base = SHAPE_RGB[kind]
    cr.save()
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    if shadow:
        for i, a in ((3.0, 0.10), (2.0, 0.14), (1.0, 0.18)):
            shape_path(cr, kind, cx + r * 0.07, cy + r * 0.12, r)
            cr.set_source_rgba(0.12, 0.07, 0.02, a)
            cr.set_line_width(i * r * 0.12)
            cr.stroke_preserve()
            cr.fill()
    if halo:
        shape_path(cr, kind, cx, cy, r)
        cr.set_source_rgba(*rgb(CREAM, 0.95))
        cr.set_line_width(max(1.5, r * 0.26))
        cr.stroke()
    shape_path(cr, kind, cx, cy, r)
    g = cairo.LinearGradient(cx - r, cy - r, cx + r * 0.6, cy + r)
    g.add_color_stop_rgba(0, *rgb(lighten(base, 0.35)))
    g.add_color_stop_rgba(0.55, *rgb(base))
    g.add_color_stop_rgba(1, *rgb(darken(base, 0.25)))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(darken(base, 0.62)))
    cr.set_line_width(max(1.0, r * 0.09))
    cr.stroke()
    # soft gloss on the upper left
    if r >= 6:
        shape_path(cr, kind, cx, cy, r)
        cr.clip()
        gl = cairo.RadialGradient(cx - r * 0.35, cy - r * 0.45, 0, cx - r * 0.35, cy - r * 0.45, r * 0.8)
        gl.add_color_stop_rgba(0, 1, 1, 1, 0.45)
        gl.add_color_stop_rgba(1, 1, 1, 1, 0)
        cr.set_source(gl)
        cr.paint()
    cr.restore()


def draw_shape_outline(cr, kind, cx, cy, r, color, width):
    cr.save()
    cr.set_line_join(cairo.LINE_JOIN_ROUND)
    shape_path(cr, kind, cx, cy, r)
    cr.set_source_rgba(*rgb(color))
    cr.set_line_width(width)
    cr.stroke()
    cr.restore()


# --- tiles and their colour-blind marks --------------------------------------------------

def draw_marks(cr, code, x, y, size, color):
    """Per-primary marks so colours read apart without hue: red dots, yellow diagonal hatch,
    blue horizontal lines; a mixture carries both of its primaries' marks, white none."""
    if code == WHITE:
        return
    s = size / 60.0
    step = 12 * s
    cr.save()
    cr.set_source_rgba(*color)
    if code & BLUE:
        cr.set_line_width(max(1.0, 1.8 * s))
        yy = y + step / 2
        while yy < y + size:
            cr.move_to(x, yy)
            cr.line_to(x + size, yy)
            yy += step
        cr.stroke()
    if code & YELLOW:
        cr.set_line_width(max(1.0, 1.8 * s))
        d = -size
        while d < size:
            cr.move_to(x + d, y + size)
            cr.line_to(x + d + size, y)
            d += step
        cr.stroke()
    if code & RED:
        rad = max(0.9, 2.3 * s)
        yy = y + step / 2 + (step / 2 if code & BLUE else 0)
        row = 0
        while yy < y + size:
            xx = x + step / 2 + (step / 2 if row % 2 else 0)
            while xx < x + size:
                cr.new_sub_path()
                cr.arc(xx, yy, rad, 0, 2 * math.pi)
                xx += step
            yy += step
            row += 1
        cr.fill()
    cr.restore()


def draw_tile(cr, code, x, y, size, opaque_edge=True):
    """A tile of the board: a square face with bevelled, softly rounded edges. With opaque_edge
    the square's corners are filled with a dark rim of the tile's own colour, never black."""
    base = TILE_RGB[code]
    s = size / 60.0
    r = max(2.0, 7 * s)
    cr.save()
    if opaque_edge:
        cr.rectangle(x, y, size, size)
        cr.set_source_rgba(*rgb(mix(darken(base, 0.5), WOOD_DEEP, 0.35)))
        cr.fill()
    inset = max(1.0, 1.2 * s)
    rounded_rect(cr, x + inset, y + inset, size - 2 * inset, size - 2 * inset, r)
    g = cairo.LinearGradient(x, y, x + size, y + size)
    g.add_color_stop_rgba(0, *rgb(lighten(base, 0.22)))
    g.add_color_stop_rgba(0.5, *rgb(base))
    g.add_color_stop_rgba(1, *rgb(darken(base, 0.12)))
    cr.set_source(g)
    cr.fill()
    # the face, slightly inside the bevel, carries the marks
    face = max(2.0, 5 * s)
    rounded_rect(cr, x + face, y + face, size - 2 * face, size - 2 * face, r * 0.7)
    cr.clip()
    mark_color = rgb(darken(base, 0.45), 0.30) if code in (RED, BLUE, PURPLE, GREEN) \
        else rgb(darken(base, 0.5), 0.28)
    draw_marks(cr, code, x, y, size, mark_color)
    cr.reset_clip()
    # bevel: light upper-left edge, shaded lower-right edge
    cr.set_line_width(max(1.0, 1.6 * s))
    rounded_rect(cr, x + face - 0.5, y + face - 0.5, size - 2 * face + 1, size - 2 * face + 1, r * 0.7)
    hl = cairo.LinearGradient(x, y, x + size, y + size)
    hl.add_color_stop_rgba(0, 1, 1, 1, 0.0)
    hl.add_color_stop_rgba(0.45, 1, 1, 1, 0.0)
    hl.add_color_stop_rgba(0.55, *rgb(darken(base, 0.4), 0.35))
    hl.add_color_stop_rgba(1, *rgb(darken(base, 0.4), 0.5))
    cr.set_source(hl)
    cr.stroke()
    rounded_rect(cr, x + inset + 0.8, y + inset + 0.8, size - 2 * inset - 1.6, size - 2 * inset - 1.6, r)
    hl2 = cairo.LinearGradient(x, y, x + size, y + size)
    hl2.add_color_stop_rgba(0, 1, 1, 1, 0.55)
    hl2.add_color_stop_rgba(0.5, 1, 1, 1, 0.0)
    cr.set_source(hl2)
    cr.set_line_width(max(0.8, 1.2 * s))
    cr.stroke()
    cr.restore()


def draw_hole(cr, x, y, size):
    """An empty place: a dark socket with a faint cross."""
    cr.save()
    rounded_rect(cr, x + 1, y + 1, size - 2, size - 2, size * 0.12)
    cr.set_source_rgba(*rgb(FELT))
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(WOOD_DEEP))
    cr.set_line_width(1.2)
    cr.stroke()
    cr.set_source_rgba(*rgb(PAPER, 0.35))
    cr.set_line_width(max(1.0, size * 0.05))
    m = size * 0.3
    cr.move_to(x + m, y + m)
    cr.line_to(x + size - m, y + size - m)
    cr.move_to(x + size - m, y + m)
    cr.line_to(x + m, y + size - m)
    cr.stroke()
    cr.restore()


# --- text ---------------------------------------------------------------------------------

def text(cr, s, x, y, size, color, font=SANS, bold=False, align="left", italic=False,
         shadow=None):
    """Draws text with its baseline at y; align left, centre or right of x. Returns its width."""
    cr.save()
    cr.select_font_face(font, cairo.FONT_SLANT_ITALIC if italic else cairo.FONT_SLANT_NORMAL,
                        cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    cr.set_font_size(size)
    ext = cr.text_extents(s)
    if align == "centre":
        x -= ext.x_advance / 2.0
    elif align == "right":
        x -= ext.x_advance
    if shadow:
        cr.move_to(x + shadow[0], y + shadow[1])
        cr.set_source_rgba(*shadow[2])
        cr.show_text(s)
    cr.move_to(x, y)
    cr.set_source_rgba(*(color if len(color) == 4 else rgb(color)))
    cr.show_text(s)
    cr.restore()
    return ext.x_advance


def text_height(cr, size, font=SANS, bold=False):
    cr.save()
    cr.select_font_face(font, cairo.FONT_SLANT_NORMAL,
                        cairo.FONT_WEIGHT_BOLD if bold else cairo.FONT_WEIGHT_NORMAL)
    cr.set_font_size(size)
    fe = cr.font_extents()
    cr.restore()
    return fe[0], fe[1]  # ascent, descent


def engraved(cr, s, x, y, size, color=CREAM, font=SERIF, align="centre", bold=True):
    """Title lettering cut into wood: a dark lower shadow and a light upper edge."""
    text(cr, s, x + 1, y + 2, size, rgb(WOOD_DEEP, 0.8), font, bold, align)
    text(cr, s, x - 0.5, y - 0.5, size, rgb(lighten(WOOD_LIGHT, 0.4), 0.5), font, bold, align)
    text(cr, s, x, y, size, color, font, bold, align)


# --- wood, paper, panels ------------------------------------------------------------------

def wood_background(cr, w, h, seed, base=WOOD, grain=True):
    """Warm wood: a gentle lit gradient with long, smooth grain lines (smooth lines keep the PNG
    small, unlike per-pixel noise)."""
    g = cairo.RadialGradient(w * 0.45, h * 0.35, 50, w * 0.5, h * 0.5, max(w, h) * 0.8)
    g.add_color_stop_rgba(0, *rgb(lighten(base, 0.10)))
    g.add_color_stop_rgba(1, *rgb(darken(base, 0.28)))
    cr.set_source(g)
    cr.paint()
    if not grain:
        return
    rnd = random.Random(seed)
    cr.save()
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    y = -20.0
    while y < h + 20:
        y += rnd.uniform(5, 14)
        amp = rnd.uniform(2, 9)
        wave = rnd.uniform(160, 420)
        phase = rnd.uniform(0, 6.3)
        dark = rnd.random() < 0.6
        cr.set_source_rgba(*(rgb(darken(base, 0.45), rnd.uniform(0.05, 0.14)) if dark
                             else rgb(lighten(base, 0.35), rnd.uniform(0.04, 0.10))))
        cr.set_line_width(rnd.uniform(0.8, 2.6))
        cr.move_to(-10, y + amp * math.sin(phase))
        x = -10
        while x < w + 20:
            x += 20
            cr.line_to(x, y + amp * math.sin(phase + x / wave * 2 * math.pi))
        cr.stroke()
    cr.restore()


def drop_shadow(cr, x, y, w, h, r, spread=8, strength=0.35):
    cr.save()
    for i in range(spread, 0, -1):
        rounded_rect(cr, x - i + 2, y - i + 4, w + 2 * i, h + 2 * i, r + i)
        cr.set_source_rgba(0.1, 0.05, 0.0, strength / spread)
        cr.fill()
    cr.restore()


def moulding(cr, x, y, w, h, width=8, r=10):
    """A raised wooden frame of the given thickness around the rectangle (x, y, w, h)."""
    cr.save()
    drop_shadow(cr, x - width, y - width, w + 2 * width, h + 2 * width, r + width, 10, 0.45)
    rounded_rect(cr, x - width, y - width, w + 2 * width, h + 2 * width, r + width)
    rounded_rect(cr, x, y, w, h, max(1, r - 4))
    cr.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
    g = cairo.LinearGradient(x - width, y - width, x + w + width, y + h + width)
    g.add_color_stop_rgba(0, *rgb(HONEY))
    g.add_color_stop_rgba(0.5, *rgb(WOOD_LIGHT))
    g.add_color_stop_rgba(1, *rgb(WOOD))
    cr.set_source(g)
    cr.fill()
    cr.set_fill_rule(cairo.FILL_RULE_WINDING)
    rounded_rect(cr, x - width + 0.5, y - width + 0.5, w + 2 * width - 1, h + 2 * width - 1, r + width)
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.8))
    cr.set_line_width(1)
    cr.stroke()
    rounded_rect(cr, x - 0.5, y - 0.5, w + 1, h + 1, max(1, r - 4))
    cr.set_source_rgba(*rgb(WOOD_DEEP, 0.9))
    cr.stroke()
    cr.restore()


def recessed(cr, x, y, w, h, fill, r=6, depth=6):
    """A sunken area filled with `fill`, with an inner shadow along its top and left."""
    cr.save()
    rounded_rect(cr, x, y, w, h, r)
    cr.set_source_rgba(*rgb(fill))
    cr.fill()
    rounded_rect(cr, x, y, w, h, r)
    cr.clip()
    for i in range(depth):
        a = 0.28 * (1 - i / float(depth))
        cr.set_source_rgba(0.08, 0.04, 0.0, a / 2)
        cr.set_line_width(2)
        cr.move_to(x, y + i + 1)
        cr.line_to(x + w, y + i + 1)
        cr.move_to(x + i + 1, y)
        cr.line_to(x + i + 1, y + h)
        cr.stroke()
    cr.restore()


def paper_panel(cr, x, y, w, h, r=8, fill=PAPER, border=WOOD_DARK, shadow=True):
    if shadow:
        drop_shadow(cr, x, y, w, h, r, 6, 0.3)
    rounded_rect(cr, x, y, w, h, r)
    g = cairo.LinearGradient(x, y, x, y + h)
    g.add_color_stop_rgba(0, *rgb(lighten(fill, 0.25)))
    g.add_color_stop_rgba(1, *rgb(fill))
    cr.set_source(g)
    cr.fill_preserve()
    cr.set_source_rgba(*rgb(border))
    cr.set_line_width(1.5)
    cr.stroke()


def arrow_glyph(cr, direction, cx, cy, length, color, width=3.0, head=None):
    """A plain arrow: shaft and head, pointing up, down, left or right."""
    head = head or length * 0.45
    dx, dy = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}[direction]
    x0, y0 = cx - dx * length / 2, cy - dy * length / 2
    x1, y1 = cx + dx * length / 2, cy + dy * length / 2
    cr.save()
    cr.set_source_rgba(*color)
    cr.set_line_width(width)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.move_to(x0, y0)
    cr.line_to(x1 - dx * head * 0.6, y1 - dy * head * 0.6)
    cr.stroke()
    px, py = -dy, dx
    cr.move_to(x1, y1)
    cr.line_to(x1 - dx * head + px * head * 0.6, y1 - dy * head + py * head * 0.6)
    cr.line_to(x1 - dx * head - px * head * 0.6, y1 - dy * head - py * head * 0.6)
    cr.close_path()
    cr.fill()
    cr.restore()


def small_arrow(cr, x0, y0, x1, y1, color, width=2.0, head=6.0):
    """An arrow between two points."""
    ang = math.atan2(y1 - y0, x1 - x0)
    cr.save()
    cr.set_source_rgba(*color)
    cr.set_line_width(width)
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    cr.move_to(x0, y0)
    cr.line_to(x1 - head * 0.7 * math.cos(ang), y1 - head * 0.7 * math.sin(ang))
    cr.stroke()
    cr.move_to(x1, y1)
    for s in (1, -1):
        cr.line_to(x1 - head * math.cos(ang + s * 0.5), y1 - head * math.sin(ang + s * 0.5))
    cr.close_path()
    cr.fill()
    cr.restore()


def cross(cr, cx, cy, size, color=(150, 30, 20), width=3.0):
    """The 'may not enter' mark, with a light rim so it reads on any tile."""
    cr.save()
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    for w, c in ((width + 2.5, rgb(CREAM, 0.9)), (width, rgb(color))):
        cr.set_line_width(w)
        cr.set_source_rgba(*c)
        cr.move_to(cx - size / 2, cy - size / 2)
        cr.line_to(cx + size / 2, cy + size / 2)
        cr.move_to(cx + size / 2, cy - size / 2)
        cr.line_to(cx - size / 2, cy + size / 2)
        cr.stroke()
    cr.restore()
