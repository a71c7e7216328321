"""A minimal Standard MIDI File (format 1) writer: enough for notes, programs, controllers,
tempo and time signature. Written by hand so the music needs nothing beyond Python 3."""

import struct

TICKS_PER_BEAT = 480


def _varlen(value):
    """MIDI variable-length quantity: 7 bits per byte, high bit set on all but the last."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


class Track:
    """Events at absolute tick times; sorted and delta-encoded when written."""

    def __init__(self, name=""):
        self.events = []  # (tick, order, bytes); order puts note-offs before note-ons at a tick
        if name:
            data = name.encode("ascii")
            self.meta(0, 0x03, data)

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + _varlen(len(data)) + data))

    def tempo(self, tick, bpm):
        micros = int(round(60_000_000 / bpm))
        self.meta(tick, 0x51, micros.to_bytes(3, "big"))

    def time_signature(self, tick, numerator, denominator):
        power = denominator.bit_length() - 1
        clocks = 36 if denominator == 8 else 24  # one click per dotted quarter in compound time
        self.meta(tick, 0x58, bytes([numerator, power, clocks, 8]))

    def program(self, tick, channel, number):
        self.events.append((tick, 1, bytes([0xC0 | channel, number])))

    def control(self, tick, channel, controller, value):
        self.events.append((tick, 1, bytes([0xB0 | channel, controller, value])))

    def note(self, start, length, channel, pitch, velocity):
        velocity = max(1, min(127, int(velocity)))
        end = start + max(1, length)
        self.events.append((start, 3, bytes([0x90 | channel, pitch, velocity])))
        self.events.append((end, 2, bytes([0x80 | channel, pitch, 0])))

    def encode(self, end_tick):
        body = bytearray()
        now = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += _varlen(tick - now) + data
            now = tick
        body += _varlen(max(0, end_tick - now)) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def write_file(path, tracks, end_tick):
    """Writes a format-1 file; every track ends at end_tick so the renderer keeps the tail."""
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_BEAT)
    with open(path, "wb") as out:
        out.write(header)
        for track in tracks:
            out.write(track.encode(end_tick))
