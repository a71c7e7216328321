#!/usr/bin/env bash
# Regenerates every sound effect and piece of music the game ships, with their lists and the
# audio configuration, under data/. Needs sox, fluidsynth, fluid-soundfont-gm, vorbis-tools
# and Python 3; building the game needs none of them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../.." && pwd)/data

for tool in sox fluidsynth oggenc python3; do
  command -v "$tool" > /dev/null || { echo "make_sound.sh: $tool is not installed" >&2; exit 1; }
done
soundfont=${SOUNDFONT:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
[ -f "$soundfont" ] || { echo "make_sound.sh: no sound font at $soundfont" >&2; exit 1; }

bash "$here/make_effects.sh" "$data/sfx"
bash "$here/make_music.sh" "$data/music"

# Sample rate and channels (not read by the game), the menu music, the playlist, the format.
mkdir -p "$data/config"
echo "44100 2 ./music/menu.ogg ./music/playlist.txt ogg" > "$data/config/audio.config"

du -ch "$data"/music/*.ogg | tail -1
