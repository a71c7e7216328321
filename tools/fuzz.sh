#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz (clang++, AddressSanitizer, UBSan) and runs each
# one for SECONDS (default 10) from its seed corpus in fuzz/corpus/<target>. New inputs go to
# build-fuzz/corpus/<target>, crashes to build-fuzz/crashes/. Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-10}
build=${QV_FUZZ_BUILD:-build-fuzz}

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is not installed" >&2
  exit 2
fi

CXX=clang++ cmake -S . -B "$build" -DQV_FUZZ=ON -DQV_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target qv_fuzzers >/dev/null

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
mkdir -p "$build/crashes"
failed=()
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  work="$root/$build/corpus/$name"
  mkdir -p "$work"
  log="$root/$build/fuzz_$name.log"
  # The first folder collects what the run finds; the committed seeds are only read.
  if "$root/$build/fuzz/fuzz_$name" "$work" "$root/$seeds" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -artifact_prefix="$root/$build/crashes/${name}-" >"$log" 2>&1; then
    echo "fuzz_$name: clean for ${seconds} s ($(grep -ao "Done [0-9]* runs" "$log" | tail -1 | cut -d" " -f2) runs)"
  else
    echo "fuzz_$name: FAILED, see $log" >&2
    tail -30 "$log" >&2
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: findings in: ${failed[*]} (inputs in $build/crashes/)" >&2
  exit 1
fi
