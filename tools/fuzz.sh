#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz (clang++, AddressSanitizer, UBSan) and runs each
# one for SECONDS (default 10), one after the other, from its corpus in fuzz/corpus/<target>
# and what earlier runs here found. New inputs go to build-fuzz/corpus/<target>, crashes to
# build-fuzz/crashes/. Exits non-zero on any finding.
#   QV_FUZZ_TARGETS="level level_link"  runs only these targets
#   QV_FUZZ_KEEP=1  merges what the run found into fuzz/corpus/<target> (only the inputs that
#                   reach code the corpus did not, libFuzzer's -merge=1), to be committed, so
#                   the next run anywhere starts where this one ended
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
targets=${QV_FUZZ_TARGETS:-$(cd fuzz/corpus && echo */ | tr -d /)}
failed=()
for name in $targets; do
  seeds=$root/fuzz/corpus/$name
  fuzzer=$root/$build/fuzz/fuzz_$name
  work=$root/$build/corpus/$name
  mkdir -p "$work"
  log=$root/$build/fuzz_$name.log
  # The first folder collects what the run finds; the committed corpus is only read. Each line
  # gets the seconds since the start, to tell when the coverage stopped growing.
  start=$SECONDS
  set +e
  "$fuzzer" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=4096 -artifact_prefix="$root/$build/crashes/${name}-" 2>&1 |
    while IFS= read -r line; do printf '%4d %s\n' $((SECONDS - start)) "$line"; done >"$log"
  status=${PIPESTATUS[0]}
  set -e
  if [ "$status" -eq 0 ]; then
    runs=$(grep -ao "Done [0-9]* runs" "$log" | tail -1 | cut -d" " -f2)
    grew=$(awk '/[[:space:]](INITED|NEW)[[:space:]]/ { for (i = 1; i < NF; i++)
      if ($i == "cov:" && $(i + 1) > most) { most = $(i + 1); at = $1 } }
      END { if (most) print "coverage " most ", last grown at " at " s" }' "$log")
    echo "fuzz_$name: clean for ${seconds} s ($runs runs; ${grew:-no coverage figures})"
  else
    echo "fuzz_$name: FAILED, see $log" >&2
    tail -30 "$log" >&2
    failed+=("$name")
    continue
  fi
  if [ -n "${QV_FUZZ_KEEP:-}" ]; then
    before=$(ls "$seeds" | wc -l)
    "$fuzzer" -merge=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048 "$seeds" "$work" \
      >"$root/$build/merge_$name.log" 2>&1 || { echo "fuzz_$name: merge failed" >&2; failed+=("$name"); continue; }
    echo "fuzz_$name: kept $(($(ls "$seeds" | wc -l) - before)) new inputs in fuzz/corpus/$name"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: findings in: ${failed[*]} (inputs in $build/crashes/)" >&2
  exit 1
fi
