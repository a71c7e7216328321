#!/bin/bash
# Plays the whole tutorial in the installed game on a virtual X server, as a player would:
# keyboard in the menu, clicks, drags and keys on the board, undo by right button and Ctrl+Z,
# restart by Ctrl+R, Escape back to the menu. Checks tile colours on screen and the progress file,
# and for tutorial level 0, solved in 7 moves and then again in 9, the move counter against the
# par beside it, the "Well done" box's lines and "./records.save".
# Skips (exit 0) only when Xvfb or xdotool is missing.
# QV_E2E_SHOTS=DIR keeps screenshots of the splash, the menu, a play screen with its intro box,
# one with moves made and a refused step pointed at, tutorial level 4 half played with the help
# diagram of what the pointer is over, the "Well done" and "Set complete" boxes and the menu
# with a par mark there; QV_E2E_WINDOW=WxH plays in a window of that size (800x600 if not set)
# to take them larger. Positions below are the game's logical ones, mapped to the window.
set -euo pipefail

if [ -z "${QV_E2E_INNER:-}" ]; then
    QV_E2E_INNER=1 exec timeout --kill-after=10 600 bash "$0" "$@"
fi

for tool in Xvfb xdotool; do
    if ! command -v "$tool" > /dev/null; then
        echo "e2e_play: skipped, $tool is not installed"
        exit 0
    fi
done

# shellcheck source=tests/scripts/lib/xgame.sh
. "$(dirname "$0")/lib/xgame.sh"
SRC=${QV_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
BIN=${QV_BINARY_DIR:-$SRC/build}
SOLVER=$BIN/tools/qv-solve
WORK=$(mktemp -d /tmp/qv-e2e-play.XXXXXX)
GAME=$WORK/game
XVFB_PID=
GAME_PID=

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2> /dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2> /dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "e2e_play: FAILED: $*" >&2
    if [ -f "$GAME/game.log" ]; then
        echo "--- game output" >&2
        cat "$GAME/game.log" >&2
    fi
    exit 1
}

settle() { sleep "${1:-0.35}"; }

# --- the installed game and the solver
[ -x "$SOLVER" ] || cmake --build "$BIN" --target qv-solve > /dev/null
cmake --install "$BIN" --prefix "$GAME" > /dev/null
pin_window "$GAME"
[ -x "$GAME/quorvellan" ] || fail "the install has no ./quorvellan"

# --- a free display
DISPLAY_NUMBER=
for n in $(seq 91 120); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        DISPLAY_NUMBER=$n
        break
    fi
done
[ -n "$DISPLAY_NUMBER" ] || fail "no free X display number"
Xvfb ":$DISPLAY_NUMBER" -screen 0 "${X_SCREEN}x24" -noreset > "$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$DISPLAY_NUMBER"
for _ in $(seq 50); do
    xdotool getmouselocation > /dev/null 2>&1 && break
    sleep 0.1
done
xdotool getmouselocation > /dev/null 2>&1 || fail "Xvfb did not start"

SHOT=$WORK/shot.png
shoot() { import -window root "$SHOT"; }
# A logical rectangle of the last screenshot (the window lies at the screen's corner), handed to
# convert with the arguments after it.
crop() {  # x y width height convert-arguments...
    local area
    area=$(x_area "$1" "$2" "$3" "$4")
    shift 4
    convert "$SHOT" -crop "$area" +repage "$@"
}
# The window's column of a logical x, counted from the picture's left edge.
column() {
    local x left
    read -r x _ < <(x_map "$1" 0 edge)
    read -r left _ < <(x_map 0 0 edge)
    echo $((x - left))
}
keep_shot() {  # name: copies the last screenshot's game picture to QV_E2E_SHOTS
    if [ -n "${QV_E2E_SHOTS:-}" ]; then
        mkdir -p "$QV_E2E_SHOTS"
        crop 0 0 800 600 "$QV_E2E_SHOTS/$1.png"
    fi
}
# Red, green and blue of the window pixel at a logical position in the last screenshot, e.g.
# "205 204 147".
pixel() {
    crop "$1" "$2" 1 1 -depth 8 txt:- |
        tail -1 | sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/'
}

# --- start the game and wait out the splash
cd "$GAME"
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1 ./quorvellan > game.log 2>&1 &
GAME_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --name "Quorvellan" | head -1) || fail "no game window"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"  # X, Y of the window on the root
# Screenshots are read at the window's pixels from the screen's corner.
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "the window is not at the screen's corner"
# Escape during the splash is not meant for the menu, whose Escape quits.
x_point 785 15
xdotool key Escape
settle 1.5
shoot
keep_shot splash
settle 4
kill -0 "$GAME_PID" 2> /dev/null || fail "Escape pressed during the splash quit the game"

game_running() { kill -0 "$GAME_PID" 2> /dev/null; }

# Keys go to the window under the pointer, so park the pointer over an empty corner first.
key() {
    x_point 785 15
    settle 0.1
    xdotool key "$@"
    settle
}

# A key with Ctrl held the way a hand does it: SDL loses a chord that comes all at once.
ctrl_key() {
    x_point 785 15
    settle 0.1
    xdotool keydown ctrl
    settle 0.15
    xdotool key "$1"
    settle 0.15
    xdotool keyup ctrl
    settle
}

click_at() {  # x y [button]
    x_point "$1" "$2"
    settle 0.1
    xdotool click "${3:-1}"
    settle
}

drag() {  # from-x from-y to-x to-y
    x_point "$1" "$2"
    settle 0.15
    xdotool mousedown 1
    settle 0.15
    x_point "$3" "$4"
    settle 0.15
    xdotool mouseup 1
    settle
}

# --- the solver's view of a tutorial level: board offset and moves
OFFSET_X=0
OFFSET_Y=0
MOVES=()
load_level() {
    local out
    out=$("$SOLVER" --board-offset --tutorial "$1") || fail "qv-solve failed on tutorial $1"
    read -r OFFSET_X OFFSET_Y < <(sed -n 's/^  board offset: //p' <<< "$out")
    mapfile -t MOVES < <(sed -nE 's/^  [0-9]+\. ([a-z]+) \(([0-9]+),([0-9]+)\) ([a-z]+)$/\1 \2 \3 \4/p' <<< "$out")
    [ "${#MOVES[@]}" -gt 0 ] || fail "no solution for tutorial $1"
}

tile_x() { echo $((210 + OFFSET_X + 60 * $1)); }
tile_y() { echo $((60 + OFFSET_Y + 60 * $1)); }

# A click in the section of the shape's tile that points the way it should go.
click_move() {  # shape column row direction
    local x0 y0
    x0=$(tile_x "$2")
    y0=$(tile_y "$3")
    case $4 in
    up) click_at $((x0 + 30)) $((y0 + 8)) ;;
    down) click_at $((x0 + 30)) $((y0 + 52)) ;;
    left) click_at $((x0 + 8)) $((y0 + 30)) ;;
    right) click_at $((x0 + 52)) $((y0 + 30)) ;;
    esac
}

drag_move() {
    local x0 y0 dx=0 dy=0
    x0=$(($(tile_x "$2") + 30))
    y0=$(($(tile_y "$3") + 30))
    case $4 in
    up) dy=-60 ;; down) dy=60 ;; left) dx=-60 ;; right) dx=60 ;;
    esac
    drag "$x0" "$y0" $((x0 + dx)) $((y0 + dy))
}

key_move() {
    local select arrow
    case $1 in circle) select=c ;; star) select=2 ;; triangle) select=t ;; esac
    case $4 in up) arrow=Up ;; down) arrow=Down ;; left) arrow=Left ;; right) arrow=Right ;; esac
    key "$select" "$arrow"
}

# After a level's last move: the "Well done" box, shown over the solved board.
expect_well_done() {
    settle 1.2
    shoot
    # A spot of the box's own fill, below any line of the short solved texts.
    [ "$(pixel 236 418)" = "205 204 147" ] || fail "no \"Well done\" box after tutorial $1 (pixel $(pixel 236 418))"
}

# The last character of the move counter (right-aligned left of the name plate) against the
# last of the par label (right of it): the brightest pixels of each, lined up at their right
# ends. "same" when they show the same digit (nine in ten of their pixels shared).
last_digits() {
    crop 0 544 800 30 -depth 8 ppm:- |
        /usr/bin/python3 -c '
import sys
moves = int(sys.argv[1]), int(sys.argv[2])
par = int(sys.argv[3]), int(sys.argv[4])
data = sys.stdin.buffer.read()
head = data.split(b"\n", 3)
w, h = map(int, head[1].split())
px = head[3]
def lum(x, y):
    i = 3 * (y * w + x)
    return px[i] + px[i + 1] + px[i + 2]
def glyph(x0, x1):
    top = max(lum(x, y) for x in range(x0, x1) for y in range(h))
    on = {(x, y) for x in range(x0, x1) for y in range(h) if lum(x, y) >= 0.8 * top}
    right = max(x for x, _ in on)
    cols = sorted({x for x, _ in on}, reverse=True)
    left = right
    for c in cols:          # back to the gap before the last character
        if c < left - 1:
            break
        left = c
    return {(x - right, y) for x, y in on if x >= left}
# Drawn larger over the wood, an edge pixel may pass the threshold on one side only.
a, b = glyph(*moves), glyph(*par)
print("same" if len(a & b) >= 0.9 * len(a | b) else "different")' \
        "$(column 220)" "$(column 360)" "$(column 600)" "$(column 760)"
}

# --- the menu: tutorial level 0 is current; Return plays it
shoot
keep_shot menu
game_running || fail "the game ended during start-up"
key Return
settle 0.6
shoot
keep_shot play
key Return  # closes the intro box on release

# Level 0 by clicks, with undo by right button and Ctrl+Z and a restart checked on screen.
load_level 0
read -r shape col row dir <<< "${MOVES[0]}"
case $dir in up) tc=$col tr=$((row - 1)) ;; down) tc=$col tr=$((row + 1)) ;;
left) tc=$((col - 1)) tr=$row ;; right) tc=$((col + 1)) tr=$row ;; esac
# Top middle of the tile the first move enters: shapes leave a margin there.
PROBE_X=$(($(tile_x "$tc") + 30))
PROBE_Y=$(($(tile_y "$tr") + 3))
shoot
BEFORE=$(pixel "$PROBE_X" "$PROBE_Y")
click_move "$shape" "$col" "$row" "$dir"
shoot
AFTER=$(pixel "$PROBE_X" "$PROBE_Y")
[ "$AFTER" != "$BEFORE" ] || fail "the first move did not recolour its tile ($BEFORE)"
click_at 780 300 3  # right button: undo
shoot
[ "$(pixel "$PROBE_X" "$PROBE_Y")" = "$BEFORE" ] || fail "right-click did not undo the move"
click_move "$shape" "$col" "$row" "$dir"
ctrl_key z
shoot
[ "$(pixel "$PROBE_X" "$PROBE_Y")" = "$BEFORE" ] || fail "Ctrl+Z did not undo the move"
click_move "$shape" "$col" "$row" "$dir"
ctrl_key r
settle 0.5
key Return  # the restart brings the intro again
shoot
[ "$(pixel "$PROBE_X" "$PROBE_Y")" = "$BEFORE" ] || fail "Ctrl+R did not restart the level"

BOX_LINES_1_2=$WORK/box12.png
BOX_LINES_4_6=$WORK/box46.png
box_crop() {  # first-line last-line file: lines of the box's text, as the box draws them
    crop 231 $((198 + 15 * ($1 - 1))) 343 $((15 * ($2 - $1 + 1))) "$3"
}

# The record of 7 moves on tutorial level 0's board, whose tag par.txt names beside its par.
record_7() { echo "7 tutorial/0 $(awk '$2 == "tutorial/0" { print $3 }' "$GAME/levels/par.txt")"; }

# Tutorial level 0 in its 7 moves: the counter shows par's digit, the box reports the solve
# above the level's own text, and the record is written.
check_first_solve() {
    [ "$(last_digits)" = same ] || fail "the counter does not show 7 moves beside par 7"
    box_crop 1 2 "$BOX_LINES_1_2"
    box_crop 4 6 "$BOX_LINES_4_6"
    [ "$(convert "$BOX_LINES_1_2" -format '%[fx:minima.intensity < 0.5]' info:)" = 1 ] ||
        fail "the \"Well done\" box has no lines above the level's text"
    [ "$(cat "$GAME/records.save" 2> /dev/null)" = "$(record_7)" ] ||
        fail "records.save after 7 moves: $(cat "$GAME/records.save" 2> /dev/null)"
}

# Back to the menu from level 1 and level 0 again in 9 moves: the star steps up and back first.
replay_level_0() {
    key Escape
    settle 0.6
    shoot
    keep_shot menumarks
    key Up
    key Return
    settle 0.6
    key Return  # the intro
    load_level 0
    local moves=("star 2 1 up" "star 2 0 down" "${MOVES[@]}") move
    for move in "${moves[@]}"; do
        # shellcheck disable=SC2086
        click_move $move
        if [ "$move" = "star 2 0 down" ]; then
            # Pointed at a step the rules refuse: the circle cannot leave the board.
            x_point "$(($(tile_x 0) + 6))" "$(($(tile_y 0) + 30))"
            settle
            shoot
            keep_shot counter
        fi
    done
    expect_well_done 0
    [ "$(last_digits)" = different ] || fail "the counter shows par's digit after 9 moves"
    local again=$WORK/again.png
    box_crop 1 2 "$again"
    [ "$(compare -metric AE "$again" "$BOX_LINES_1_2" null: 2>&1)" != 0 ] ||
        fail "the \"Well done\" box says the same after 9 moves as after 7"
    box_crop 4 6 "$again"
    [ "$(compare -metric AE "$again" "$BOX_LINES_4_6" null: 2>&1)" = 0 ] ||
        fail "the level's own solved text moved or changed"
    [ "$(cat "$GAME/records.save")" = "$(record_7)" ] ||
        fail "records.save after a slower solve: $(cat "$GAME/records.save")"
    key Return  # closes "Well done"
    settle 0.4
    key Return  # level 1's intro
}

for level in $(seq 0 8); do
    [ "$level" -eq 0 ] || load_level "$level"
    for i in "${!MOVES[@]}"; do
        # shellcheck disable=SC2086
        case $level in
        1) drag_move ${MOVES[$i]} ;;
        2) key_move ${MOVES[$i]} ;;
        *) click_move ${MOVES[$i]} ;;
        esac
        if [ "$level" -eq 4 ] && [ "$i" -eq 3 ]; then
            # The pointer over the middle of the shape that moved last.
            read -r shape col row dir <<< "${MOVES[$i]}"
            case $dir in up) row=$((row - 1)) ;; down) row=$((row + 1)) ;;
            left) col=$((col - 1)) ;; right) col=$((col + 1)) ;; esac
            x_point $(($(tile_x "$col") + 30)) $(($(tile_y "$row") + 30))
            settle
            shoot
            keep_shot playing
        fi
    done
    expect_well_done "$level"
    if [ "$level" -eq 0 ]; then
        keep_shot welldone
        check_first_solve
    fi
    key Return  # closes "Well done"
    settle 0.4
    if [ "$level" -eq 8 ]; then
        # The tutorial is finished for the first time: its set's box comes next.
        shoot
        [ "$(pixel 236 418)" = "205 204 147" ] || fail "no \"Set complete\" box after the tutorial"
        keep_shot setcomplete
    fi
    [ "$level" -lt 8 ] && key Return  # closes the next level's intro
    game_running || fail "the game ended during tutorial $level"
    if [ "$level" -eq 0 ]; then replay_level_0; fi
done

# --- the progress file: every tutorial level solved
/usr/bin/python3 - "$GAME/progress.save" << 'EOF' || fail "tutorial progress not recorded"
import sys
data = open(sys.argv[1], "rb").read()[3:]
status = {}
for a, b in zip(data[0::2], data[1::2]):
    status[(b >> 3, (b & 7) * 4 + ((a >> 2) & 3))] = a & 3
missing = [level for level in range(9) if status.get((0, level)) != 2]
if missing:
    print("tutorial levels not solved:", missing, file=sys.stderr)
    sys.exit(1)
EOF

# --- Escape closes the tutorial's "Set complete" box and any intro box of the next set, then
# leaves the play screen; in the menu Escape is the Quit button's key, so the game ends only once
# the menu has been reached.
for _ in 1 2 3 4 5; do
    game_running || break
    key Escape
    settle 0.6
done
for _ in $(seq 30); do
    game_running || break
    sleep 0.2
done
game_running && fail "Escape did not lead back to the menu and out"
wait "$GAME_PID" || true
GAME_PID=
echo "e2e_play: passed"
