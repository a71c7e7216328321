#!/usr/bin/env bash
# The player's comforts in the installed game on a virtual X server: on tutorial level 0, moves,
# undo, redo and a restart taken back; the game ended mid-level by a quit request (what closing
# the window sends) and started again, the level taken up where it was left; the level solved
# and its shortest way watched from "Well done", which records nothing; in the editor a level's
# code copied with Ctrl+L and another pasted with Ctrl+V and saved; a damaged --level code.
# The files the game keeps ("./continue.save", "./solutions.save", "./records.save", the level
# file) must hold exactly what the walk leaves.
# Skips (exit 0) only when Xvfb, xdotool or xclip is missing.
# QV_E2E_SHOTS=DIR keeps screenshots of the play screen with redo, the box taking the level up
# where it was left, "Well done" with its offer, a way being watched and the pasted code's box.
set -euo pipefail

if [ -z "${QV_E2E_TIMED:-}" ]; then
    QV_E2E_TIMED=1 exec timeout -k 10 300 bash "$0" "$@"
fi

for tool in Xvfb xdotool xclip; do
    if ! command -v "$tool" >/dev/null; then
        echo "e2e_comforts: skipped, $tool is not installed"
        exit 0
    fi
done
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/scripts/lib/xgame.sh
. "$here/lib/xgame.sh"
BIN=${QV_BINARY_DIR:-$here/../../build}

work=$(mktemp -d)
XVFB_PID=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT

fail() {
    echo "e2e_comforts: FAIL: $*" >&2
    [ -s "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
    exit 1
}

game="$work/game"
cmake --install "$BIN" --prefix "$game" >/dev/null
[ -x "$game/quorvellan" ] || fail "the installed folder has no quorvellan program"
start_xvfb "$work" || fail "Xvfb did not start"

# Starts the game with these options and waits out its splash.
start_game() {
    (cd "$game" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1 \
        exec ./quorvellan "$@") \
        >>"$work/game.log" 2>&1 &
    game_pid=$!
    wait_window "$game_pid" 20 || fail "no game window"
    x_pause 5.5
}

# A quit request, as the window's close button sends it; the game must end by itself.
quit_game() {
    kill -TERM "$game_pid"
    for _ in $(seq 50); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end on a quit request"
    wait "$game_pid" || true
    game_pid=""
}

shot() {  # name: the window as the player sees it, kept when asked for
    [ -n "${QV_E2E_SHOTS:-}" ] || return 0
    mkdir -p "$QV_E2E_SHOTS"
    import -window "$WINDOW" "$QV_E2E_SHOTS/$1.png"
}

# The moves kept for a level: the third field of its line.
kept() {  # file key
    awk -v key="$2" '{ line = $0; sub(/^[^ ]+ [^ ]+ [^ ]+ /, "", line) } line == key { print $3 }' \
        "$game/$1" 2>/dev/null
}

# --- Tutorial level 0: three triangle moves, two undone, one redone; a restart undone.
start_game
x_key Return
x_pause 0.5
x_key Return  # the intro
x_key t Down Down Left
x_chord ctrl z
x_chord ctrl z
x_chord ctrl y
x_chord ctrl r
x_key Return  # the intro comes again after a restart
x_chord ctrl z
shot redo
quit_game
[ "$(kept continue.save tutorial/0)" = tdtd ] ||
    fail "continue.save keeps '$(kept continue.save tutorial/0)' for tutorial/0, not tdtd"

# --- Started again: the level is where it was left, and solved from there in 7.
start_game
x_key Return
x_pause 0.5
shot continue
x_key Return  # the box that says so
x_key t Left 2 Down c Down Down Right
x_pause 1.2
shot welldone
tag=$(awk '$2 == "tutorial/0" { print $3 }' "$game/levels/par.txt")
[ "$(cat "$game/records.save")" = "7 tutorial/0 $tag" ] || fail "records.save: $(cat "$game/records.save")"
[ "$(kept solutions.save tutorial/0)" = tdtdtlsdcdcdcr ] || fail "the best way was not kept"
[ -z "$(kept continue.save tutorial/0)" ] || fail "a solved level keeps a position"
records=$(cat "$game/records.save")
progress=$(od -An -tx1 "$game/progress.save")
x_key w
x_pause 2.4
shot watching
x_pause 5
[ "$(cat "$game/records.save")" = "$records" ] || fail "watching changed records.save"
[ "$(od -An -tx1 "$game/progress.save")" = "$progress" ] || fail "watching changed progress.save"
x_key Escape  # on to level 1, whose intro comes
x_key Return
x_key Escape

# --- The editor: Ctrl+L copies the chosen level's code; a code pasted takes its place.
x_key shift+Down shift+Down shift+Down shift+Down shift+Down
x_key e
x_pause 0.5
x_chord ctrl l
code=$(xclip -selection clipboard -o)
[[ $code == "#L1."* ]] || fail "Ctrl+L copied '$code'"
x_key Return
pasted='#L1.777000000777000000777000000000000000000000000000000000000000000001020212022.Pasted_One'
printf '%s' "$pasted" | xclip -selection clipboard -i
x_chord ctrl v
shot pasted
x_key Return
x_chord ctrl s
x_key Return
level_path=$(head -n 1 "$game/levels/creative/list.txt")
[ "$(sed -n 2p "$game/$level_path")" = "Pasted One" ] ||
    fail "the pasted level was not saved in $level_path: $(cat "$game/$level_path")"
x_key Escape
quit_game

# --- A damaged code on the command line: a box (here a line on standard error), then the menu.
start_game --level '#L1.123'
quit_game
grep -q "Cannot open the level code. The code is cut short or damaged." "$work/game.log" ||
    fail "no word of the damaged --level code"
echo "e2e_comforts: passed"
