#!/usr/bin/env bash
# The web edition in headless chromium: the bytes and time to a usable menu over a 10 Mbit/s
# link, first and return visit (bench/web_load.js), and how much processor it takes while it
# idles in the main menu (bench/web_idle.js). Builds the site first when there is none. Not part
# of the test command: the figures depend on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/site/index.html ] || bash tools/web.sh
(cd tests/web && npm ci --no-audit --no-fund --silent)
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
node bench/web_load.js
node bench/web_idle.js
