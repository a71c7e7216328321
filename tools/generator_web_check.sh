#!/usr/bin/env bash
# Whether the browser makes the same puzzles as the desktop: builds bench/GeneratedDays.cpp
# natively (in build-bench) and for node against the web edition's libraries (build-web, from
# bash tools/web.sh), runs both and compares what they print. A few minutes of two processors.
#   bash tools/generator_web_check.sh [YYYY-MM-DD [SEEDS]]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/src/libqv_generator.a ] || { echo "No web build yet: run bash tools/web.sh first." >&2; exit 1; }
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cmake -S . -B build-bench -DQV_BENCH=ON -DQV_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target qv_generated_days >/dev/null
cmake --build build-web -j2 --target qv_generator >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
em++ -std=c++17 -O2 -Ibuild-web/layers/generator -Ibuild-web/layers/puzzle -Ibuild-web/layers/util \
  bench/GeneratedDays.cpp build-web/src/libqv_generator.a build-web/src/libqv_puzzle.a \
  build-web/src/libqv_util.a -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node -o "$out/days.js"
build-bench/bench/qv_generated_days "$@" >"$out/desktop.txt"
# Node 20's own fetch would take the wasm file for a web address.
node --no-experimental-fetch "$out/days.js" "$@" >"$out/web.txt"
if diff "$out/desktop.txt" "$out/web.txt"; then
  echo "The same $(wc -l <"$out/desktop.txt") puzzles on the desktop and in the browser."
else
  echo "The browser makes other puzzles than the desktop (above: < desktop, > browser)." >&2
  exit 1
fi
