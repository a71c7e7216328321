"""Pictures of the tutorial levels' intro boxes: each illustrates its own level's lesson.

A picture is drawn inside the 343x248 message box, centred, its top PICTURE_TOP + PICTURE_STEP * n
below the box top, where n is the number of text lines of the intro plus the final empty read. It
must end above the box's OK button, so each picture's height budget follows from its intro text."""
import math

from game_code import tutorial_intros
from layout import MESSAGE_BOX, ok_button
from pieces import draw_goal_marker
from style import (BLUE, BOX_TEXT, CIRCLE, CREAM, GREEN, ORANGE, PURPLE, RED, STAR, TRIANGLE, WHITE,
                   YELLOW, crop, cross, draw_shape, draw_tile, rgb, save, small_arrow, surface,
                   text)

# Each picture starts below its intro text, so the texts and the pictures' files are the game's.
_INTROS = tutorial_intros()
INTRO_TEXTS = {level: intro for level, (intro, _) in _INTROS.items()}
TUTORIAL_PICTURE = {level: picture for level, (_, picture) in _INTROS.items()}
PICTURE_TOP, PICTURE_STEP = 29, 14
MAX_WIDTH = 330
MARGIN = 4


def lines_read(intro):
    """Reads of the box's line reader: every line, plus the last read that finds nothing (a
    final line break does not add a line of its own)."""
    return intro.count("\n") + (1 if intro.endswith("\n") else 2)


def picture_top(level):
    return PICTURE_TOP + PICTURE_STEP * lines_read(INTRO_TEXTS[level])


def height_budget(level):
    ok_top = ok_button().y - MESSAGE_BOX[1]
    return ok_top - MARGIN - picture_top(level)


INK = rgb(BOX_TEXT)
T = 30  # tile size in the pictures


def cell(cr, x, y, code, shape=None, goal=None, size=T):
    draw_tile(cr, code, x, y, size)
    if goal is not None:
        draw_goal_marker(cr, goal, x, y, size * 0.42)
    if shape is not None:
        draw_shape(cr, shape, x + size / 2.0, y + size / 2.0, size * 0.32)


def caption(cr, s, x, y, size=11, align="centre"):
    text(cr, s, x, y, size, INK, bold=True, align=align)


def curved_arrow(cr, x0, y0, x1, y1, bend, color=INK, width=2.0, head=6.0):
    """An arrow along a gentle arc; bend lifts its middle (negative is upwards)."""
    mx, my = (x0 + x1) / 2.0, (y0 + y1) / 2.0 + bend
    cr.save()
    cr.set_source_rgba(*color)
    cr.set_line_width(width)
    cr.move_to(x0, y0)
    cr.curve_to(mx, my, mx, my, x1, y1)
    cr.stroke()
    ang = math.atan2(y1 - my, x1 - mx)
    cr.move_to(x1, y1)
    for s in (1, -1):
        cr.line_to(x1 - head * math.cos(ang + s * 0.5), y1 - head * math.sin(ang + s * 0.5))
    cr.close_path()
    cr.fill()
    cr.restore()


def blocked(cr, x0, y, x1):
    small_arrow(cr, x0, y, x1, y, INK, 2.0, 6)
    cross(cr, (x0 + x1) / 2.0, y, 10, width=2.6)


# --- one function per lesson ----------------------------------------------------------------

def setting_goals(cr):
    """Shapes move one tile at a time, straight, and belong on their home tiles."""
    ox, oy = 10, 4
    for dx, dy in ((1, 0), (0, 1), (1, 1), (2, 1), (1, 2)):
        cell(cr, ox + dx * T, oy + dy * T, WHITE, CIRCLE if (dx, dy) == (1, 1) else None)
    cx, cy = ox + 1.5 * T, oy + 1.5 * T
    for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0)):
        small_arrow(cr, cx + dx * 13, cy + dy * 13, cx + dx * 27, cy + dy * 27, INK, 2.2, 6)
    caption(cr, "one tile at a time", ox + 1.5 * T, oy + 3 * T + 16)
    rx = 150
    for i, (code, shape, goal) in enumerate(((WHITE, STAR, None), (WHITE, None, None),
                                             (WHITE, None, STAR))):
        cell(cr, rx + i * T, oy + T, code, shape, goal)
    curved_arrow(cr, rx + 15, oy + T - 4, rx + 2 * T + 15, oy + T - 4, -28)
    cell(cr, rx + 3 * T + 34, oy + T, WHITE, STAR, STAR)
    small_arrow(cr, rx + 3 * T + 6, oy + 1.5 * T, rx + 3 * T + 28, oy + 1.5 * T, INK, 2, 6)
    caption(cr, "home!", rx + 3 * T + 49, oy + 2 * T + 16)
    caption(cr, "bring each shape home", rx + 1.5 * T, oy + 3 * T + 16)
    return 310, 3 * T + 26


def opaque(cr):
    """A shape cannot pass another; move the blocker aside first."""
    y = 30
    cell(cr, 6, y, WHITE, STAR)
    cell(cr, 6 + T, y, WHITE, CIRCLE)
    cell(cr, 6 + 2 * T, y, WHITE, None, STAR)
    blocked(cr, 6 + 20, y - 8, 6 + T + 10)
    caption(cr, "blocked", 6 + 1.5 * T, y + T + 16)
    small_arrow(cr, 112, y + 15, 148, y + 15, INK, 3, 9)
    x = 160
    cell(cr, x + T, y - T, RED, CIRCLE)
    cell(cr, x, y, WHITE)
    cell(cr, x + T, y, WHITE)
    cell(cr, x + 2 * T, y, WHITE, STAR, STAR)
    curved_arrow(cr, x + 12, y + T + 6, x + 2 * T + 18, y + T + 6, 14)
    caption(cr, "move the circle away", x + 1.5 * T, y + T + 34)
    return 300, y + T + 38


def mixing_colors(cr):
    """A tile takes on the colour of the shape that passes over it."""
    rows = ((CIRCLE, YELLOW, ORANGE), (STAR, BLUE, GREEN), (TRIANGLE, RED, PURPLE))
    for i, (shape, old, new) in enumerate(rows):
        y = 2 + i * (T + 8)
        draw_shape(cr, shape, 60, y + T / 2.0, 11)
        text(cr, "+", 82, y + 21, 18, INK, bold=True)
        cell(cr, 98, y, old)
        small_arrow(cr, 136, y + T / 2.0, 166, y + T / 2.0, INK, 2.2, 7)
        cell(cr, 174, y, new)
        draw_shape(cr, shape, 174 + T / 2.0, y + T / 2.0, 9, shadow=False)
    return 260, 3 * T + 20


def primary_blockers(cr):
    """No shape may enter a tile of its own colour."""
    for i, (shape, color) in enumerate(((CIRCLE, RED), (STAR, YELLOW), (TRIANGLE, BLUE))):
        x = 6 + i * 102
        cell(cr, x, 4, WHITE, shape)
        cell(cr, x + T + 24, 4, color)
        blocked(cr, x + T + 1, 4 + T / 2.0, x + T + 23)
    caption(cr, "a shape never enters its own colour", 150, T + 26)
    return 300, T + 30


def secondary_blockers(cr):
    """Nor a mixture that already holds its colour."""
    rows = ((CIRCLE, (ORANGE, PURPLE)), (STAR, (ORANGE, GREEN)), (TRIANGLE, (PURPLE, GREEN)))
    for i, (shape, colors) in enumerate(rows):
        y = 2 + i * (T + 6)
        cell(cr, 50, y, WHITE, shape)
        small_arrow(cr, 50 + T + 4, y + T / 2.0, 50 + T + 34, y + T / 2.0, INK, 2.0, 6)
        for j, color in enumerate(colors):
            x = 50 + T + 40 + j * (T + 6)
            cell(cr, x, y, color)
            cross(cr, x + T / 2.0, y + T / 2.0, 14, width=3)
    return 230, 3 * T + 14


def sequence(cr, start, shapes, y, numbered=False):
    """A tile changing colour as each shape in turn passes over it."""
    x = 10
    code = start
    cell(cr, x, y, code)
    for n, shape in enumerate(shapes):
        new = code | (1 << shape) if code != WHITE else 1 << shape
        new = WHITE if new == 7 else new
        draw_shape(cr, shape, x + T + 31, y - 4, 10)
        if numbered:
            text(cr, "%d." % (n + 1), x + T + 6, y, 12, INK, bold=True)
        small_arrow(cr, x + T + 6, y + T / 2.0 + 2, x + T + 56, y + T / 2.0 + 2, INK, 2.2, 7)
        x += T + 62
        code = new
        cell(cr, x, y, code)
    return x + T + 10


def getting_rid_of_yellow(cr):
    """Circle and triangle together turn a yellow tile white, freeing the star."""
    w = sequence(cr, YELLOW, (CIRCLE, TRIANGLE), 22)
    caption(cr, "white again: every shape may enter", w / 2.0, 22 + T + 18)
    return w, 22 + T + 22


def farther_up_the_road(cr):
    """The blue tile needs the circle and then the star; bring the circle home first."""
    w = sequence(cr, BLUE, (CIRCLE, STAR), 22, numbered=True)
    caption(cr, "circle first, then the star", w / 2.0, 22 + T + 18)
    return w, 22 + T + 22


def back_and_forth(cr):
    """The star steps back out of the middle so the others can pass."""
    board = ((WHITE, WHITE, WHITE), (YELLOW, PURPLE, YELLOW), (ORANGE, ORANGE, BLUE))
    ox, oy = 60, 4
    for r, row in enumerate(board):
        for c, code in enumerate(row):
            shape = {(0, 0): CIRCLE, (1, 1): STAR, (2, 0): TRIANGLE}.get((c, r))
            goal = {(2, 2): CIRCLE, (1, 2): STAR, (0, 2): TRIANGLE}.get((c, r))
            cell(cr, ox + c * T, oy + r * T, code, shape, goal)
    # the step back: from the middle tile up to the top one, light-rimmed over the tiles
    mx = ox + 1.5 * T
    small_arrow(cr, mx + 9, oy + T + 10, mx + 9, oy + T - 16, rgb(CREAM), 5.5, 11)
    small_arrow(cr, mx + 9, oy + T + 9, mx + 9, oy + T - 13, INK, 2.6, 8)
    caption(cr, "one step back ...", ox + 3 * T + 12, oy + T + 6, align="left")
    caption(cr, "... lets the others by", ox + 3 * T + 12, oy + T + 22, align="left")
    return 300, 3 * T + 8


def preparations(cr):
    """A purple tile between: the star can go in (purple turns white) and still come back."""
    y = 40
    ox = 14
    cell(cr, ox, y, PURPLE, None, CIRCLE)
    cell(cr, ox + T, y, PURPLE)
    cell(cr, ox + 2 * T, y, WHITE, STAR)
    curved_arrow(cr, ox + 2 * T + 10, y - 2, ox + 14, y - 2, -30)
    curved_arrow(cr, ox + 20, y + T + 2, ox + 2 * T + 20, y + T + 2, 26)
    caption(cr, "in", ox + 1.5 * T, y - 30)
    caption(cr, "and out", ox + 1.5 * T, y + T + 30)
    x = 150
    draw_shape(cr, STAR, x + 12, y + T / 2.0, 11)
    text(cr, "+", x + 30, y + 21, 18, INK, bold=True)
    cell(cr, x + 46, y, PURPLE)
    small_arrow(cr, x + 82, y + T / 2.0, x + 110, y + T / 2.0, INK, 2.2, 7)
    cell(cr, x + 116, y, WHITE)
    caption(cr, "make the tile between purple", x + 73, y + T + 30)
    return 300, y + T + 36


LESSONS = {0: setting_goals, 1: opaque, 2: mixing_colors, 3: primary_blockers,
           4: secondary_blockers, 5: getting_rid_of_yellow, 6: back_and_forth,
           7: farther_up_the_road, 8: preparations}


def make_all():
    for level, lesson in LESSONS.items():
        big, cr = surface(MAX_WIDTH, 200)
        w, h = lesson(cr)
        budget = height_budget(level)
        assert w <= MAX_WIDTH, "tutorial picture of level %d is %d wide" % (level, w)
        assert h <= budget, "tutorial picture of level %d is %d high, %d fit" % (level, h, budget)
        save(crop(big, w, h), "graphics/" + TUTORIAL_PICTURE[level])

