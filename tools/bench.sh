#!/usr/bin/env bash
# Builds the benchmarks in build-bench (Release) and runs them, and the puzzle generator's survey
# (20 seeds a grade, a few minutes), then installs the game into a scratch folder and reports its
# resident memory after start-up and its CPU time while it idles in the main menu, in a window of
# 800 by 600 (scale 1) and of 1600 by 1200 (scale 2). Not part of the test command: the figures
# depend on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QV_BENCH_BUILD:-build-bench}
idle_seconds=5

cmake -S . -B "$build" -DQV_BENCH=ON -DQV_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target qv_bench_core qv_bench_screens qv_solver_survey \
  qv_generator_survey qv_generated_days quorvellan >/dev/null

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
"$build/bench/qv_bench_core" "$@"
"$build/bench/qv_bench_screens" "$@"
echo "Puzzle generator (load average $(cut -d' ' -f1-3 /proc/loadavg)):"
"$build/bench/qv_generator_survey" --slice 0.01

# The installed game: memory once the menu is up, and CPU used while nobody touches it.
game=$(mktemp -d)
pidfile="$game/pid"
cleanup() {
  if [ -s "$pidfile" ]; then kill "$(cat "$pidfile")" 2>/dev/null || true; fi
  sleep 0.5
  rm -rf "$game"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$game" >/dev/null

cpu_ms() {  # utime + stime of a process, in milliseconds
  local ticks
  ticks=$(awk '{print $14 + $15}' "/proc/$1/stat")
  echo $((ticks * 1000 / $(getconf CLK_TCK)))
}

start_game() {  # the window's width and height, kept as from a last start
  printf '%s %s\n' "$1" "$2" >"$game/window.save"
  rm -f "$pidfile"
  cd "$game"
  if command -v xvfb-run >/dev/null; then
    # A real X window, as a player's desktop would give; the shell's pid becomes the game's.
    unset SDL_VIDEODRIVER
    xvfb-run -a -s "-screen 0 1920x1280x24" sh -c "echo \$\$ > '$pidfile'; exec ./quorvellan" \
      >"$game/game.log" 2>&1 &
  else
    sh -c "echo \$\$ > '$pidfile'; exec ./quorvellan" >"$game/game.log" 2>&1 &
  fi
  cd - >/dev/null
}

for scale in 1 2; do
  start_game $((800 * scale)) $((600 * scale))
  for _ in $(seq 50); do [ -s "$pidfile" ] && break; sleep 0.1; done
  pid=$(cat "$pidfile")
  sleep 6  # the 4-second splash, then the menu
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "The game did not stay up:" >&2
    cat "$game/game.log" >&2
    exit 1
  fi
  startup_cpu=$(cpu_ms "$pid")
  rss=$(awk '/^VmRSS/ {print $2, $3}' "/proc/$pid/status")
  sleep "$idle_seconds"
  idle_cpu=$(( $(cpu_ms "$pid") - startup_cpu ))
  echo "Installed game at scale $scale, $((800 * scale)) by $((600 * scale)) ($([ -n "${SDL_VIDEODRIVER:-}" ] && echo dummy video || echo Xvfb)):"
  echo "  resident memory after start-up: $rss"
  echo "  CPU time for start-up (first 6 s, 4 s of them the splash): ${startup_cpu} ms"
  echo "  CPU time idle in the main menu for ${idle_seconds} s: ${idle_cpu} ms"
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
done
