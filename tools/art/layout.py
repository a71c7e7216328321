"""Where things sit on the 800x600 screen. The fixed places are the game's own; the button places
are ours and go into the ".button" files, so backgrounds and buttons are drawn from one table."""

SCREEN = (800, 600)
BOARD = (210, 60, 540, 420)
NAME_STRIP = (368, 548, 223, 23)          # x 368..591, y 548..571
HELP_SLOTS = ((48, 230), (48, 310))       # help pictures
HELP_MARGIN = 4                           # round the help pictures, inside their panel
HELP_SIZE = (146, 76)                     # ends left of the board frame at x 200
MOVE_PANEL = (44, 64, 152, 134)           # the play screen's "how to move" panel
TOUCH_MOVE_HELP = (47, 88, 146, 108)      # its lines for a touch screen, drawn over the panel's
MESSAGE_BOX = (231, 176, 343, 248)
MESSAGE_MARGIN = 4                        # of the box's colour between the box and its frame
SET_LIST = (53, 150, 150, 375)
LEVEL_LIST = (276, 150, 175, 375)
PREVIEW = (525, 150, 225, 175)

# SDL key codes
RETURN, ESCAPE = 13, 27
F_KEY = {n: 281 + n for n in range(1, 13)}   # F1 is 282


def key_of(letter):
    return ord(letter)


class ButtonPlace:
    """One ".button" file: its place, its hot key and what its face shows."""

    def __init__(self, folder, name, x, y, w, h, hotkey, face, **extra):
        self.folder, self.name = folder, name
        self.x, self.y, self.w, self.h = x, y, w, h
        self.hotkey = hotkey
        self.face = face            # ("label", text) / ("tile", code) / ("shape", kind) / ...
        self.extra = extra

    def picture(self, look):
        return "./gui/%s/%s_%s.png" % (self.folder, self.name, look)

    def file_text(self):
        return "%d %d %d %d %s %s %s %d\n" % (
            self.x, self.y, self.w, self.h, self.picture("idle"), self.picture("hover"),
            self.picture("pressed"), self.hotkey)


def _editor_buttons():
    from style import (BLUE, CIRCLE, GREEN, ORANGE, PURPLE, RED, STAR, TRIANGLE, WHITE,
                       YELLOW)
    places = []
    # Tile colours, two rows of four; F1..F8 pick them (the editor takes letters, digits and
    # blanks for the level name, so no printable key may be used).
    rows = (((RED, "red"), (YELLOW, "yellow"), (BLUE, "blue"), (WHITE, "white")),
            ((ORANGE, "orange"), (PURPLE, "purple"), (GREEN, "green"), (0, "black")))
    f = 1
    for r, row in enumerate(rows):
        for c, (code, name) in enumerate(row):
            places.append(ButtonPlace("editor", name, 14 + 45 * c, 34 + 46 * r, 40, 40, F_KEY[f],
                                    ("tile", code), keyname="F%d" % f))
            f += 1
    for c, (kind, name) in enumerate(((CIRCLE, "circle"), (STAR, "star"),
                                      (TRIANGLE, "triangle"))):
        places.append(ButtonPlace("editor", name, 14 + 60 * c, 154, 54, 54, 0, ("shape", kind)))
        places.append(ButtonPlace("editor", name + "goal", 14 + 60 * c, 238, 54, 40, 0,
                                ("goal", kind)))
    for c, name in enumerate(("left", "up", "down", "right")):
        places.append(ButtonPlace("editor", name, 14 + 45 * c, 310, 40, 40, 0, ("arrow", name)))
    places += [
        ButtonPlace("editor", "undo", 14, 392, 85, 36, 0, ("label", "undo")),
        ButtonPlace("editor", "play", 104, 392, 85, 36, F_KEY[9], ("label", "play"), keyname="F9"),
        ButtonPlace("editor", "save", 14, 434, 85, 36, 0, ("label", "save")),
        ButtonPlace("editor", "exit", 104, 434, 85, 36, 0, ("label", "exit")),
    ]
    return places


def _box_row(names, width, gap):
    """Buttons in a row at the bottom of the message box, centred."""
    bx, by, bw, bh = MESSAGE_BOX
    total = len(names) * width + (len(names) - 1) * gap
    x0 = bx + (bw - total) // 2
    return [(name, x0 + i * (width + gap), by + bh - 32) for i, name in enumerate(names)]


MESSAGE_BUTTON_HEIGHT = 26


def _message_buttons():
    places = []
    keys = {"ok": RETURN, "save": RETURN, "discard": 0, "cancel": ESCAPE}
    for name, x, y in _box_row(["ok"], 80, 0) + _box_row(["save", "discard", "cancel"], 96, 12):
        places.append(ButtonPlace("messages", name, x, y, 80 if name == "ok" else 96,
                                MESSAGE_BUTTON_HEIGHT, keys[name], ("label", name)))
    # An offer beside OK ("Well done" offers to show a shortest way): where Cancel stands in
    # the row of three, so OK keeps its place.
    _, x, y = _box_row(["save", "discard", "cancel"], 96, 12)[2]
    places.append(ButtonPlace("messages", "watch", x, y, 96, MESSAGE_BUTTON_HEIGHT, key_of("w"),
                              ("label", "watch")))
    return places


def all_buttons():
    return [
        # Main menu: Return, keypad Enter, 0 and the arrows belong to the menu itself.
        ButtonPlace("mainmenu", "play", 525, 350, 225, 50, key_of("p"), ("label", "play"),
                   big=True),
        ButtonPlace("mainmenu", "edit", 525, 408, 225, 40, key_of("e"), ("label", "edit")),
        ButtonPlace("mainmenu", "music", 525, 460, 108, 40, key_of("m"), ("switch", "music")),
        ButtonPlace("mainmenu", "sound", 642, 460, 108, 40, key_of("s"), ("switch", "sound")),
        ButtonPlace("mainmenu", "quit", 525, 512, 225, 40, ESCAPE, ("label", "quit")),
        # Play screen: polled buttons, no hot keys.
        ButtonPlace("play", "undo", 51, 404, 71, 36, 0, ("label", "undo")),
        ButtonPlace("play", "redo", 126, 404, 71, 36, 0, ("label", "redo")),
        ButtonPlace("play", "restart", 51, 446, 146, 36, 0, ("label", "restart")),
        ButtonPlace("play", "exit", 51, 540, 146, 36, 0, ("label", "exit")),
    ] + _editor_buttons() + _message_buttons()


def ok_button():
    return next(b for b in all_buttons() if b.folder == "messages" and b.name == "ok")
