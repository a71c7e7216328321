"""Keys, chord symbols, voicings and the melody shorthand the pieces are written in.

Chord symbols are scale degrees of the key: "1" is the tonic triad, "5/7" the dominant over the
seventh degree in the bass, "2M" the supertonic made major, "4m" the subdominant made minor,
"27" a diatonic seventh chord, "19" an added ninth, "5s4" a suspended fourth.

Melodies are space-separated "degree:beats" tokens: "5:1.5" is the fifth degree for a dotted
quarter, "8:1" the tonic an octave up, "0:1" the seventh degree an octave down, "4#:0.5" a raised
fourth, "7b:1" a lowered seventh and "r:2" a rest. "|" marks a bar line and is checked.
"""

import itertools
import re

SCALES = {
    "major": (0, 2, 4, 5, 7, 9, 11),
    "minor": (0, 2, 3, 5, 7, 8, 10),
}


class Key:
    def __init__(self, tonic, mode):
        self.tonic = tonic  # MIDI pitch of degree 1 in the melody's home octave
        self.steps = SCALES[mode]

    def pitch(self, degree, accidental=0):
        octave, index = divmod(degree - 1, 7)
        return self.tonic + 12 * octave + self.steps[index] + accidental


class Chord:
    def __init__(self, tones, bass):
        self.tones = tones  # pitch classes, root first
        self.bass = bass    # pitch class of the lowest note

    @property
    def root(self):
        return self.tones[0]


_CHORD = re.compile(r"^(\d)((?:M|m|7|9|s4|s2)*)(?:/(\d)([#b]?))?$")
_ACCIDENTAL = {"": 0, "#": 1, "b": -1}


def parse_chord(symbol, key):
    match = _CHORD.match(symbol)
    if not match:
        raise ValueError("bad chord symbol " + symbol)
    degree = int(match.group(1))
    flags = match.group(2)
    root = key.pitch(degree)
    third = key.pitch(degree + 2)
    fifth = key.pitch(degree + 4)
    if "M" in flags:
        third, fifth = root + 4, root + 7
    elif "m" in flags:
        third, fifth = root + 3, root + 7
    if "s4" in flags:
        third = key.pitch(degree + 3)
    elif "s2" in flags:
        third = key.pitch(degree + 1)
    tones = [root, third, fifth]
    if "7" in flags:
        tones.append(key.pitch(degree + 6))
    if "9" in flags:
        tones.append(key.pitch(degree + 1))
    bass = root
    if match.group(3):
        bass = key.pitch(int(match.group(3)), _ACCIDENTAL[match.group(4)])
    return Chord([t % 12 for t in tones], bass % 12)


def pitch_in_range(pitch_class, low):
    """The lowest pitch of the class at or above low."""
    return low + (pitch_class - low) % 12


def voice(chord_tones, low, high, previous, size, max_spread=19):
    """Picks a close voicing of the chord within [low, high] that moves as little as possible
    from the previous voicing, so accompaniment lines glide instead of jumping."""
    wanted = list(chord_tones)
    while len(wanted) < size:
        wanted.append(wanted[len(wanted) % len(chord_tones)])
    wanted = wanted[:size]
    options = []
    for pc in wanted:
        options.append([p for p in range(low, high + 1) if p % 12 == pc])
    best, best_cost = None, None
    for combo in itertools.product(*options):
        notes = sorted(combo)
        if len(set(notes)) != len(notes) or notes[-1] - notes[0] > max_spread:
            continue
        if previous:
            cost = sum(abs(a - b) for a, b in zip(notes, previous))
        else:
            centre = (low + high) / 2
            cost = abs(sum(notes) / len(notes) - centre)
        cost += 0.01 * (notes[-1] - notes[0])
        if best_cost is None or cost < best_cost:
            best, best_cost = notes, cost
    if best is None:
        raise ValueError("no voicing in range for %r" % (chord_tones,))
    return best


_NOTE = re.compile(r"^(-?\d+)([#b]?):(\d+(?:\.\d+)?)$")
_REST = re.compile(r"^r:(\d+(?:\.\d+)?)$")


def parse_melody(text, key):
    """Returns (pitch or None, beats) pairs."""
    notes = []
    for token in text.split():
        if token == "|":
            continue
        rest = _REST.match(token)
        if rest:
            notes.append((None, float(rest.group(1))))
            continue
        match = _NOTE.match(token)
        if not match:
            raise ValueError("bad melody token " + token)
        pitch = key.pitch(int(match.group(1)), _ACCIDENTAL[match.group(2)])
        notes.append((pitch, float(match.group(3))))
    return notes
