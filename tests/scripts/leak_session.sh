#!/usr/bin/env bash
# A whole session of the installed game under valgrind's memcheck, played on a virtual X server:
# first start, menu, a tutorial level solved by keys after clicks, undo and restart, the next
# level's intro, then the player's own set in the editor: paint, undo, save, try the level, exit,
# quit. Fails on any invalid read or write, any use of undefined memory and any definite leak
# that is not the libraries' own (tests/scripts/lib/quorvellan.supp), and when the session did
# not get through (the level must be recorded as solved and the edited level saved).
# Skips (exit 0) only when Xvfb, xdotool or valgrind is missing.
# QV_LEAK_LOG=FILE keeps valgrind's report there.
set -uo pipefail

if [ -z "${QV_LEAK_TIMED:-}" ]; then
    QV_LEAK_TIMED=1 exec timeout -k 10 470 bash "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/scripts/lib/xgame.sh
. "$here/lib/xgame.sh"

for tool in Xvfb xdotool valgrind; do
    if ! command -v "$tool" >/dev/null; then
        echo "leak_session: skipped, $tool is not installed"
        exit 0
    fi
done
: "${QV_BINARY_DIR:?QV_BINARY_DIR must name the build folder}"

work=$(mktemp -d /tmp/qv-leak.XXXXXX)
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    stop_xvfb
    [ -n "${QV_LEAK_LOG:-}" ] && [ -f "$work/valgrind.log" ] && cp "$work/valgrind.log" "$QV_LEAK_LOG"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT

fail() {
    echo "leak_session: FAIL: $*" >&2
    [ -s "$work/err" ] && sed 's/^/  game: /' "$work/err" >&2
    exit 1
}

game="$work/game"
cmake --install "$QV_BINARY_DIR" --prefix "$game" >/dev/null || fail "install failed"
pin_window "$game"
[ -x "$game/quorvellan" ] || fail "the installed folder has no quorvellan program"
rm -f "$game/progress.save"  # a first start, so the progress file is written too
own_level="$game/levels/creative/01.txt"
cp "$own_level" "$work/own-level-before"

start_xvfb "$work" || fail "Xvfb did not start"
(cd "$game" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1 \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=40 --error-exitcode=99 \
    --suppressions="$here/lib/quorvellan.supp" --log-file="$work/valgrind.log" ./quorvellan) \
    >"$work/out" 2>"$work/err" &
game_pid=$!
wait_window "$game_pid" 90 || fail "no game window under valgrind"
sleep 10  # the splash stays 4 s, and everything is slower under valgrind

# Everything runs many times slower: generous pauses between the player's actions.
export X_PAUSE=0.8
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended early ($1)"; }

# --- The menu, then tutorial level 0: clicks, undo, restart, then solved by keys ----------------
x_key Down
x_key Up
x_key Return  # plays tutorial level 0
x_pause 2
x_key Return  # closes its intro box
x_pause 1
for spot in "450 270" "510 210" "390 330" "570 330"; do
    # shellcheck disable=SC2086
    x_click $spot
done
x_click 450 270 3  # right button: undo
x_chord ctrl z
x_drag 350 200 410 200 470 260
x_chord ctrl r
x_pause 1.5
x_key Return  # the restart brings the intro again
x_pause 1
alive "playing"
# 3 is the triangle, 2 the star, 1 the circle; arrows move the selected shape.
x_key 3 Down Down Left 2 Down 1 Down Down Right
x_pause 4  # the solved sound, the pause, and the "Well done" box
x_key Return  # closes "Well done"
x_pause 2
x_key Return  # closes the next level's intro
x_pause 1
x_key Escape  # back to the menu
x_pause 3
alive "the solved level"

# --- The editor on the first level of "be creative", the last set --------------------------------
# As many steps down as Beta.txt names sets.
for _ in $(seq $(($(grep -c . "$game/Beta.txt") / 2))); do x_chord shift Down; done
x_key e
x_pause 3
x_click 34 54    # red paint
x_click 570 390  # a tile
x_click 570 390 3  # right button: takes it back
x_click 510 390  # another tile
x_chord ctrl s
x_pause 2
x_key Return  # closes "saved"
x_pause 1
x_key F9  # tries the level
x_pause 2
x_key Return  # its intro box, if any
x_key Escape  # back to the editor
x_pause 2
alive "the editor"
x_click 146 452  # exit button: nothing unsaved, straight to the menu
x_pause 3
x_key Escape  # quits

# valgrind's leak search at exit takes a while.
for _ in $(seq 1 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not quit from the menu"
status=0
wait "$game_pid" || status=$?
game_pid=""

# --- The verdict -------------------------------------------------------------------------------
log="$work/valgrind.log"
[ -s "$log" ] || fail "valgrind wrote no report"
problems=$(grep -E 'Invalid (read|write|free)|uninitialised|definitely lost in|Mismatched free' "$log" | head -n 20)
if [ "$status" -ne 0 ] || [ -n "$problems" ]; then
    echo "leak_session: FAIL: memcheck found problems (exit code $status)" >&2
    grep -vE '^==[0-9]+== *$' "$log" | sed -n '/Invalid\|uninitialised\|definitely lost in\|Mismatched/,/^==[0-9]*== $/p' |
        head -n 150 >&2
    grep -E 'ERROR SUMMARY|definitely lost:' "$log" >&2
    exit 1
fi
grep -qE 'definitely lost: 0 bytes|All heap blocks were freed' "$log" ||
    fail "no clean leak summary: $(grep -E 'definitely lost:' "$log")"

# The session really went through: level 0 of the tutorial recorded as solved, the level saved.
python3 - "$game/progress.save" <<'EOF' || fail "tutorial level 0 was not recorded as solved"
import sys
data = open(sys.argv[1], "rb").read()[3:]
solved = any((b >> 3) == 0 and (b & 7) * 4 + ((a >> 2) & 3) == 0 and a & 3 == 2
             for a, b in zip(data[0::2], data[1::2]))
sys.exit(0 if solved else 1)
EOF
cmp -s "$work/own-level-before" "$own_level" && fail "the editor did not save the level"
if grep -q 'Error' "$work/err"; then fail "error boxes were shown"; fi
echo "leak_session: no invalid access and no leak of the game's own ($(grep -m1 -oE 'total heap usage: [0-9,]+ allocs' "$log"))"
