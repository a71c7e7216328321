#!/usr/bin/env bash
# The web edition. Without arguments: installs what is missing and builds the site into
# build-web/site/ (index.html, quorvellan.js, .wasm, .data and the font).
#   bash tools/web.sh            build
#   bash tools/web.sh --serve    serve build-web/site on http://127.0.0.1:8000/ (PORT=... for another)
set -euo pipefail
cd "$(dirname "$0")/.."
site=build-web/site

if [ "${1:-}" = "--serve" ]; then
  [ -f "$site/index.html" ] || { echo "No site yet: run bash tools/web.sh first." >&2; exit 1; }
  port=${PORT:-8000}
  echo "Quorvellan: open http://127.0.0.1:$port/ (Ctrl+C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
fi

QV_WEB=1 bash tools/install-deps.sh
# Debian's emscripten: its JavaScript optimiser finds acorn only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"$(nproc)"
ls -l "$site"
