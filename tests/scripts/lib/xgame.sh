# shellcheck shell=bash
# Shared pieces of the scripts that run the installed game: a virtual X server of their own, the
# game window, and a player's hands (pointer and keys). Sourced, not run.

# Whether the tools for driving the game on a virtual display are installed.
x_tools_present() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null
}

# Starts Xvfb on a display number it picks itself (safe with several scripts at once).
# $1: a folder for its log. Sets XVFB_PID and exports DISPLAY; returns non-zero on failure.
start_xvfb() {
    local folder=$1 number=""
    : >"$folder/xvfb.display"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 3>"$folder/xvfb.display" \
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

# Input pauses; a slow game (valgrind) needs longer ones: set X_PAUSE before use.
x_pause() { sleep "${1:-${X_PAUSE:-0.3}}"; }

x_point() { xdotool mousemove --window "$WINDOW" "$1" "$2"; }

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
