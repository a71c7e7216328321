#!/usr/bin/env bash
# Builds the game twice (plain, and with AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs every test in both builds. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
jobs=$(nproc)
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1

# A failing plain run still goes on to the sanitizer run, so one pass shows every fault.
failed=()

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" || failed+=("plain build")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON -DQV_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^script_' \
  || failed+=("sanitizer build")

if [ ${#failed[@]} -gt 0 ]; then
  echo "Tests failed in: ${failed[*]}" >&2
  exit 1
fi
echo "All tests passed in both builds."
