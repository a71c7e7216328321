"""The game's music, written out: the menu piece and the three in-game pieces.

Run as a program, it writes one MIDI file per piece into the folder given as its argument
and prints "name<TAB>title" lines for the renderer."""

import argparse
import os

from arrange import Part, Piece, Section, write_piece
from theory import Key

# Accompaniment figures: (beat offset, voice index or -1 for the bass, beats held).
FLOWING_44 = [(0, -1, 3.5), (0.5, 0, 2), (1, 1, 2), (1.5, 2, 2),
              (2, 3, 2), (2.5, 2, 1.5), (3, 1, 1), (3.5, 0, 0.5)]
RIPPLE_44 = [(0, -1, 3.5), (0.5, 1, 1), (1, 2, 1), (1.5, 3, 1),
             (2, 0, 2), (2.5, 2, 1), (3, 3, 1), (3.5, 1, 0.5)]
WALTZ_34 = [(0, -1, 3), (0.5, 0, 1.5), (1, 1, 1.5), (1.5, 2, 1), (2, 3, 1), (2.5, 1, 0.5)]
LILT_68 = [(0, -1, 3), (0.5, 0, 1), (1, 1, 1), (1.5, 2, 1.5), (2, 3, 1), (2.5, 1, 0.5)]


def lantern_hall():
    """Menu: D major, harp and strings under a flute; unhurried and welcoming."""
    a1 = ("3:1.5 4:0.5 5:2 | 4:1 3:0.5 2:0.5 2:2 | 1:1.5 2:0.5 3:1 1:1 | 3:2 2:2 | "
          "6:1.5 5:0.5 4:1 6:1 | 5:2 3:1 5:1 | 4:1.5 3:0.5 2:1 4:1 | 2:3 r:1")
    a2 = ("3:1.5 4:0.5 5:2 | 4:1 3:0.5 2:0.5 2:2 | 1:1.5 2:0.5 3:1 5:1 | 5:2 3:2 | "
          "6:1.5 5:0.5 4:1 6:1 | 5:1.5 4:0.5 3:1 2:1 | 4:1 2:1 2:1 0:1 | 1:4")
    a3 = ("3:1 2:0.5 3:0.5 5:2 | 4:1 3:0.5 2:0.5 2:2 | 1:1.5 2:0.5 3:1 5:1 | 5:2 3:2 | "
          "6:1.5 5:0.5 4:1 6:1 | 5:1.5 4:0.5 3:1 2:1 | 4:1 2:1 2:1 0:1 | 1:4")
    b = ("8:1.5 7:0.5 6:2 | 7:1 6:0.5 5:0.5 5:2 | 7:1.5 6:0.5 5:2 | 6:1 5:0.5 4:0.5 3:2 | "
         "4:1.5 5:0.5 6:1 4:1 | 5:1 7:1 9:2 | 8:1.5 7:0.5 6:1 5:1 | 4:2 2:1 r:1")
    verse = ["1", "57/7", "6", "37", "4", "1/3", "2", "5"]
    close = ["1", "57/7", "6", "37", "4", "5", "2 5", "1"]
    return Piece(
        "menu", "Lantern Hall", Key(74, "major"), (4, 4), 76,
        {"melody": Part(0, 73, volume=88, pan=74),
         "arp": Part(1, 46, volume=104, pan=50),
         "pad": Part(2, 48, volume=72, pan=64)},
        {"arp": FLOWING_44},
        [Section(["1", "4/1"], level=0.9),
         Section(verse, a1),
         Section(close, a2),
         Section(["4", "5", "3", "6", "2", "5", "1/3", "4 5"], b, level=1.08),
         Section(close, a3, double=("pad", -1, 0.5)),
         Section(["4/1", "1"], "r:2 6:1 4:1 | 3:4", level=0.9)],
        arp_range=(50, 74), pad_range=(54, 69), bass_low=38, seed=11)


def still_water():
    """In-game: F major slow waltz for piano over a warm pad; quiet and even."""
    a1 = ("5:1.5 4:0.5 3:1 | 3:2 1:1 | 4:1.5 5:0.5 6:1 | 5:3 | "
          "5:1.5 4:0.5 3:1 | 3:1 5:1 7:1 | 8:1.5 7:0.5 6:1 | 5:2 r:1")
    a2 = ("5:1.5 4:0.5 3:1 | 3:2 1:1 | 2:1.5 3:0.5 4:1 | 7:2 5:1 | "
          "6:1.5 5:0.5 4:1 | 5:1 3:1 2:1 | 1:3 | r:3")
    a3 = ("5:1 6:0.5 5:0.5 3:1 | 3:2 1:1 | 4:1.5 5:0.5 6:1 | 5:3 | "
          "5:1 6:0.5 5:0.5 3:1 | 3:1 5:1 7:1 | 8:1.5 9:0.5 8:1 | 7:2 r:1")
    b1 = ("10:2 8:1 | 8:3 | 7:1 8:1 5:1 | 5:3 | 6:1 8:1 10:1 | 9:2 8:1 | 9:2 6:1 | 7:3")
    b2 = ("10:2 8:1 | 8:2 9:1 | 10:1.5 9:0.5 8:1 | 5:3 | "
          "6:1 8:1 10:1 | 11:2 10:1 | 9:1 8:1 6:1 | 7:2 5:1")
    first = ["1", "6", "4", "5", "1", "3", "4", "5"]
    second = ["1", "6", "2", "5", "4", "5", "1", "1"]
    middle = ["6", "4", "1", "5", "6", "4", "2", "5"]
    return Piece(
        "still_water", "Still Water", Key(65, "major"), (3, 4), 84,
        {"melody": Part(0, 0, volume=100, pan=70),
         "arp": Part(1, 0, volume=84, pan=56),
         "pad": Part(2, 89, volume=64, pan=64)},
        {"arp": WALTZ_34},
        [Section(["1", "4", "1", "5"], level=0.9),
         Section(first, a1),
         Section(second, a2),
         Section(middle, b1, level=1.05),
         Section(middle, b2, level=1.05),
         Section(first, a3),
         Section(second, a2, level=0.95),
         Section(["4", "5", "1"], "6:1.5 5:0.5 4:1 | 2:2 0:1 | 1:3", level=0.85)],
        arp_range=(51, 75), pad_range=(55, 70), bass_low=41, slow_bars=3, seed=23)


def slow_tide():
    """In-game: A minor, nylon guitar and slow strings under a cello; reflective, ends in A major."""
    a1 = ("5:2 4:1 3:1 | 3:1.5 4:0.5 3:1 1:1 | 5:3 3:1 | 2:4 | "
          "4:2 6:1 5:1 | 3:2 1:2 | 4:1.5 3:0.5 2:1 4:1 | 2:2 0#:2")
    a2 = ("5:1 6:1 5:1 3:1 | 3:1.5 4:0.5 3:1 1:1 | 5:2 6:1 5:1 | 7:4 | "
          "6:2 4:1 6:1 | 5:2 3:2 | 4:1.5 3:0.5 2:1 4:1 | 7#:2 2:2")
    b = ("3:1 4:1 6:2 | 5:1 6:1 7:2 | 8:1 7:1 5:2 | 6:2 8:2 | "
         "8:1.5 7:0.5 6:1 4:1 | 5:1.5 4:0.5 2:2 | 3:2 5:2 | 5:2 7#:2")
    verse = ["1", "6", "3", "7", "4", "1/3", "4", "5M"]
    return Piece(
        "slow_tide", "Slow Tide", Key(57, "minor"), (4, 4), 60,
        {"melody": Part(0, 42, volume=96, pan=72),
         "arp": Part(1, 24, volume=100, pan=48),
         "pad": Part(2, 49, volume=70, pan=64)},
        {"arp": RIPPLE_44},
        [Section(["1", "6"], level=0.9),
         Section(verse, a1),
         Section(["6", "7", "1/3", "6", "4", "5", "3", "5M"], b, level=1.06),
         Section(verse, a2),
         Section(["4", "5M", "1M"], "4:2 3:1 2:1 | 2:2 0#:2 | 1:4", level=0.9)],
        arp_range=(55, 79), pad_range=(50, 65), bass_low=40, slow_bars=3, slow_to=0.8,
        seed=37)


def glass_garden():
    """In-game: E flat major in a lilting 6/8, electric piano and choir under a vibraphone;
    dreamy, with a bright raised-fourth colour."""
    a1 = ("5:1.5 3:1 2:0.5 | 2:1 4#:0.5 6:1.5 | 8:1.5 6:1.5 | 5:3 | "
          "5:1 6:0.5 5:1 3:0.5 | 4:1.5 3:1 1:0.5 | 2:1.5 4:1.5 | 2:3")
    a2 = ("5:1.5 3:1 2:0.5 | 2:1 4#:0.5 6:1.5 | 8:1.5 6:1.5 | 5:3 | "
          "5:1 6:0.5 8:1.5 | 8:1 7:0.5 6:1.5 | 5:1.5 2:1.5 | 1:3")
    b1 = ("8:1.5 10:1.5 | 9:1 8:0.5 7:1.5 | 8:1 6:0.5 4:1.5 | 5:3 | "
          "6:1 5:0.5 3:1.5 | 5:1 7:0.5 9:1.5 | 6:1.5 4:1.5 | 2:1 3:0.5 5:1.5")
    b2 = ("8:1.5 10:1.5 | 9:1 8:0.5 7:1.5 | 8:1 6:0.5 4:1.5 | 5:1.5 3:1.5 | "
          "6:1 5:0.5 3:1.5 | 5:1 7:0.5 9:1.5 | 8:1 6:0.5 4:1.5 | 5:3")
    first = ["1", "2M", "4", "1", "67", "4", "2", "5"]
    second = ["1", "2M", "4", "1", "67", "4", "5", "1"]
    middle = ["67", "37", "4", "1", "67", "37", "27", "5"]
    return Piece(
        "glass_garden", "Glass Garden", Key(63, "major"), (6, 8), 81,
        {"melody": Part(0, 11, volume=96, pan=76),
         "arp": Part(1, 4, volume=92, pan=50),
         "pad": Part(2, 52, volume=58, pan=64)},
        {"arp": LILT_68},
        [Section(["1", "2M", "4", "1"], level=0.9),
         Section(first, a1),
         Section(second, a2),
         Section(middle, b1, level=1.05),
         Section(middle, b2, level=1.05),
         Section(first, a1, double=("pad", -1, 0.55)),
         Section(second, a2, level=0.95),
         Section(["4", "4m", "1"], "6:1.5 8:1.5 | 6b:1.5 4:1.5 | 3:3", level=0.85)],
        arp_range=(51, 75), pad_range=(55, 70), bass_low=39, slow_bars=3, seed=53)


# The menu piece first, then the in-game playlist in its written order.
PIECES = [lantern_hall, still_water, slow_tide, glass_garden]


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for make in PIECES:
        piece = make()
        write_piece(piece, os.path.join(folder, piece.name + ".mid"))
        print(piece.name + "\t" + piece.title)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", help="where the MIDI files go")
    main(parser.parse_args().folder)
