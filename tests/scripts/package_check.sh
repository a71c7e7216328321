#!/usr/bin/env bash
# The Debian package as a player's machine sees it: it builds, lintian, desktop-file-validate
# and appstreamcli find nothing, apt-get installs it, and a fresh non-root user starts the game
# from the menu entry's command on a virtual X server: the game folder appears in their home
# with a first progress.save, F11 switches to full screen and the next start opens full
# screen. Then the package and the user are removed. Needs root (apt-get, useradd).
set -euo pipefail
source_dir=${QV_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
if [ "$(id -u)" -ne 0 ]; then
    echo "package_check: skipped, installing a package needs root"
    exit 0
fi
# shellcheck source=lib/xgame.sh
source "$source_dir/tests/scripts/lib/xgame.sh"

work=$(mktemp -d)
player=qvplayer$$
game_pid=""
cleanup() {
    [ -z "$game_pid" ] || kill "$game_pid" 2>/dev/null || true
    stop_xvfb
    if id "$player" >/dev/null 2>&1; then userdel -r "$player" >/dev/null 2>&1 || true; fi
    if dpkg-query -W quorvellan >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq quorvellan >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

bash "$source_dir/tools/package.sh" >"$work/package.log" 2>&1 || { cat "$work/package.log" >&2; exit 1; }
deb=$(ls "$source_dir"/build-package/quorvellan_*_amd64.deb)

lintian --fail-on error,warning,info --display-info "$deb" >"$work/lintian" 2>&1 ||
    fail "lintian: $(cat "$work/lintian")"
dpkg-deb -x "$deb" "$work/tree"
desktop-file-validate "$work"/tree/usr/share/applications/*.desktop >"$work/desktop" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/desktop")"
appstreamcli validate --no-net --pedantic "$work"/tree/usr/share/metainfo/*.xml >"$work/appstream" 2>&1 ||
    fail "appstreamcli: $(cat "$work/appstream")"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt" 2>&1 ||
    { cat "$work/apt" >&2; exit 1; }
useradd -m -s /bin/sh "$player"
home=$(getent passwd "$player" | cut -d: -f6)
folder=$home/.local/share/quorvellan
command=$(sed -n 's/^Exec=//p' "$work"/tree/usr/share/applications/*.desktop)

start_xvfb "$work" || { echo "package_check: no virtual X server" >&2; exit 1; }
# Starts the menu entry's command as the player, the way a desktop session would. Sets WINDOW.
start_as_player() {
    setpriv --reuid="$player" --regid="$player" --init-groups \
        env -i HOME="$home" USER="$player" DISPLAY="$DISPLAY" \
        PATH=/usr/local/bin:/usr/bin:/bin:/usr/games SDL_AUDIODRIVER=dummy \
        QUORVELLAN_NO_DIALOGS=1 sh -c "cd / && exec $command" >"$work/game.log" 2>&1 &
    game_pid=$!
    wait_window "$game_pid" 30
}
# Whether the screen shows the game full screen: it fills the virtual screen to its corner,
# where a window (at 0,0 without a window manager, and smaller than the screen) leaves the
# screen's black.
full_screen() {
    import -window root "$work/screen.png"
    [ "$(convert "$work/screen.png" -format '%[fx:p{w-3,h-3}.r+p{w-3,h-3}.g+p{w-3,h-3}.b]' info:)" != 0 ]
}
stop_game() {
    kill -TERM "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
}

if start_as_player; then
    sleep 5  # past the splash, into the menu
    [ "$(stat -c %U "$folder" 2>/dev/null)" = "$player" ] || fail "no game folder of the player's in $folder"
    [ "$(readlink "$folder/graphics")" = /usr/share/games/quorvellan/graphics ] ||
        fail "the game folder's graphics are not the shipped ones"
    header=$(od -An -tu1 -N3 "$folder/progress.save" 2>/dev/null | xargs)
    [ "$header" = "64 128 0" ] || fail "the first start's progress.save begins with '$header'"
    ! full_screen || fail "the first start is full screen"
    x_key F11
    sleep 1
    header=$(od -An -tu1 -N3 "$folder/progress.save" | xargs)
    [ "$header" = "64 128 1" ] || fail "F11 left progress.save beginning with '$header'"
    stop_game
    if start_as_player; then
        sleep 5
        full_screen || fail "after F11 the next start is not full screen"
        stop_game
    else
        fail "the second start showed no window"
    fi
else
    fail "the game showed no window: $(cat "$work/game.log")"
fi
if grep -q . "$work/game.log"; then fail "the game wrote: $(cat "$work/game.log")"; fi

[ "$failures" -eq 0 ] && echo "package_check: all checks passed"
exit $((failures > 0))
