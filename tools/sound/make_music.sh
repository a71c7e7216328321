#!/usr/bin/env bash
# Composes the music (pieces.py writes MIDI), renders it with fluidsynth and the General MIDI
# sound font, levels it with sox and encodes it as OGG Vorbis into OUT_DIR, with the in-game
# playlist beside it. Usage: make_music.sh OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/soxlib.sh"
out=$1
soundfont=${SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/pieces.py" "$work" > "$work/titles.txt"

: > "$work/playlist.txt"
while IFS=$'\t' read -r name title; do
  echo "Rendering $name ($title)"
  # Float output so loud chords cannot clip before levelling.
  fluidsynth -ni -q -g 0.6 -r 44100 -O float -T wav -F "$work/$name.raw.wav" \
    -o synth.reverb.room-size=0.6 -o synth.reverb.level=0.6 \
    "$soundfont" "$work/$name.mid" > /dev/null
  # Some of the sound font's instruments carry a DC offset, which eats headroom and thumps
  # when a track starts or stops: a high-pass far below the music takes it out. Then the
  # piece starts at the first note and ends when the last chord has died away, with a short
  # fade so the game's next track follows a clean ending.
  sox -V1 "$work/$name.raw.wav" "$work/$name.trimmed.wav" highpass 10 \
    silence 1 0.01 -70d reverse silence 1 0.05 -60d reverse pad 0.15 0
  sox "$work/$name.trimmed.wav" "$work/$name.faded.wav" fade t 0 -0 3
  level "$work/$name.faded.wav" "$work/$name.wav" "RMS lev dB" -21 -1
  oggenc -Q -q 4 -s 1 -o "$out/$name.ogg" "$work/$name.wav"
  if [ "$name" != menu ]; then
    echo "./music/$name.ogg" >> "$work/playlist.txt"
  fi
done < "$work/titles.txt"
cp "$work/playlist.txt" "$out/playlist.txt"
