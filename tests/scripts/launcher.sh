#!/usr/bin/env bash
# The installed launcher's game folder, with a stand-in program and shipped data: a first
# start lays it out (six at once too), an upgrade refreshes the shipped part and keeps the
# player's files, and a read-only or full home stops it with a clear message and nothing lost.
set -euo pipefail
source_dir=${QV_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

shipped=$work/share
mkdir -p "$shipped"/{graphics,sfx,config,levels/first,levels/creative}
echo picture >"$shipped/graphics/a.png"
echo sound >"$shipped/sfx/a.ogg"
echo "800 600 32" >"$shipped/config/video.config"
echo "audio" >"$shipped/config/audio.config"
echo "sets" >"$shipped/Beta.txt"
echo "first" >"$shipped/levels/first/list.txt"
echo "creative" >"$shipped/levels/creative/list.txt"
head -c 4096 /dev/zero | tr '\0' 'x' >"$shipped/levels/creative/01.txt"
chmod -R a-w "$shipped"
# The program stands in for the game: it notes where and how it ran and saves progress there.
cat >"$work/program" <<'PROGRAM'
#!/bin/sh
echo "$PWD $*" >"$RAN"
printf '\100\200\000' >progress.save
PROGRAM
chmod 755 "$work/program"
sed -e "s|@QV_PROGRAM@|$work/program|" -e "s|@QV_SHIPPED_DATA@|$shipped|" \
    "$source_dir/packaging/quorvellan.in" >"$work/quorvellan"
export RAN=$work/ran QUORVELLAN_NO_DIALOGS=1
home=$work/home
# Runs the launcher, "$@" wrapping it, as $home's owner would. Sets $status and $err.
launch() {
    rm -f "$RAN"
    status=0
    env HOME="$home" XDG_DATA_HOME= "$@" sh "$work/quorvellan" --scale 2 2>"$work/err" || status=$?
    err=$(cat "$work/err")
}
folder=$home/.local/share/quorvellan

mkdir -p "$home"
launch
[ "$status" -eq 0 ] || fail "first start: exit $status: $err"
[ "$(cat "$RAN" 2>/dev/null)" = "$folder --scale 2" ] || fail "first start: the program ran as: $(cat "$RAN" 2>/dev/null)"
for link in Beta.txt graphics sfx config/audio.config levels/first; do
    [ "$(readlink "$folder/$link")" = "$shipped/$link" ] || fail "first start: $link is not a link to the shipped one"
done
for own in config/video.config levels/creative/list.txt levels/creative/01.txt progress.save; do
    { [ -f "$folder/$own" ] && [ ! -L "$folder/$own" ] && [ -w "$folder/$own" ]; } ||
        fail "first start: $own is not a writable file of the player's"
done
cmp -s "$folder/levels/creative/01.txt" "$shipped/levels/creative/01.txt" || fail "first start: 01.txt differs"

# Several first starts at the same moment all run the game in a whole folder, and links planted
# at the names earlier launchers wrote under are not written through.
rm -rf "$home"
mkdir -p "$folder/config" "$folder/levels/creative"
echo outside >"$work/outside"
for planted in config/video.config.new levels/creative/01.txt.new; do
    ln -s "$work/outside" "$folder/$planted"
done
for run in 1 2 3 4 5 6; do
    env HOME="$home" XDG_DATA_HOME= RAN="$work/ran$run" sh "$work/quorvellan" 2>"$work/err$run" &
done
run=0
for pid in $(jobs -p); do
    run=$((run + 1))
    wait "$pid" || fail "start $run of 6 at once: exit $?: $(cat "$work/err$run")"
    [ -s "$work/ran$run" ] || fail "start $run of 6 at once: the game did not run"
done
for own in config/video.config levels/creative/list.txt levels/creative/01.txt; do
    cmp -s "$folder/$own" "$shipped/$own" || fail "starts at once: $own is not the shipped copy"
done
[ "$(readlink "$folder/levels/first")" = "$shipped/levels/first" ] || fail "starts at once: a link is missing"
[ "$(cat "$work/outside")" = outside ] || fail "starts at once: a file outside the folder was written"
[ -z "$(find "$folder" -name '.quorvellan-new.*')" ] || fail "starts at once: new names were left behind"

# The player plays and edits; then an upgrade changes, adds and drops shipped files.
echo "my level" >"$folder/levels/creative/01.txt"
echo "1600 1200 32" >"$folder/config/video.config"
printf 'saved' >"$folder/progress.save"
chmod -R u+w "$shipped"
echo "new picture" >"$shipped/graphics/a.png"
head -c 4096 /dev/zero | tr '\0' 'y' >"$shipped/levels/creative/01.txt"
echo "added" >"$shipped/levels/creative/21.txt"
mkdir "$shipped/levels/second" && echo second >"$shipped/levels/second/list.txt"
rm -r "$shipped/sfx"
chmod -R a-w "$shipped"
launch
[ "$status" -eq 0 ] || fail "upgrade: exit $status: $err"
[ "$(cat "$folder/graphics/a.png")" = "new picture" ] || fail "upgrade: graphics not refreshed"
[ "$(cat "$folder/levels/creative/01.txt")" = "my level" ] || fail "upgrade: the player's level was overwritten"
[ "$(cat "$folder/config/video.config")" = "1600 1200 32" ] || fail "upgrade: the player's video.config was overwritten"
[ "$(cat "$folder/levels/creative/21.txt" 2>/dev/null)" = "added" ] || fail "upgrade: a new creative level was not copied"
[ "$(readlink "$folder/levels/second")" = "$shipped/levels/second" ] || fail "upgrade: a new set was not linked"
[ ! -L "$folder/sfx" ] || fail "upgrade: a link to dropped data stayed"

# Root writes anywhere: a read-only home needs another user to be read-only for.
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown -R nobody:nogroup "$home"
fi
chmod -R a-w "$home"
cp "$folder/progress.save" "$work/progress.before"
launch "${as_player[@]}"
[ "$status" -eq 1 ] || fail "read-only home: exit $status"
[ ! -e "$RAN" ] || fail "read-only home: the game ran"
[[ $err == *"$folder"*"read-only"* ]] || fail "read-only home: unclear message: $err"
cmp -s "$folder/progress.save" "$work/progress.before" || fail "read-only home: progress.save changed"
rm -rf "$home" 2>/dev/null || { chmod -R u+w "$home" && rm -rf "$home"; }

# A disk that fills up while the player's levels are copied: 01.txt is 4 KiB, the limit 2.
mkdir -p "$home"
launch bash -c 'ulimit -f 2; exec "$@"' limit
[ "$status" -eq 1 ] || fail "full disk: exit $status"
[[ $err == *"cannot set up the game folder"* ]] || fail "full disk: unclear message: $err"
[ ! -e "$folder/levels/creative/01.txt" ] || fail "full disk: half a level was left as the player's"
launch
[ "$status" -eq 0 ] && cmp -s "$folder/levels/creative/01.txt" "$shipped/levels/creative/01.txt" ||
    fail "after the disk has room again: exit $status, $err"

[ "$failures" -eq 0 ] && echo "launcher: all checks passed"
exit $((failures > 0))
