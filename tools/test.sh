#!/usr/bin/env bash
# Builds the game twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs every test in both builds, and builds the web edition and tests it in a real browser.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
QV_WEB=1 bash tools/install-deps.sh
jobs=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1

# A failing plain run still goes on to the sanitizer run, so one pass shows every fault.
failed=()

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" || failed+=("plain build")

# The web edition in Debian's chromium (tests/web): one build of the site, then the player's own
# server and a headless browser; qv-solve of the plain build gives the moves.
if bash tools/web.sh >/dev/null && (cd tests/web && npm ci --no-audit --no-fund --silent); then
  QV_SOLVE=build/tools/qv-solve node --test tests/web/ || failed+=("browser")
else
  failed+=("web build")
fi

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^script_' \
  || failed+=("sanitizer build")

if [ ${#failed[@]} -gt 0 ]; then
  echo "Tests failed in: ${failed[*]}" >&2
  exit 1
fi
echo "All tests passed in both builds and in the browser."
