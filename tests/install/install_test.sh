#!/usr/bin/env bash
# Installs the built kit to a fresh prefix and checks it: every program of the build's kit folder
# and the data in one kit folder, a command and a menu entry with icon for each program, and each
# windowed program starting from there, outside its folder, for a user who may not write the kit
# folder (its files then come from the per-user kit folder).
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d /tmp/qelvar-install-test.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
kit=$prefix/lib/qelvar-kit

# Every program of the build's kit folder, with its command.
programs=()
while IFS= read -r -d '' program; do programs+=("$(basename "$program")"); done \
    < <(find "$build/kit" -maxdepth 1 -type f -perm -u+x -print0)
[ ${#programs[@]} -ge 3 ] || fail "only ${#programs[@]} programs in $build/kit"
for name in "${programs[@]}"; do
    [ -x "$kit/$name" ] || fail "program not installed: $name"
    command=$(echo "$name" | tr 'A-Z ' 'a-z-')
    [ "$(readlink -f "$prefix/bin/$command")" = "$(readlink -f "$kit/$name")" ] || fail "no command $command"
done
# The data: every file of data/ (FSXFiles/ included).
while IFS= read -r -d '' file; do
    [ -f "$kit/$file" ] || fail "data file not installed: $file"
done < <(cd "$source/data" && find . -type f -print0)
# A menu entry and an icon for each of the five windowed programs that is built.
entries=0
for entry in "Qelvar Maps:qelvar-maps.desktop:qelvar-maps" "Qelvar Airports:qelvar-airports.desktop:qelvar-airports" \
    "Qelvar Approach:qelvar-approach.desktop:qelvar-approach" "Qelvar Index:qelvar-index.desktop:qelvar-index" \
    "QelvarNotes:qelvarnotes.desktop:qelvar-notes"; do
    IFS=: read -r name desktop icon <<<"$entry"
    [ -x "$kit/$name" ] || continue
    file=$prefix/share/applications/$desktop
    [ -f "$file" ] || fail "no menu entry $desktop"
    exec_line=$(grep '^Exec=' "$file" | cut -d= -f2)
    [ -x "$prefix/bin/$exec_line" ] || fail "$desktop starts $exec_line, which is not installed"
    grep -qx "Icon=$icon" "$file" || fail "$desktop names another icon"
    [ -f "$prefix/share/icons/hicolor/128x128/apps/$icon.png" ] || fail "no icon $icon"
    entries=$((entries + 1))
done
[ "$entries" -ge 3 ] || fail "only $entries menu entries"

# Start each windowed program from the prefix, from another folder, as a user who may not write
# the kit folder: it must still be running after a few seconds.
home=$work/home
mkdir -p "$home" "$work/runtime"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody "$home" "$work/runtime"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$kit"
fi
chmod 700 "$work/runtime"
for name in "Qelvar Maps" "Qelvar Index" "QelvarNotes" "Qelvar Airports" "Qelvar Approach"; do
    [ -x "$kit/$name" ] || continue
    (cd / && exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
        "${run_as[@]}" "$prefix/bin/$(echo "$name" | tr 'A-Z ' 'a-z-')" EDDF >"$work/out.txt" 2>&1) &
    pid=$!
    pids+=("$pid")
    sleep 4
    kill -0 "$pid" 2>/dev/null || { cat "$work/out.txt" >&2; fail "$name ended on its own"; }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "started: $name"
done
# The programs that read data found it through the per-user kit folder.
user=$home/.local/share/qelvar-kit
[ -f "$user/arpt.nav" ] && [ ! -L "$user/arpt.nav" ] || fail "no per-user copy of the airport table"
[ -L "$user/Arpt index.txt" ] || fail "no link to the index in the per-user kit folder"
[ ! -e "$user/Qelvar Maps" ] || fail "a program in the per-user kit folder"
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$kit"
echo "installed kit: ${#programs[@]} programs, $entries menu entries"
