#!/usr/bin/env bash
# Installs the built kit to a fresh prefix and checks it: every program of the build's kit folder
# and the data in one kit folder, a command, a manual page and a menu entry with icons for each
# program, and each windowed program starting from there, outside its folder, for a user who may
# not write the kit folder (its files then come from the per-user kit folder). qelvar-scenery, run
# by that user and by root, writes into their own folders and never into the installed kit; an
# install over the kit keeps a data file changed there.
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
# The data: every file of data/ (FSXFiles/ included), the sums of what was brought in, the mark.
while IFS= read -r -d '' file; do
    [ -f "$kit/$file" ] || fail "data file not installed: $file"
done < <(cd "$source/data" && find . -type f -print0)
(cd "$kit" && md5sum --quiet -c kit-data.md5sums) || fail "kit-data.md5sums does not match the installed data"
[ -f "$kit/installed-kit.txt" ] || fail "no installed mark"
# A manual page for each command, the copyright and the changelog, compressed as Debian wants them.
for command in qelvar-maps qelvar-airports qelvar-approach qelvar-index qelvarnotes qelvar-scenery qelvar-route qelvar-replay; do
    page=$prefix/share/man/man1/$command.1.gz
    gzip -t "$page" 2>/dev/null || fail "no manual page for $command"
    zcat "$page" | grep -q "^$command \\\\- " || fail "the manual page of $command names another command"
done
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$prefix/share/doc/qelvar-kit/copyright" || fail "no machine-readable copyright file"
for licence in GPL-2+ public-domain ISC; do
    grep -q "^License: $licence\$" "$prefix/share/doc/qelvar-kit/copyright" || fail "copyright lacks $licence"
done
zcat "$prefix/share/doc/qelvar-kit/changelog.gz" | head -1 | grep -q '^qelvar-kit (' || fail "no changelog"
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
    grep -qx "Categories=Game;Simulation;" "$file" || fail "$desktop names other categories"
    [ -f "$prefix/share/icons/hicolor/128x128/apps/$icon.png" ] || fail "no icon $icon"
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
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

# qelvar-scenery as that user, then as root with a home of its own: each gets the airport in
# their own folder, and the installed kit stays as it was.
sums_before=$(cd "$kit" && find . -type f -print0 | sort -z | xargs -0 md5sum | md5sum)
cp "$source/tests/fixtures/scenery-import/handmade.xml" "$work/handmade.xml"
chmod 644 "$work/handmade.xml"
(cd / && env -i PATH=/usr/bin:/bin HOME="$home" "${run_as[@]}" "$prefix/bin/qelvar-scenery" "$work/handmade.xml" \
    >"$work/out.txt" 2>&1) || { cat "$work/out.txt" >&2; fail "qelvar-scenery failed for a user"; }
grep -qx "$user/FSXFiles/XHND.xml written." "$work/out.txt" || { cat "$work/out.txt" >&2; fail "qelvar-scenery output"; }
[ -f "$user/FSXFiles/XHND.xml" ] && [ ! -L "$user/FSXFiles" ] || fail "no FSXFiles of the user's own"
[ ! -L "$user/Arpt index.txt" ] && grep -q '^XHND;' "$user/Arpt index.txt" || fail "no index of the user's own"
grep -q '^EDDF;' "$user/Arpt index.txt" || fail "the user's index lost the bundled airports"
if [ "$(id -u)" -eq 0 ]; then
    roothome=$work/roothome
    mkdir -p "$roothome"
    (cd / && env -i PATH=/usr/bin:/bin HOME="$roothome" "$prefix/bin/qelvar-scenery" "$work/handmade.xml" \
        >"$work/out.txt" 2>&1) || { cat "$work/out.txt" >&2; fail "qelvar-scenery failed for root"; }
    [ -f "$roothome/.local/share/qelvar-kit/FSXFiles/XHND.xml" ] || fail "root's airport is not in root's own folder"
fi
[ "$(cd "$kit" && find . -type f -print0 | sort -z | xargs -0 md5sum | md5sum)" = "$sums_before" ] ||
    fail "qelvar-scenery changed the installed kit"

# An install over the kit keeps a data file changed there and puts the new version beside it.
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$kit"
printf 'AD;XXX;XEDT;EDITED\r\n' >"$kit/arpt.nav"
sed -i 's/^[0-9a-f]*  arpt.nav$/00000000000000000000000000000000  arpt.nav/' "$kit/kit-data.md5sums"
cmake --install "$build" --prefix "$prefix" >"$work/out.txt"
[ "$(cat "$kit/arpt.nav")" = "$(printf 'AD;XXX;XEDT;EDITED\r\n')" ] || fail "the install replaced a changed arpt.nav"
cmp -s "$kit/arpt.nav.new" "$source/data/arpt.nav" || fail "no arpt.nav.new beside the changed one"
grep -qF "Kept your changed $kit/arpt.nav; the kit's new version is $kit/arpt.nav.new" "$work/out.txt" ||
    fail "the install did not say which file it kept"
echo "installed kit: ${#programs[@]} programs, $entries menu entries"
