#!/usr/bin/env bash
# Installs the game folder and starts the game in copies of it, headless: a missing or short
# settings file stops it with one fatal box and exit code 0, and a first start writes the
# default progress file and keeps running until the window is closed.
set -euo pipefail
: "${QV_BINARY_DIR:?QV_BINARY_DIR must name the build folder}"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$QV_BINARY_DIR" --prefix "$work/game" >/dev/null

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# A fresh copy of the installed folder in $work/run.
fresh_folder() {
    rm -rf "$work/run"
    cp -r "$work/game" "$work/run"
}

# Runs the game in $work/run; "$@" is the timeout command that wraps it. Sets $status.
run_game() {
    status=0
    (cd "$work/run" && "$@" ./quorvellan >"$work/out" 2>"$work/err") || status=$?
}

# $1: what is broken, $2: the one line expected on standard error.
expect_fatal_start() {
    run_game timeout -s KILL 30
    [ "$status" -eq 0 ] || fail "$1: exit code $status, expected 0"
    [ ! -s "$work/out" ] || fail "$1: unexpected standard output: $(cat "$work/out")"
    [ "$(cat "$work/err")" = "$2" ] || fail "$1: standard error was: $(cat "$work/err")"
}

for file in config/video.config config/audio.config; do
    [ -f "$work/game/$file" ] || fail "the game folder lacks ./$file"
done

fresh_folder
rm -f "$work/run/config/video.config"
expect_fatal_start "video.config missing" "Fatal Error: Cannot load video settings."

fresh_folder
rm -f "$work/run/config/audio.config"
expect_fatal_start "audio.config missing" "Fatal Error: Cannot load audio settings."

fresh_folder
printf '\100\200' >"$work/run/progress.save"
expect_fatal_start "2-byte progress.save" "Fatal Error: Cannot load user settings."
[ "$(stat -c %s "$work/run/progress.save")" -eq 2 ] || fail "a short progress.save was replaced"

# First start: SDL turns SIGINT into a quit event, so the game shuts down cleanly from its loop.
# The signal comes after the 4-second splash.
fresh_folder
rm -f "$work/run/progress.save"
run_game timeout --preserve-status -k 10 -s INT 7
[ "$status" -eq 0 ] || fail "first start: exit code $status after the quit, expected 0"
if grep -q '^Fatal Error' "$work/err"; then fail "first start: $(grep '^Fatal Error' "$work/err")"; fi
if [ -f "$work/run/progress.save" ]; then
    header=$(od -An -tu1 -N3 "$work/run/progress.save" | xargs)
    [ "$header" = "64 128 0" ] || fail "first start: progress.save begins with $header"
else
    fail "first start: no progress.save was written"
fi

[ "$failures" -eq 0 ] && echo "start_game: all checks passed"
exit $((failures > 0))
