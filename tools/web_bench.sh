#!/usr/bin/env bash
# How much processor the web edition takes while it idles in the main menu, in headless
# chromium (bench/web_idle.js). Builds the site first when there is none. Not part of the test
# command: the figure depends on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/site/index.html ] || bash tools/web.sh
(cd tests/web && npm ci --no-audit --no-fund --silent)
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
node bench/web_idle.js
