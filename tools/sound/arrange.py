"""Turns a written piece (chords per bar, melody lines, accompaniment patterns) into MIDI tracks:
voiced arpeggios and pads that follow the chords, a phrased melody, a slowing final cadence."""

import math
import random

import midi
from theory import parse_chord, parse_melody, pitch_in_range, voice


class Part:
    """One instrument on its own channel."""

    def __init__(self, channel, program, volume=100, pan=64, reverb=72, chorus=20):
        self.channel = channel
        self.program = program
        self.volume = volume
        self.pan = pan
        self.reverb = reverb
        self.chorus = chorus


class Section:
    """A run of bars. chords: one entry per bar ("1", or "4 5" for two chords in the bar).
    melody: shorthand for the whole section, or None; octave moves it; double adds the same
    line on another part as (part name, octave shift, loudness factor)."""

    def __init__(self, chords, melody=None, octave=0, lead="melody", double=None,
                 arp="arp", pad=True, level=1.0):
        self.chords = chords
        self.melody = melody
        self.octave = octave
        self.lead = lead
        self.double = double
        self.arp = arp
        self.pad = pad
        self.level = level


class Piece:
    def __init__(self, name, title, key, meter, bpm, parts, patterns, sections,
                 arp_range, pad_range, bass_low, arp_part="arp", pad_part="pad",
                 slow_bars=2, slow_to=0.72, seed=1):
        self.name = name
        self.title = title
        self.key = key
        self.meter = meter  # (numerator, denominator)
        self.beats_per_bar = meter[0] * 4 / meter[1]  # in quarter notes
        self.bpm = bpm      # quarter notes per minute
        self.parts = parts
        self.patterns = patterns  # name -> [(beat offset, voice index or -1 for bass, beats)]
        self.sections = sections
        self.arp_range = arp_range
        self.pad_range = pad_range
        self.bass_low = bass_low
        self.arp_part = arp_part
        self.pad_part = pad_part
        self.slow_bars = slow_bars  # the ritardando covers this many closing bars
        self.slow_to = slow_to
        self.seed = seed

    def bar_count(self):
        return sum(len(s.chords) for s in self.sections)


def ticks(beats):
    return int(round(beats * midi.TICKS_PER_BEAT))


class _Arranger:
    def __init__(self, piece):
        self.piece = piece
        self.rng = random.Random(piece.seed)
        self.conductor = midi.Track(piece.title)
        self.tracks = {}
        for name, part in piece.parts.items():
            track = midi.Track(name)
            track.program(0, part.channel, part.program)
            for controller, value in ((7, part.volume), (10, part.pan), (91, part.reverb),
                                      (93, part.chorus), (11, 127)):
                track.control(0, part.channel, controller, value)
            self.tracks[name] = track
        self.prev_arp = None
        self.prev_pad = None
        self.last_end = 0

    def note(self, part_name, start_beats, length_beats, pitch, velocity, jitter=0):
        part = self.piece.parts[part_name]
        start = ticks(start_beats) + (self.rng.randint(0, jitter) if jitter else 0)
        length = ticks(length_beats)
        velocity += self.rng.randint(-4, 4)
        self.tracks[part_name].note(start, length, part.channel, pitch, velocity)
        self.last_end = max(self.last_end, start + length)

    def accompany(self, chord, start, length, section, final):
        piece = self.piece
        arp = voice(chord.tones, piece.arp_range[0], piece.arp_range[1], self.prev_arp, 4)
        pad = voice(chord.tones, piece.pad_range[0], piece.pad_range[1], self.prev_pad, 3)
        self.prev_arp, self.prev_pad = arp, pad
        bass = pitch_in_range(chord.bass, piece.bass_low)
        level = section.level
        if final:
            # A rolled chord left to ring: the cadence lands instead of stopping mid-pattern.
            # Struck notes ring half a bar longer and die away; the sustained pad lets go with
            # the bar, so the piece ends on a decaying chord rather than a held one.
            hold = length + piece.beats_per_bar / 2
            for i, pitch in enumerate([bass] + arp):
                self.note(piece.arp_part, start + 0.12 * i, hold - 0.12 * i, pitch,
                          (60 - 3 * i) * level)
            if section.pad:
                for pitch in pad:
                    self.note(piece.pad_part, start, length, pitch, 44 * level)
            return
        if section.arp:
            for offset, index, beats in piece.patterns[section.arp]:
                if offset >= length - 1e-6:
                    continue
                pitch = bass if index < 0 else arp[index]
                end = min(offset + beats, length + 0.25)
                accent = 8 if offset == 0 else 0
                velocity = (52 + accent + (6 if index < 0 else 0)) * level
                self.note(piece.arp_part, start + offset, end - offset, pitch, velocity,
                          jitter=10)
        if section.pad:
            for pitch in pad:
                self.note(piece.pad_part, start, length - 0.05, pitch, 42 * level)

    def melody(self, section, start, is_last_section):
        piece = self.piece
        bars = section.melody.split("|")
        for number, bar in enumerate(bars):
            beats = sum(b for _, b in parse_melody(bar, piece.key))
            if abs(beats - piece.beats_per_bar) > 1e-6:
                raise ValueError("%s: melody bar %d of %r lasts %g beats" %
                                 (piece.name, number + 1, section.melody[:24], beats))
        if len(bars) != len(section.chords):
            raise ValueError("%s: melody has %d bars, its section %d" %
                             (piece.name, len(bars), len(section.chords)))
        notes = parse_melody(section.melody, piece.key)
        phrase = 4 * piece.beats_per_bar
        lines = [(section.lead, 12 * section.octave, 1.0)]
        if section.double:
            name, octave, factor = section.double
            lines.append((name, 12 * (section.octave + octave), factor))
        sounding = [i for i, (pitch, _) in enumerate(notes) if pitch is not None]
        final_note = sounding[-1] if sounding else -1
        for part_name, shift, factor in lines:
            at = 0.0
            for i, (pitch, beats) in enumerate(notes):
                if pitch is not None:
                    arc = math.sin(math.pi * (at % phrase) / phrase)
                    downbeat = 4 if at % piece.beats_per_bar == 0 else 0
                    velocity = (66 + 12 * arc + downbeat) * section.level * factor
                    length = beats * 0.94 if beats < 2 else beats - 0.1
                    if is_last_section and i == final_note:
                        length += piece.beats_per_bar / 2  # ring with the final chord
                    self.note(part_name, start + at, length, pitch + shift, velocity, jitter=6)
                at += beats

    def tempo_map(self):
        piece = self.piece
        self.conductor.tempo(0, piece.bpm)
        self.conductor.time_signature(0, *piece.meter)
        total_beats = piece.bar_count() * piece.beats_per_bar
        slow_beats = piece.slow_bars * piece.beats_per_bar
        first = total_beats - slow_beats
        step = 0.5
        beat = first
        while beat < total_beats + 2 * piece.beats_per_bar:
            progress = min(1.0, (beat - first) / slow_beats)
            bpm = piece.bpm * (1 - (1 - piece.slow_to) * progress)
            self.conductor.tempo(ticks(beat), bpm)
            beat += step

    def run(self):
        piece = self.piece
        bar_beats = piece.beats_per_bar
        at = 0.0
        last_bar = piece.bar_count() - 1
        bar_number = 0
        for index, section in enumerate(piece.sections):
            is_last_section = index == len(piece.sections) - 1
            if section.melody:
                self.melody(section, at, is_last_section)
            for bar in section.chords:
                symbols = bar.split()
                length = bar_beats / len(symbols)
                for k, symbol in enumerate(symbols):
                    chord = parse_chord(symbol, piece.key)
                    final = bar_number == last_bar and k == len(symbols) - 1
                    self.accompany(chord, at + k * length, length, section, final)
                at += bar_beats
                bar_number += 1
        self.tempo_map()
        tail = ticks(bar_beats)
        return [self.conductor] + list(self.tracks.values()), self.last_end + tail


def write_piece(piece, path):
    tracks, end = _Arranger(piece).run()
    midi.write_file(path, tracks, end)
