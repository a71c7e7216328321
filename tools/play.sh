#!/usr/bin/env bash
# Builds the game, lays out its folder outside the checkout and starts it from there, so that
# "./progress.save" and the player's own levels never land in the git tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
game_dir=${QUORVELLAN_HOME:-$HOME/quorvellan}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
# A reinstall refreshes the game but keeps the levels the player has edited.
keep=$(mktemp -d)
trap 'rm -rf "$keep"' EXIT
if [ -d "$game_dir/levels/creative" ]; then cp -r "$game_dir/levels/creative" "$keep/"; fi
cmake --install build --prefix "$game_dir" >/dev/null
if [ -d "$keep/creative" ]; then
  mkdir -p "$game_dir/levels/creative"
  cp -r "$keep/creative/." "$game_dir/levels/creative/"
fi
rm -rf "$keep"
trap - EXIT
cd "$game_dir"
exec ./quorvellan
