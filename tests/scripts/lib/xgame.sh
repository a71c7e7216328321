# shellcheck shell=bash
# Shared pieces of the scripts that run the installed game: a virtual X server of their own, the
# game window, and a player's hands (pointer and keys). Sourced, not run.

# The game's display, in pixels: its window, or the screen in full screen. The game draws its
# 800 by 600 picture on it at the largest scale that fits, centred between even black bars. The
# scripts play in a window of the game's own 800 by 600 (scale 1), or of QV_E2E_WINDOW (WxH), to
# keep screenshots at that size; X_SCREEN is a virtual screen it fits on.
GAME_SIZE=${QV_E2E_WINDOW:-800x600}
GAME_WIDTH=${GAME_SIZE%x*}
GAME_HEIGHT=${GAME_SIZE#*x}
X_SCREEN=$((GAME_WIDTH > 1024 ? GAME_WIDTH : 1024))x$((GAME_HEIGHT > 768 ? GAME_HEIGHT : 768))

# Keeps the game in the folder $1 in that window: its size kept as from a last start.
pin_window() {
    printf '%s %s\n' "$GAME_WIDTH" "$GAME_HEIGHT" >"$1/window.save"
}

# Whether the tools for driving the game on a virtual display are installed.
x_tools_present() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null
}

# Starts Xvfb on a display number it picks itself (safe with several scripts at once).
# $1: a folder for its log, $2: the screen's size (X_SCREEN if not given). Sets XVFB_PID and
# exports DISPLAY; returns non-zero on failure.
start_xvfb() {
    local folder=$1 screen=${2:-$X_SCREEN} number=""
    : >"$folder/xvfb.display"
    Xvfb -displayfd 3 -noreset -screen 0 "${screen}x24" 3>"$folder/xvfb.display" \
        >"$folder/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        number=$(head -n 1 "$folder/xvfb.display")
        [ -n "$number" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    [ -n "$number" ] || return 1
    export DISPLAY=":$number"
    for _ in $(seq 1 50); do
        xdotool getmouselocation >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    XVFB_PID=""
}

# Waits for the game's window. $1: the game's process id, $2: seconds. Sets WINDOW.
wait_window() {
    local pid=$1 tries=$(($2 * 5))
    WINDOW=""
    for _ in $(seq 1 "$tries"); do
        WINDOW=$(xdotool search --name "Quorvellan" 2>/dev/null | head -n 1 || true)
        [ -n "$WINDOW" ] && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# Input pauses; a slow game (valgrind) needs longer ones: set X_PAUSE before use. Positions are
# the game's logical ones (x_map).
x_pause() { sleep "${1:-${X_PAUSE:-0.3}}"; }

# The display pixel where the game shows its logical position x y (in its 800 by 600 units),
# mapped as the game maps it: the middle of the unit's pixels, or with a third argument "edge"
# its first pixel. Prints "x y".
x_map() {
    awk -v w="$GAME_WIDTH" -v h="$GAME_HEIGHT" -v x="$1" -v y="$2" -v edge="${3:-}" '
        function r(v) { return int(v + 0.5) }
        function at(v, o) {
            return o + r(v * s) + (edge == "edge" ? 0 : int((r((v + 1) * s) - r(v * s)) / 2))
        }
        BEGIN {
            s = w / 800; if (h / 600 < s) s = h / 600
            printf "%d %d\n", at(x, int((w - r(800 * s)) / 2)), at(y, int((h - r(600 * s)) / 2))
        }'
}

# The display's pixels of the logical rectangle x y width height, as "WxH+X+Y" for convert.
x_area() {
    local left top right bottom
    read -r left top < <(x_map "$1" "$2" edge)
    read -r right bottom < <(x_map "$(($1 + $3))" "$(($2 + $4))" edge)
    echo "$((right - left))x$((bottom - top))+$left+$top"
}

# Points at the logical position x y of the game's picture.
x_point() {
    local at
    at=$(x_map "$1" "$2")
    # shellcheck disable=SC2086
    xdotool mousemove --window "$WINDOW" $at
}

# A left click at window position x y (a third argument picks another button).
x_click() {
    x_point "$1" "$2"
    x_pause 0.1
    xdotool click "${3:-1}"
    x_pause
}

# Holds the left button from the first point through the following ones.
x_drag() {
    x_point "$1" "$2"
    x_pause
    xdotool mousedown 1
    x_pause
    shift 2
    while [ $# -ge 2 ]; do
        x_point "$1" "$2"
        x_pause
        shift 2
    done
    xdotool mouseup 1
    x_pause
}

# Keys reach the window only while the pointer is over it: park it on an empty corner first.
x_key() {
    x_point 785 15
    x_pause 0.1
    xdotool key --delay 80 "$@"
    x_pause
}

# A key with a modifier held the way a hand does it: SDL loses a chord that comes all at once,
# and commands that act on the release need the modifier still down then.
# $1: modifier (ctrl, shift), $2: key.
x_chord() {
    x_point 785 15
    x_pause 0.1
    xdotool keydown "$1"
    x_pause 0.15
    xdotool key "$2"
    x_pause 0.15
    xdotool keyup "$1"
    x_pause
}
