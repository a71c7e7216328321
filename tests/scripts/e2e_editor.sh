#!/usr/bin/env bash
# The level editor end to end: the installed game runs on a virtual X server and is driven with
# xdotool like a player would drive it: choose "be creative" in the menu, press Edit, paint, place
# and drag a shape and a goal, shift the layout, rename the level, save with Ctrl+S, see the save
# question come up for a later change and cancel it, and leave with Exit. The level file the game
# wrote must then hold exactly the expected bytes.
# Set QV_SCREENSHOT_DIR to keep screenshots of the editor and of its save question there, and
# QV_E2E_WINDOW=WxH to play in a window of that size (800x600 if not set) to take them larger.
# Positions below are the game's logical ones, mapped to the window.
set -euo pipefail

# One overall limit, however the game or the X server misbehave.
if [ -z "${QV_E2E_TIMED:-}" ]; then
    QV_E2E_TIMED=1 exec timeout -k 10 240 bash "$0" "$@"
fi

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "e2e_editor: skipped, $tool is not installed"
        exit 0
    fi
done
: "${QV_BINARY_DIR:?QV_BINARY_DIR must name the build folder}"
# shellcheck source=tests/scripts/lib/xgame.sh
. "$(dirname "$0")/lib/xgame.sh"

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT

fail() {
    echo "e2e_editor: FAIL: $*" >&2
    [ -s "$work/err" ] && sed 's/^/  game: /' "$work/err" >&2
    exit 1
}

# --- The game folder, with a known first level in the player's own set -----------------------
game="$work/game"
cmake --install "$QV_BINARY_DIR" --prefix "$game" >/dev/null
pin_window "$game"
[ -x "$game/quorvellan" ] || fail "the installed folder has no quorvellan program"
[ -f "$game/Beta.txt" ] || fail "the installed folder has no Beta.txt"

# Entries of Beta.txt: a name line and a list-file line each, up to the first empty line.
entries=0
last_name=""
last_list=""
while IFS= read -r name && IFS= read -r list; do
    [ -n "$name" ] && [ -n "$list" ] || break
    entries=$((entries + 1))
    last_name=$name
    last_list=$list
done <"$game/Beta.txt"
[ "$last_name" = "be creative" ] || fail "the last set of Beta.txt is \"$last_name\", not \"be creative\""
level_path=$(head -n 1 "$game/$last_list")
[ -n "$level_path" ] || fail "the \"be creative\" list $last_list names no level"
level_file="$game/$level_path"

# Three white tiles in the corner: circle (0,0), star (0,1), triangle (1,0), with the circle's
# goal at (1,0), the star's at (0,0) and the triangle's at (0,1).
printf '2 2\n7 7\n7 0\n0 0 0 1 1 0 1 0 0 0 0 1\nStart Here\n' >"$level_file"

# --- Display and game ----------------------------------------------------------------------------
display_number=""
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display_number=$n
        break
    fi
done
[ -n "$display_number" ] || fail "no free X display number"
export DISPLAY=":$display_number"
Xvfb "$DISPLAY" -noreset -screen 0 "${X_SCREEN}x24" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not answer"

unset SDL_VIDEODRIVER
(cd "$game" && SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1 exec ./quorvellan) \
    >"$work/out" 2>"$work/err" &
game_pid=$!

window=""
for _ in $(seq 1 150); do
    window=$(xdotool search --name "Quorvellan" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window opened"
    sleep 0.2
done
[ -n "$window" ] || fail "the game window did not appear"
# The splash stays four seconds; the menu comes after it.
sleep 5

# --- Input helpers -------------------------------------------------------------------------------
pause() { sleep 0.4; }
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended unexpectedly ($1)"; }
point() {
    local at
    at=$(x_map "$1" "$2")
    # shellcheck disable=SC2086
    xdotool mousemove --window "$window" $at
}
click() { point "$1" "$2"; pause; xdotool click 1; pause; }
right_click() { point "$1" "$2"; pause; xdotool click 3; pause; }
# Holds the left button from the first point through the others.
drag() {
    point "$1" "$2"; pause
    xdotool mousedown 1; pause
    shift 2
    while [ $# -ge 2 ]; do point "$1" "$2"; pause; shift 2; done
    xdotool mouseup 1; pause
}
# Keys reach the window only while the pointer is over it.
keys() { point 700 580; pause; xdotool key --delay 80 "$@"; pause; }
# The editor's commands act on the key's release with the modifiers held then, and "xdotool key
# ctrl+s" lets go of Ctrl first: hold Ctrl until the letter is up, as a player does.
ctrl_key() {
    point 700 580; pause
    xdotool keydown ctrl; sleep 0.1; xdotool keydown "$1"; sleep 0.1
    xdotool keyup "$1"; sleep 0.1; xdotool keyup ctrl; pause
}
# The middle of a button, from its ".button" file: x, y, width, height come first.
button_mid() {
    local x y w h
    read -r x y w h _ <"$game/gui/$1.button"
    echo "$((x + w / 2)) $((y + h / 2))"
}
click_button() { click $(button_mid "$1"); }
# Tile middles on the editor's board, which starts at (210, 60) with 60-pixel tiles.
tile() { echo "$((240 + 60 * $1)) $((90 + 60 * $2))"; }
shot() { import -display "$DISPLAY" -window root "$1"; }
# The window lies at the screen's corner, so its pixels are the screenshot's.
box_signature() { convert "$1" -crop "$(x_area 231 176 343 248)" +repage -format '%#' info:; }
keep_shot() {  # screenshot name: its game picture, into QV_SCREENSHOT_DIR
    [ -n "${QV_SCREENSHOT_DIR:-}" ] || return 0
    mkdir -p "$QV_SCREENSHOT_DIR"
    convert "$1" -crop "$(x_area 0 0 800 600)" +repage "$QV_SCREENSHOT_DIR/$2"
}

# --- Menu: the "be creative" set (row after the tutorial and the other sets), then Edit ----------
click 128 $((150 + 18 * entries + 9))
alive "choosing the set"
click_button mainmenu/edit
alive "opening the editor"

# --- Editing -------------------------------------------------------------------------------------
# The white tool is latched: paint row 2 from column 0 to 3 in one stroke.
drag $(tile 0 2) $(tile 1 2) $(tile 2 2) $(tile 3 2)
click_button editor/red
click $(tile 2 0)
click $(tile 3 2)
# The star tool puts the star on (2,2).
click_button editor/star
click $(tile 2 2)
# Drag the circle from (0,0) onto (3,2), and the triangle's goal by its corner from (0,1) to (1,2).
drag $(tile 0 0) $(tile 1 1) $(tile 3 2)
drag 215 125 $(tile 1 2)
# Everything one column right and one row down.
click_button editor/right
click_button editor/down
alive "editing the board"

ctrl_key t
keys BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
point 700 580; pause
xdotool type --delay 80 "My Castle 2"; pause
shot "$work/editor.png"
keep_shot "$work/editor.png" editor.png
keys Return
alive "typing the name"

before=$(cat "$level_file")
ctrl_key s
for _ in $(seq 1 25); do
    [ "$(cat "$level_file")" != "$before" ] && break
    sleep 0.2
done
keys Return  # closes "Your level has been saved"
alive "saving"

# A later change brings the save question on Exit; Cancel keeps the editor, and taking the change
# back leaves nothing unsaved.
click_button editor/white
click $(tile 6 5)
shot "$work/before-question.png"
click_button editor/exit
# The question is drawn after the first event it receives: the pointer moving on.
point 300 300
sleep 1
shot "$work/question.png"
keep_shot "$work/question.png" savequestion.png
[ "$(box_signature "$work/before-question.png")" != "$(box_signature "$work/question.png")" ] ||
    fail "Exit after an unsaved change showed no question"
click_button messages/cancel
right_click $(tile 6 5)
click_button editor/exit
alive "leaving the editor"

# --- The saved file ----------------------------------------------------------------------------
# After the shifts: white at (1,1) (2,1) (1,2) (1,3) (2,3) (3,3), red at (3,1) (4,3); circle (4,3),
# star (3,3), triangle (2,1); goals: circle (2,1), star (1,1), triangle (2,3).
zeros="0 0 0 0 0 0 0 0 0 "
expected="9 7 ${zeros}0 7 7 1 0 0 0 0 0 0 7 0 0 0 0 0 0 0 0 7 7 7 1 0 0 0 0 ${zeros}${zeros}${zeros}"
expected+="4 3 3 3 2 1 2 1 1 1 2 3"$'\n'"My Castle 2"
actual=$(cat "$level_file"; printf x)
actual=${actual%x}
if [ "$actual" != "$expected" ]; then
    fail "the saved level differs:
expected: $(printf '%s' "$expected" | od -c | head -20)
actual:   $(printf '%s' "$actual" | od -c | head -20)"
fi

# Escape on the menu quits; the game must end by itself.
keys Escape
for _ in $(seq 1 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$game_pid" 2>/dev/null; then fail "the game did not quit from the menu"; fi
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with exit code $status"
if grep -q 'Error' "$work/err"; then fail "error boxes were shown: $(cat "$work/err")"; fi
echo "e2e_editor: all checks passed"
