"""Button pictures (idle, hover, pressed) and the ".button" files that place them."""
import math

import cairo

from layout import all_buttons
from pieces import draw_goal_marker, draw_padlock
from style import (CREAM, GOLD, HONEY, INK, WOOD, WOOD_DEEP, WOOD_LIGHT, arrow_glyph,
                   darken, draw_hole, draw_shape, draw_tile, lighten, rgb, rounded_rect, save,
                   surface, text, text_height, write_text_file)

LOOKS = ("idle", "hover", "pressed")


def plate(cr, w, h, look):
    """The wooden key every button sits on. Hover brightens it and rims it with gold; pressed
    (also the latched look of switches and tools) sinks it and rims it thickly with gold."""
    r = min(7, h / 4.0)
    top, bottom = lighten(HONEY, 0.25), WOOD_LIGHT
    if look == "hover":
        top, bottom = lighten(HONEY, 0.4), HONEY
    elif look == "pressed":
        top, bottom = darken(WOOD_LIGHT, 0.22), WOOD_LIGHT
    rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, r)
    cr.set_source_rgba(*rgb(WOOD_DEEP))
    cr.fill()
    rounded_rect(cr, 1.5, 1.5, w - 3, h - 3.5 if look != "pressed" else h - 3, r - 1)
    g = cairo.LinearGradient(0, 0, 0, h)
    g.add_color_stop_rgba(0, *rgb(top))
    g.add_color_stop_rgba(1, *rgb(bottom))
    cr.set_source(g)
    cr.fill()
    if look == "pressed":
        # inner shadow along the top: the key is pushed in
        rounded_rect(cr, 1.5, 1.5, w - 3, h - 3, r - 1)
        cr.save()
        cr.clip()
        for i in range(4):
            cr.set_source_rgba(*rgb(WOOD_DEEP, 0.16 - i * 0.035))
            cr.rectangle(0, 1.5 + i * 1.5, w, 1.5)
            cr.fill()
        cr.restore()
    else:
        cr.set_source_rgba(1, 1, 1, 0.45)
        cr.set_line_width(1)
        cr.move_to(r, 2.5)
        cr.line_to(w - r, 2.5)
        cr.stroke()
    if look != "idle":
        width = 1.5 if look == "hover" else 3.0
        rounded_rect(cr, 1 + width / 2, 1 + width / 2, w - 2 - width, h - 2 - width, r - 1)
        cr.set_source_rgba(*rgb(CREAM if look == "hover" else GOLD, 0.95))
        cr.set_line_width(width)
        cr.stroke()


def face_label(cr, button, look, w, h, dy):
    size = 20 if button.extra.get("big") else (15 if h <= 30 else 17)
    ascent, descent = text_height(cr, size, bold=True)
    baseline = h / 2.0 + (ascent - descent) / 2.0 + dy - 1
    text(cr, button.face[1], w / 2.0, baseline, size, INK, bold=True, align="centre",
         shadow=(0, 1, rgb(CREAM, 0.6)))


def note_icon(cr, cx, cy):
    cr.save()
    cr.set_source_rgba(*rgb(INK))
    for dx in (-5, 5):
        cr.save()
        cr.translate(cx + dx, cy + 6)
        cr.scale(1.25, 1)
        cr.arc(0, 0, 3.2, 0, 2 * math.pi)
        cr.restore()
        cr.fill()
    cr.set_line_width(1.8)
    cr.move_to(cx - 1.2, cy + 6)
    cr.line_to(cx - 1.2, cy - 8)
    cr.line_to(cx + 8.8, cy - 10)
    cr.line_to(cx + 8.8, cy + 6)
    cr.stroke()
    cr.restore()


def speaker_icon(cr, cx, cy, on):
    cr.save()
    cr.set_source_rgba(*rgb(INK))
    cr.move_to(cx - 9, cy - 4)
    cr.line_to(cx - 4, cy - 4)
    cr.line_to(cx + 2, cy - 9)
    cr.line_to(cx + 2, cy + 9)
    cr.line_to(cx - 4, cy + 4)
    cr.line_to(cx - 9, cy + 4)
    cr.close_path()
    cr.fill()
    if on:
        cr.set_line_width(1.6)
        for rad in (5, 9):
            cr.arc(cx + 2, cy, rad, -0.8, 0.8)
            cr.stroke()
    cr.restore()


def strike(cr, cx, cy, size):
    cr.save()
    cr.set_line_cap(cairo.LINE_CAP_ROUND)
    for width, color in ((5, rgb(CREAM, 0.9)), (2.6, rgb((170, 40, 28)))):
        cr.set_line_width(width)
        cr.set_source_rgba(*color)
        cr.move_to(cx - size / 2, cy + size / 2)
        cr.line_to(cx + size / 2, cy - size / 2)
        cr.stroke()
    cr.restore()


def face_switch(cr, button, look, w, h, dy):
    """On (pressed, the latched look) shows the icon plain; off shows it struck through."""
    on = look == "pressed"
    cx, cy = 24, h / 2.0 + dy
    if not on:
        cr.push_group()
    if button.face[1] == "music":
        note_icon(cr, cx, cy)
    else:
        speaker_icon(cr, cx, cy, on)
    if not on:
        cr.pop_group_to_source()
        cr.paint_with_alpha(0.55)
        strike(cr, cx, cy, 20)
    ascent, descent = text_height(cr, 13, bold=True)
    base = h / 2.0 + (ascent - descent) / 2.0 + dy
    text(cr, button.face[1], 43, base - 6, 13, INK, bold=True)
    text(cr, "on" if on else "off", 43, base + 8, 11, rgb(INK if on else darken(WOOD, 0.1)),
         bold=on)


def face_picture(cr, button, look, w, h, dy):
    kind, value = button.face
    if kind == "tile":
        size = min(w, h) - 10
        x, y = (w - size) / 2.0, (h - size) / 2.0 + dy
        if value == 0:
            draw_hole(cr, x, y, size)
        else:
            draw_tile(cr, value, x, y, size)
        if look == "hover" and "keyname" in button.extra:
            text(cr, button.extra["keyname"], w - 4, h - 4, 9, rgb(CREAM), bold=True, align="right",
                 shadow=(0.8, 0.8, rgb(WOOD_DEEP, 0.9)))
    elif kind == "shape":
        draw_shape(cr, value, w / 2.0, h / 2.0 + dy, min(w, h) * 0.33)
    elif kind == "goal":
        size = h - 12
        draw_goal_marker(cr, value, (w - size) / 2.0, (h - size) / 2.0 + dy, size)
    elif kind == "arrow":
        arrow_glyph(cr, value, w / 2.0, h / 2.0 + dy, min(w, h) * 0.55, rgb(INK), 3.2)


FACES = {"label": face_label, "switch": face_switch}


def make_button(button):
    for look in LOOKS:
        s, cr = surface(button.w, button.h)
        plate(cr, button.w, button.h, look)
        dy = 1 if look == "pressed" else 0
        FACES.get(button.face[0], face_picture)(cr, button, look, button.w, button.h, dy)
        save(s, button.picture(look)[2:])
    write_text_file("gui/%s/%s.button" % (button.folder, button.name), button.file_text())


def make_play_disabled():
    """The menu's Play button while the chosen level is locked: the idle key, dulled and sunk
    into the wood, with a padlock beside its label. Not a look of the ".button" file: the menu
    shows it in place of the idle picture."""
    button = next(b for b in all_buttons() if b.folder == "mainmenu" and b.name == "play")
    w, h = button.w, button.h
    s, cr = surface(w, h)
    plate(cr, w, h, "idle")
    rounded_rect(cr, 1.5, 1.5, w - 3, h - 3.5, min(7, h / 4.0) - 1)
    cr.set_source_rgba(*rgb(darken(WOOD, 0.2), 0.55))
    cr.fill()
    ascent, descent = text_height(cr, 20, bold=True)
    baseline = h / 2.0 + (ascent - descent) / 2.0 - 1
    width = text(cr, "play", w / 2.0 + 12, baseline, 20, rgb(INK, 0.55), bold=True, align="centre")
    cr.new_path()  # text leaves its end as the current point
    draw_padlock(cr, w / 2.0 + 12 - width / 2.0 - 17, h / 2.0 - 2, 0.48)
    save(s, "gui/mainmenu/play_disabled.png")


def make_all():
    for button in all_buttons():
        make_button(button)
    make_play_disabled()

