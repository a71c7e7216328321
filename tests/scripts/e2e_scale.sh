#!/bin/bash
# The installed game on a large screen (a virtual X server of 2560 by 1440), as a player meets
# it: the first window as large as sits comfortably on the screen, tutorial level 0 solved by
# clicks in it, the window resized in the middle of the level, F11 to the full screen and back,
# and the window's new size kept for the next start. Every click is aimed at the picture as the
# window shows it at its scale.
# Skips (exit 0) only when Xvfb or xdotool is missing.
# QV_SCALE_SHOTS=DIR keeps screenshots of the first window, the resized one and the full screen.
set -uo pipefail

if [ -z "${QV_E2E_INNER:-}" ]; then
    QV_E2E_INNER=1 exec timeout --kill-after=10 300 bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/scripts/lib/xgame.sh
. "$here/lib/xgame.sh"
if ! x_tools_present; then
    echo "e2e_scale: skipped, Xvfb or xdotool is not installed"
    exit 0
fi

QV_SOURCE_DIR=${QV_SOURCE_DIR:-$(cd "$here/../.." && pwd)}
QV_BINARY_DIR=${QV_BINARY_DIR:-$QV_SOURCE_DIR/build}
solver=$QV_BINARY_DIR/tools/qv-solve
work=$(mktemp -d /tmp/qv-e2e-scale.XXXXXX)
game=$work/game
game_pid=""

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "e2e_scale: FAILED: $*" >&2
    [ -s "$work/err" ] && sed 's/^/  game: /' "$work/err" >&2
    exit 1
}

[ -x "$solver" ] || cmake --build "$QV_BINARY_DIR" --target qv-solve >/dev/null
cmake --install "$QV_BINARY_DIR" --prefix "$game" >/dev/null || fail "install failed"
start_xvfb "$work" 2560x1440 || fail "Xvfb did not start"

start_game() {
    (cd "$game" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1 \
        ./quorvellan) >"$work/out" 2>"$work/err" &
    game_pid=$!
    wait_window "$game_pid" 30 || fail "no game window"
}

# The game's display follows its window: sets GAME_WIDTH and GAME_HEIGHT from it.
measure_window() {
    local WIDTH HEIGHT X Y SCREEN
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "the window is not at the screen's corner"
    GAME_WIDTH=$WIDTH
    GAME_HEIGHT=$HEIGHT
}

shot=$work/shot.png
shoot() { import -window root "$shot"; }
keep_shot() {  # name: the game's display from the last screenshot, into QV_SCALE_SHOTS
    if [ -n "${QV_SCALE_SHOTS:-}" ]; then
        mkdir -p "$QV_SCALE_SHOTS"
        convert "$shot" -crop "${GAME_WIDTH}x${GAME_HEIGHT}+0+0" +repage "$QV_SCALE_SHOTS/$1.png"
    fi
}
# Red, green and blue of a display pixel (not mapped) in the last screenshot, e.g. "0 0 0".
pixel() {
    convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- | tail -1 |
        sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}
# The same at the game's logical position x y.
logical_pixel() {
    # shellcheck disable=SC2046
    pixel $(x_map "$1" "$2")
}
# Takes screenshots until the command given succeeds on one, for up to 10 s: a new size makes
# every picture anew first, which takes a moment on a busy machine.
until_shown() {
    for _ in $(seq 20); do
        shoot
        "$@" && return 0
        sleep 0.5
    done
    return 1
}
bars_beside() { [ "$(pixel 50 450)" = "0 0 0" ] && [ "$(pixel 1350 450)" = "0 0 0" ]; }
fills_height() { [ "$(logical_pixel 400 598)" != "0 0 0" ]; }
shows_well_done() { [ "$(logical_pixel 236 418)" = "205 204 147" ]; }

# --- The first window: as large as sits comfortably on the screen -------------------------------
start_game
measure_window
[ "$GAME_WIDTH" -ge 1200 ] || fail "the first window is ${GAME_WIDTH} pixels wide"
[ $((GAME_WIDTH * 10)) -le $((2560 * 9 + 10)) ] && [ $((GAME_HEIGHT * 10)) -le $((1440 * 9 + 10)) ] ||
    fail "the first window (${GAME_WIDTH}x$GAME_HEIGHT) takes more than 90 % of the screen"
sleep 5  # the splash
shoot
keep_shot menu
x_key Return  # plays tutorial level 0
x_pause 1
shoot
keep_shot play
x_key Return  # closes its intro box

# --- Tutorial level 0 by clicks, at three sizes -------------------------------------------------
out=$("$solver" --board-offset --tutorial 0) || fail "qv-solve failed"
read -r offset_x offset_y < <(sed -n 's/^  board offset: //p' <<<"$out")
mapfile -t moves < <(sed -nE 's/^  [0-9]+\. ([a-z]+) \(([0-9]+),([0-9]+)\) ([a-z]+)$/\1 \2 \3 \4/p' <<<"$out")
[ "${#moves[@]}" -eq 7 ] || fail "qv-solve gave ${#moves[@]} moves for tutorial level 0"

# A click in the section of the shape's tile that points the way it goes (logical positions).
click_move() {  # shape column row direction
    local x0=$((210 + offset_x + 60 * $2)) y0=$((60 + offset_y + 60 * $3))
    case $4 in
    up) x_click $((x0 + 30)) $((y0 + 8)) ;;
    down) x_click $((x0 + 30)) $((y0 + 52)) ;;
    left) x_click $((x0 + 8)) $((y0 + 30)) ;;
    right) x_click $((x0 + 52)) $((y0 + 30)) ;;
    esac
}
# shellcheck disable=SC2086
play_moves() { for move in "$@"; do click_move $move; done; }

play_moves "${moves[@]:0:3}"

# The border dragged to a wider, lower window: the picture at 1.5 between bars.
xdotool windowsize "$WINDOW" 1400 900
x_pause 1.5
measure_window
[ "$GAME_WIDTH" -eq 1400 ] && [ "$GAME_HEIGHT" -eq 900 ] ||
    fail "the window is ${GAME_WIDTH}x$GAME_HEIGHT after it was resized to 1400x900"
until_shown bars_beside || fail "no black bars beside the resized picture"
[ "$(logical_pixel 400 5)" != "0 0 0" ] || fail "the resized window shows no picture"
keep_shot resized
play_moves "${moves[3]}"

# F11: the full screen at the screen's own size, the picture filling its height.
x_key F11
x_pause 1.5
GAME_WIDTH=2560
GAME_HEIGHT=1440
until_shown fills_height || fail "F11 did not fill the screen"
keep_shot fullscreen
play_moves "${moves[4]}"
x_key F11
x_pause 1.5
measure_window
[ "$GAME_WIDTH" -eq 1400 ] && [ "$GAME_HEIGHT" -eq 900 ] ||
    fail "F11 came back to a ${GAME_WIDTH}x$GAME_HEIGHT window, not the 1400x900 one"
play_moves "${moves[@]:5}"

# Solved in 7: "Well done", and the record.
until_shown shows_well_done ||
    fail "no \"Well done\" box after the last click (pixel $(logical_pixel 236 418))"
keep_shot welldone
# The record line ends in the board's tag, as par.txt has it.
[ "$(cut -d' ' -f1,2 "$game/records.save" 2>/dev/null)" = "7 tutorial/0" ] ||
    fail "records.save: $(cat "$game/records.save" 2>/dev/null)"

# --- Out, and the next start in the window as the player left it --------------------------------
x_key Return  # closes "Well done"
x_pause 0.5
x_key Return  # level 1's intro
x_key Escape  # back to the menu
x_pause 0.5
x_key Escape  # quits
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$game_pid" 2>/dev/null && fail "Escape in the menu did not quit"
wait "$game_pid" || fail "the game ended with status $?"
game_pid=""
[ "$(cat "$game/window.save" 2>/dev/null)" = "1400 900" ] ||
    fail "window.save holds '$(cat "$game/window.save" 2>/dev/null)', not the window's 1400 900"
start_game
measure_window
[ "$GAME_WIDTH" -eq 1400 ] && [ "$GAME_HEIGHT" -eq 900 ] ||
    fail "the next start's window is ${GAME_WIDTH}x$GAME_HEIGHT, not the kept 1400x900"
kill -TERM "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=""
[ -s "$work/err" ] && fail "the game wrote on standard error"
echo "e2e_scale: all checks passed"
