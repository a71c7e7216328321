#!/usr/bin/env bash
# The installed game under damaged installations. For each kind of damage a fresh copy of the
# game folder is damaged and the game started in it: a broken settings file must stop it with
# its one fatal box and exit code 0; any other damage must leave it running with exactly the
# expected boxes (one "Title: text" line each on standard error) until it is told to quit. A
# damaged level is also played on a virtual X server, with clicks, drags, keys, undo, hint and
# restart. After every run nothing the player had may be lost: the progress file and the
# player's own levels must be byte for byte what they were.
# QV_DAMAGE_GAME=PATH runs another build of the game (for example a sanitizer build) instead of
# the installed program; any sanitizer report then fails the case like any unexpected line.
# QV_DAMAGE_CASES="name ..." runs only the named cases (the case_ functions below, without case_).
# QV_DAMAGE_SHOTS=DIR keeps screenshots of the damaged levels being played there.
set -uo pipefail

if [ -z "${QV_DAMAGE_TIMED:-}" ]; then
    QV_DAMAGE_TIMED=1 exec timeout -k 10 270 bash "$0" "$@"
fi
: "${QV_BINARY_DIR:?QV_BINARY_DIR must name the build folder}"
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/scripts/lib/xgame.sh
. "$here/lib/xgame.sh"

export SDL_AUDIODRIVER=dummy QUORVELLAN_NO_DIALOGS=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
max_jobs=4

work=$(mktemp -d /tmp/qv-damage.XXXXXX)
chmod 711 "$work"  # a case run as another user must reach its copy
cleanup() {
    local job
    for job in $(jobs -p); do kill "$job" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' TERM INT

game="$work/game"
cmake --install "$QV_BINARY_DIR" --prefix "$game" >/dev/null || { echo "damaged_install: FAIL: install failed" >&2; exit 1; }
pin_window "$game"
if [ -n "${QV_DAMAGE_GAME:-}" ]; then
    cp "$QV_DAMAGE_GAME" "$game/quorvellan" || exit 1
fi
[ -x "$game/quorvellan" ] || { echo "damaged_install: FAIL: no ./quorvellan installed" >&2; exit 1; }

driving=0
if x_tools_present; then
    driving=1
else
    echo "damaged_install: Xvfb or xdotool missing; damaged levels are only loaded, not played"
fi

# --- The player's progress: volumes 64 and 128, a window, the tutorial solved, the first level
# of set 1 solved, its second open and its third locked.
record() { printf '\\x%02x\\x%02x' $(($3 | ($2 & 3) << 2)) $((($2 >> 2) & 7 | $1 << 3)); }
player_progress() {
    local bytes='\x40\x80\x00' level
    for level in $(seq 0 8); do bytes+=$(record 0 "$level" 2); done
    bytes+=$(record 1 0 2)$(record 1 1 0)$(record 1 2 1)
    printf '%s' "$bytes"
}
# shellcheck disable=SC2059
printf "$(player_progress)" >"$game/progress.save"

# --- Helpers for the cases, run inside the damaged copy ----------------------------------------
first_level=levels/first/01.txt
expect() { printf '=%s\n' "$*" >>"$case_dir.expected"; }
expect_like() { printf '~%s\n' "$*" >>"$case_dir.expected"; }
# Any number of lines, but at least one, each like the pattern.
expect_every() { EVERY=$1; }
# A damaged level's box comes when the library loads its set at start, and again when the menu
# chooses the set to play it.
expect_level() {
    expect "Error: Cannot load level $first_level. $1"
    if [ "$driving" -eq 1 ]; then expect "Error: Cannot load level $first_level. $1"; fi
}
# shellcheck disable=SC2059  # the cases pass printf formats
level_file() { printf "$@" >"$first_level"; }
long_text() { head -c "$1" /dev/zero | tr '\0' "$2"; }

# Each case damages the copy in the current folder and says what must happen:
# MODE fatal (one box, exit 0 by itself), runs (keeps running until told to quit) or first
# (a first start: writes the default progress file); DRIVE level (play the first level of set 1),
# editor (edit and try the first level of "be creative"; editor_save then presses Ctrl+S), music
# (enter the play screen) or volume (switch the music off and on; with SAVES=1 the progress file
# is saved then); OUTSIDE names a file outside the game folder that must stay "outside";
# CLOSE=1 when the game is to be closed as a window rather than quit from its menu;
# UNORDERED=1 when the boxes may come in any order; AS_PLAYER=1 to run it as a player who
# may not read what the case took away (as root, the user nobody: root reads anything).

case_audio_missing() { rm config/audio.config; MODE=fatal; expect "Fatal Error: Cannot load audio settings."; }
case_audio_short() { printf '44100 2 ./music/menu.ogg ./music/playlist.txt\n' >config/audio.config; MODE=fatal; expect "Fatal Error: Cannot load audio settings."; }
case_audio_word() { printf 'fast 2 ./music/menu.ogg ./music/playlist.txt ogg\n' >config/audio.config; MODE=fatal; expect "Fatal Error: Cannot load audio settings."; }
case_video_missing() { rm config/video.config; MODE=fatal; expect "Fatal Error: Cannot load video settings."; }
case_video_short() { printf '800 600\n' >config/video.config; MODE=fatal; expect "Fatal Error: Cannot load video settings."; }
case_video_word() { printf '800 tall 32\n' >config/video.config; MODE=fatal; expect "Fatal Error: Cannot load video settings."; }

case_progress_missing() { rm progress.save; MODE=first; }
case_progress_empty() { : >progress.save; MODE=fatal; expect "Fatal Error: Cannot load user settings."; }
case_progress_two_bytes() { printf '\x40\x80' >progress.save; MODE=fatal; expect "Fatal Error: Cannot load user settings."; }
case_progress_odd() { printf '\x40\x80\x00\x02\x08\x05' >progress.save; }
# Set indexes 6 and 31, level indexes 20 and 31, status 3, and bytes that look like whitespace.
case_progress_out_of_range() { printf '\x0a\x09\x20\x02\xf8\x03\x30\x0e\x0f\x00\x2d\x0b\x0d\x03\x08' >progress.save; }
# A FIFO would block the start in open() and /dev/zero feed the reader forever: both are no
# progress file, so the first start writes one in their place.
case_progress_fifo() { rm progress.save; mkfifo progress.save; MODE=first; }
case_progress_dev_zero() { rm progress.save; ln -s /dev/zero progress.save; MODE=first; }
# A first start that cannot write the progress file says why, not that settings are missing.
case_progress_folder() { rm progress.save; mkdir progress.save; MODE=fatal; expect "Fatal Error: Cannot save progress. Replacing ./progress.save failed: Is a directory."; }
# A save the player can't read (left root's by a run under sudo) may hold all their progress:
# it is never replaced. Without progress.save the game can't start; without records it plays on.
case_progress_unreadable() { chmod 0 progress.save; AS_PLAYER=1; MODE=fatal; expect "Fatal Error: Cannot save progress. ./progress.save can't be read: Permission denied."; }
case_records_unreadable() {
    printf '9 tutorial/0\n' >records.save
    chmod 0 records.save
    AS_PLAYER=1
    expect "Error: Cannot load records. ./records.save can't be read: Permission denied. The file stays as it is, and no record is saved while it can't be read."
}
# The player's own level left unreadable: named with the reason at start and when its set is
# chosen; the game plays on, and the editor's Ctrl+S never writes over it.
creative_level=levels/creative/01.txt
expect_creative() {
    expect "Error: Cannot load level $1"
    if [ "$driving" -eq 1 ]; then
        expect "Error: Cannot load level $1"
        expect "Error: Cannot save level $2"
    fi
}
case_creative_unreadable() {
    local why="$creative_level can't be read: Permission denied."
    chmod 0 "$creative_level"
    if [ "$(id -u)" -eq 0 ]; then  # the player's folder, with one file a run under sudo left
        chown -R nobody:nogroup .
        chown root:root "$creative_level"
    fi
    AS_PLAYER=1
    DRIVE=editor_save
    expect_creative "$creative_level. $why" "$creative_level. $why The file stays as it is."
}
# A list line that leads out of the game folder (a shared level pack can bring one) is refused
# for reading and writing, and the file it names is left alone.
case_creative_outside() {
    local line="../$case_name.outside"
    local why="Line 1 of levels/creative/list.txt leads outside the game folder."
    echo outside >"$line"
    OUTSIDE=$line
    sed -i "1s|.*|$line|" levels/creative/list.txt
    DRIVE=editor_save
    expect_creative "$line. $why" "$line. $why"
}
# Saves cut off by a crash left their temporary files: the next start removes them.
case_stale_temporaries() {
    local file
    for file in .quorvellan-save-Ab12Cd levels/creative/.quorvellan-save-Ef34Gh; do
        echo "cut off" >"$file"
        touch -d '1 hour ago' "$file"
    done
}

case_beta_missing() { rm Beta.txt; }
case_beta_long_name() { sed -i "7s/.*/$(long_text 60 n)/" Beta.txt; }
# Music switched off and on again in the menu saves the progress file: the records of the sets
# that the damaged list hides must still be in it.
case_beta_hides_sets_on_save() { sed -i "1s/.*/$(long_text 60 n)/" Beta.txt; DRIVE=volume; SAVES=1; }
case_beta_no_list() { sed -i '2s/.*/levels\/nowhere\/list.txt/' Beta.txt; }

case_level_too_big() { level_file '10 3\n7 7 7\n0 0 1 0 2 0\n0 1 1 1 2 1\nToo Wide\n'; DRIVE=level; expect_level "Level too big."; }
case_level_negative() { level_file '3 -3\n7 7 7\n0 0 1 0 2 0\n0 1 1 1 2 1\nUpside Down\n'; DRIVE=level; expect_level "Level dimensions cannot be negative."; }
case_level_bad_colour() { level_file '3 3\n7 1 7\n7 9 7\n7 2 7\n0 0 0 1 0 2\n2 0 2 2 2 1\nNine\n'; DRIVE=level; expect_level "Invalid color (9) at position (1, 1)."; }
case_level_cut_short() { level_file '3 3\n7 1 7\n7 7'; DRIVE=level; }
case_level_long_name() { level_file '3 3\n7 1 7\n7 7 7\n7 2 7\n0 0 0 1 0 2\n2 0 2 2 2 1\n%s\nfirst words\n\n%s\n' "$(long_text 200 N)" "$(long_text 200 t)"; DRIVE=level; }
case_level_fifo() { rm "$first_level"; mkfifo "$first_level"; expect "Error: Cannot load level $first_level. File not found."; }
# An 8 MB name line: the menu lists it when "be creative" is chosen, and the editor shows it.
case_creative_huge_name() { { printf '3 3\n7 1 7\n7 7 7\n7 2 7\n0 0 0 1 0 2\n2 0 2 2 2 1\n'; long_text 8388608 N; } >levels/creative/01.txt; DRIVE=editor; }
case_level_off_board() { level_file '3 3\n7 1 7\n7 7 7\n7 2 7\n-1 0 30000 -30000 1 9\n2 0 -32768 2 2 1\nOff The Board\n'; DRIVE=level; }
# The player's own level, broken the same way, opened in the editor and tried from there.
case_creative_off_board() { printf '3 3\n7 1 7\n7 7 7\n7 2 7\n-1 0 30000 -30000 1 9\n2 0 -32768 2 2 1\nOff The Board\n' >levels/creative/01.txt; DRIVE=editor; }
case_level_black_cells() { level_file '3 3\n7 0 7\n0 7 7\n7 0 0\n1 0 0 1 2 2\n1 2 2 1 0 0\nOn Black Cells\n'; DRIVE=level; }

case_picture_missing() { rm graphics/locked.png graphics/[23]x/locked.png; expect_like '^Error \(SDL\): Could not load bitmap \./graphics/locked\.png\. .+\.$'; }
# Every picture, or every button file, gone: each is reported as it is wanted, and no screen may
# stumble over what is missing.
case_graphics_missing() { rm -r graphics; DRIVE=editor; expect_every '^Error \(SDL\): Could not load bitmap \./graphics/[a-z0-9_]+\.png\. .+\.$'; }
# Without its button files the menu has no Edit and no Quit key: the level is played, and the
# window closed.
case_gui_missing() { rm -r gui; DRIVE=level; CLOSE=1; expect_every '^Error: Could not open file \./gui/[a-z]+/[a-z]+\.button\.$'; }
case_sounds_missing() {
    rm sfx/sounds.txt
    for _ in 1 2 3 4 5; do expect "Error: Error reading ./sfx/sounds.txt."; expect "Error: Could not load sound ."; done
}
case_sounds_three() {
    head -n 3 sfx/sounds.txt >sfx/three && mv sfx/three sfx/sounds.txt
    expect "Error: Could not load sound ."
    expect "Error: Error reading ./sfx/sounds.txt."
    expect "Error: Could not load sound ."
}
case_playlist_missing_files() {
    printf './music/gone_one.ogg\n./music/gone_two.ogg\n' >music/playlist.txt
    DRIVE=music
    UNORDERED=1
    if [ "$driving" -eq 1 ]; then
        expect "Error: Could not load music ./music/gone_one.ogg."
        expect "Error: Could not load music ./music/gone_two.ogg."
    fi
}

# --- Driving the game on the virtual display ---------------------------------------------------

# Everywhere on and around a board, with pauses short enough to keep the case quick.
poke_board() {
    local x y
    for y in 120 210 300 390 450; do
        for x in 270 390 450 510 630; do X_PAUSE=0.15 x_click "$x" "$y"; done
    done
    x_click 450 270 3
    x_drag 390 210 450 210 510 210 510 270 600 400
    x_drag 450 270 450 330 700 330
    local shape
    for shape in 1 2 3; do x_key "$shape" Right Down Left Up Right; done
    x_chord ctrl z
    x_chord ctrl z
    x_key h
    x_pause 1
    x_key Return  # closes a box the hint may have opened
    x_chord ctrl r
    x_pause 0.5
}

shoot() {
    if [ -n "${QV_DAMAGE_SHOTS:-}" ] && command -v import >/dev/null; then
        mkdir -p "$QV_DAMAGE_SHOTS"
        import -window root "$QV_DAMAGE_SHOTS/$case_name-$1.png"
    fi
}

drive_level() {
    x_chord shift Down  # the first set after the tutorial
    x_pause 0.5
    shoot menu
    x_key Return        # plays its first level
    x_pause 0.8
    x_key Return        # closes its intro box, if it has one
    shoot play
    poke_board
    shoot played
}

drive_editor() {
    local _
    # "be creative", the last set: as many steps down as Beta.txt names sets.
    for _ in $(seq $(($(grep -c . Beta.txt) / 2))); do x_chord shift Down; done
    x_key e
    x_pause 0.8
    shoot editor
    poke_board
    # The shift arrows, then each of them taken back.
    x_click 79 330
    x_click 34 330
    x_click 124 330
    x_click 169 330
    for _ in 1 2 3 4; do x_click 450 270 3; done
    x_chord ctrl k
    x_pause 1
    x_key Return  # closes the check's box
    x_key F9      # tries the level
    x_pause 0.8
    x_key Return
    poke_board
    shoot played
    x_key Escape  # back to the editor
    x_pause 0.8
}

drive_editor_save() {
    drive_editor
    x_chord ctrl s
    x_pause 0.5
}

drive_volume() {
    x_key m
    x_pause 0.5
    x_key m
}

drive_music() {
    x_key Return  # plays the current level: the in-game music starts
    x_pause 1.5
    x_point 400 300
    x_pause 0.5
}

# Escape closes a box, leaves the play screen and, in the menu, quits.
quit_by_escape() {
    local pid=$1
    for _ in 1 2 3 4 5 6; do
        kill -0 "$pid" 2>/dev/null || return 0
        x_key Escape
        x_pause 0.8
    done
}

# --- One case ------------------------------------------------------------------------------------

case_dir=""
case_pid=""
case_failed=0
fail_case() {
    echo "FAIL $case_name: $*" >>"$case_dir.result"
    case_failed=1
}

# "exit code N", or the signal that ended the game.
outcome() {
    if [ "$case_status" -gt 128 ]; then
        echo "crashed with signal $((case_status - 128)) ($(kill -l "$case_status" 2>/dev/null))"
    else
        echo "exit code $case_status"
    fi
}

# Waits up to $1 seconds for the game to end; sets case_status and clears case_pid when it did.
wait_exit() {
    for _ in $(seq 1 $(($1 * 5))); do
        kill -0 "$case_pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$case_pid" 2>/dev/null && return 1
    case_status=0
    wait "$case_pid" || case_status=$?
    case_pid=""
}

# Stops a game that is still running with SIGTERM (SDL makes it a quit event), or kills it.
stop_game() {
    [ -n "$case_pid" ] || return 0
    kill -TERM "$case_pid" 2>/dev/null
    if ! wait_exit 15; then
        fail_case "did not end after SIGTERM"
        kill -KILL "$case_pid" 2>/dev/null
        wait "$case_pid" 2>/dev/null
        case_pid=""
        case_status=137
        return 1
    fi
    [ "$case_status" -eq 0 ] || fail_case "$(outcome) after SIGTERM"
}

compare_messages() {
    [ ! -s "$case_dir.out" ] || fail_case "wrote to standard output: $(head -c 300 "$case_dir.out")"
    if [ -n "$EVERY" ]; then
        [ -s "$case_dir.err" ] || fail_case "reported nothing"
        local odd
        odd=$(grep -vE "$EVERY" "$case_dir.err" | head -n 5)
        [ -z "$odd" ] || fail_case "unexpected lines on standard error:
$(sed 's/^/    /' <<<"$odd")"
        return
    fi
    local -a want got
    mapfile -t want <"$case_dir.expected"
    mapfile -t got <"$case_dir.err"
    if [ "$UNORDERED" -eq 1 ]; then
        mapfile -t want < <(printf '%s\n' "${want[@]}" | sed '/^$/d' | sort)
        mapfile -t got < <(printf '%s\n' "${got[@]}" | sed '/^$/d' | sort)
    fi
    local same=1 i
    [ "${#want[@]}" -eq "${#got[@]}" ] || same=0
    for ((i = 0; same && i < ${#want[@]}; i++)); do
        case ${want[i]} in
        =*) [ "${got[i]}" = "${want[i]#=}" ] || same=0 ;;
        ~*) [[ ${got[i]} =~ ${want[i]#\~} ]] || same=0 ;;
        esac
    done
    if [ "$same" -eq 0 ]; then
        fail_case "standard error differs
  expected: $(sed 's/^./    /' "$case_dir.expected")
  actual:
$(sed 's/^/    /' "$case_dir.err")"
    fi
}

# The level records of a progress file, one "A B" pair a line, sorted: their order means nothing.
level_records() { od -An -v -tu1 -j3 -w2 "$1" | sort; }

# Nothing the player had is lost, and no half-written file is left behind.
check_files() {
    if [ "$MODE" = first ]; then
        if [ -f progress.save ]; then
            local header
            header=$(od -An -tu1 -N3 progress.save | xargs)
            [ "$header" = "64 128 0" ] || fail_case "the new progress.save begins with $header"
        else
            fail_case "no progress.save was written on a first start"
        fi
    elif [ "$SAVES" -eq 1 ]; then
        [ "$(level_records progress.save)" = "$(level_records "$case_dir.progress")" ] ||
            fail_case "progress.save lost level records: $(level_records progress.save | xargs)"
        cmp -s "$case_dir.progress" progress.save && fail_case "progress.save was not saved"
    elif [ -f "$case_dir.progress" ]; then
        cmp -s "$case_dir.progress" progress.save || fail_case "progress.save was changed"
    fi
    # Records change only when a level is solved, and only a driven game plays.
    if [ "$DRIVE" = none ] && [ -f "$case_dir.records" ]; then
        cmp -s "$case_dir.records" records.save || fail_case "records.save was changed"
    fi
    diff -r -x '.quorvellan-save-*' "$case_dir.creative" levels/creative >/dev/null ||
        fail_case "the be creative level files were changed"
    if [ -n "$OUTSIDE" ]; then
        [ "$(cat "$OUTSIDE")" = outside ] || fail_case "$OUTSIDE, outside the game folder, was changed"
    fi
    local stray
    stray=$(find . -name '*.tmp' -o -name '.quorvellan-save-*' | head -n 3)
    [ -z "$stray" ] || fail_case "left behind: $stray"
}

run_case() {
    case_name=$1
    case_dir="$work/$case_name"
    XVFB_PID=""
    case_pid=""
    trap '[ -n "$case_pid" ] && kill -KILL "$case_pid" 2>/dev/null; stop_xvfb' EXIT
    trap 'exit 1' TERM INT
    cp -a "$game" "$case_dir"
    cd "$case_dir" || exit 1
    : >"$case_dir.expected"
    MODE=runs DRIVE=none UNORDERED=0 EVERY="" CLOSE=0 SAVES=0 AS_PLAYER=0 OUTSIDE=""
    "case_$case_name"
    [ -f progress.save ] && cp progress.save "$case_dir.progress"
    [ -f records.save ] && cp records.save "$case_dir.records"
    local -a as=()
    if [ "$AS_PLAYER" -eq 1 ] && [ "$(id -u)" -eq 0 ]; then
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    cp -a levels/creative "$case_dir.creative"
    [ "$driving" -eq 1 ] || DRIVE=none
    [ "$MODE" = runs ] || [ "$MODE" = first ] || DRIVE=none

    if [ "$DRIVE" = none ]; then
        SDL_VIDEODRIVER=dummy "${as[@]}" ./quorvellan >"$case_dir.out" 2>"$case_dir.err" &
        case_pid=$!
    else
        start_xvfb "$case_dir" || { fail_case "Xvfb did not start"; exit 0; }
        "${as[@]}" env -u SDL_VIDEODRIVER ./quorvellan >"$case_dir.out" 2>"$case_dir.err" &
        case_pid=$!
    fi

    if [ "$MODE" = fatal ]; then
        if wait_exit 20; then
            [ "$case_status" -eq 0 ] || fail_case "$(outcome), expected exit code 0"
        else
            fail_case "still running after a fatal error"
            stop_game
        fi
    elif [ "$DRIVE" = none ]; then
        # Past the 4-second splash and into the menu.
        sleep 7
        if wait_exit 0; then
            fail_case "ended by itself: $(outcome)"
        else
            stop_game
        fi
    else
        if ! wait_window "$case_pid" 30; then
            fail_case "no game window"
        else
            sleep 5
            "drive_$DRIVE"
            kill -0 "$case_pid" 2>/dev/null || fail_case "ended while being played"
            if [ "$CLOSE" -eq 1 ]; then
                x_key Escape
                x_pause 1
                stop_game
            else
                quit_by_escape "$case_pid"
            fi
        fi
        if [ -z "$case_pid" ]; then
            :  # stopped and checked already
        elif wait_exit 15; then
            [ "$case_status" -eq 0 ] || fail_case "$(outcome)"
        else
            fail_case "Escape did not lead back to the menu and out"
            stop_game
        fi
    fi
    check_files
    compare_messages
    [ "$case_failed" -eq 1 ] || echo "ok   $case_name" >>"$case_dir.result"
}

cases=${QV_DAMAGE_CASES:-$(declare -F | sed -n 's/^declare -f case_//p')}
for name in $cases; do
    while [ "$(jobs -rp | wc -l)" -ge "$max_jobs" ]; do wait -n; done
    (run_case "$name") &
done
wait

failures=0
for name in $cases; do
    if [ ! -f "$work/$name.result" ]; then
        echo "FAIL $name: the case did not finish"
        failures=$((failures + 1))
        continue
    fi
    cat "$work/$name.result"
    grep -q '^FAIL' "$work/$name.result" && failures=$((failures + 1))
done
if [ "$failures" -gt 0 ]; then
    echo "damaged_install: $failures of $(wc -w <<<"$cases") cases failed" >&2
    exit 1
fi
echo "damaged_install: all $(wc -w <<<"$cases") cases passed"
