#!/usr/bin/env bash
# Synthesises the five sound effects with sox into OUT_DIR as OGG Vorbis, levelled to one
# loudness. Usage: make_effects.sh OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/soxlib.sh"
out=$1
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rate=44100

# tone FILE SECONDS SYNTH-ARGS...: one mono note that dies away like a struck bar.
tone() {
  local file=$1 seconds=$2
  shift 2
  sox -n -r $rate -c 1 "$file" synth "$seconds" "$@" \
    fade l 0.003 "$seconds" "$(awk -v s="$seconds" 'BEGIN { print s - 0.003 }')"
}

# delayed FILE SECONDS: the note moved later in time, for building figures by mixing.
delayed() {
  sox "$1" "$1.tmp.wav" pad "$2" 0 && mv "$1.tmp.wav" "$1"
}

# finish NAME RAW: levels and encodes one effect. Loudness is measured over the whole effect,
# so a flourish that rings out (solved) is not left quieter than a short tock (move).
finish() {
  local name=$1 raw=$2
  level "$raw" "$work/$name.level.wav" "RMS lev dB" -19 -2
  # A fixed stream serial number keeps regenerated files byte-identical.
  oggenc -Q -q 4 -s 1 -o "$out/$name.ogg" "$work/$name.level.wav"
}

# solved: a rising G-C-E-G of soft bells, left to shimmer in a little room.
note=0
for bell in "784 0" "1046.5 0.09" "1318.5 0.18" "1568 0.29"; do
  set -- $bell
  tone "$work/bell$note.wav" 0.5 sine "$1" sine mix "$(awk -v f="$1" 'BEGIN { print f * 2 }')"
  sox "$work/bell$note.wav" "$work/bell$note.soft.wav" vol 0.5
  mv "$work/bell$note.soft.wav" "$work/bell$note.wav"
  delayed "$work/bell$note.wav" "$2"
  note=$((note + 1))
done
# Room for the reverb tail, which sox would otherwise cut at the end of the dry mix.
sox -m "$work"/bell0.wav "$work"/bell1.wav "$work"/bell2.wav "$work"/bell3.wav \
  "$work/solved.dry.wav" pad 0 0.4
sox -V1 "$work/solved.dry.wav" "$work/solved.wav" lowpass 6000 reverb 30 60 40 remix - \
  trim 0 0.9 fade t 0 0.9 0.2
finish solved "$work/solved.wav"

# move: a short, rounded wooden tock; low and dull enough to hear a thousand times.
tone "$work/move.wav" 0.06 sine 900:460
sox "$work/move.wav" "$work/move.soft.wav" lowpass 2500
finish move "$work/move.soft.wav"

# blocked: two soft low notes stepping down, a gentle "no".
tone "$work/no1.wav" 0.12 triangle 330
tone "$work/no2.wav" 0.16 triangle 262
delayed "$work/no2.wav" 0.12
sox -m "$work/no1.wav" "$work/no2.wav" "$work/blocked.wav" lowpass 1400
finish blocked "$work/blocked.wav"

# drag-blocked: one short soft note of the same family, since dragging can repeat it often.
tone "$work/dragblocked.wav" 0.09 triangle 294
sox "$work/dragblocked.wav" "$work/dragblocked.soft.wav" lowpass 1200
finish dragblocked "$work/dragblocked.soft.wav"

# click: a crisp, very short high tick with a breath of noise.
tone "$work/click.tone.wav" 0.02 sine 2400
sox -n -r $rate -c 1 "$work/click.noise.wav" synth 0.006 whitenoise vol 0.4 highpass 3000 \
  fade l 0 0.006 0.006
sox -m "$work/click.tone.wav" "$work/click.noise.wav" "$work/click.wav"
finish click "$work/click.wav"

# The list the game reads: one path per line, relative to the game folder, in SoundId order.
printf '%s\n' ./sfx/solved.ogg ./sfx/move.ogg ./sfx/blocked.ogg ./sfx/dragblocked.ogg \
  ./sfx/click.ogg > "$out/sounds.txt"
