#!/usr/bin/env bash
# Builds the .deb with CPack and checks its contents, its declared dependencies, and that lintian
# finds no error in it.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d /tmp/qelvar-deb-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/qelvar-kit_*_*.deb)
dpkg-deb -c "$deb" >"$work/contents.txt"
cat "$work/contents.txt"
for path in "./usr/lib/qelvar-kit/Qelvar Maps" "./usr/lib/qelvar-kit/Qelvar Index" "./usr/lib/qelvar-kit/QelvarNotes" \
    "./usr/lib/qelvar-kit/arpt.nav" "./usr/lib/qelvar-kit/Arpt index.txt" "./usr/bin/qelvar-maps -> ../lib/qelvar-kit/Qelvar Maps" \
    "./usr/share/applications/qelvar-index.desktop" "./usr/share/icons/hicolor/128x128/apps/qelvar-notes.png" \
    "./usr/share/doc/qelvar-kit/LICENSE" "./usr/share/doc/qelvar-kit/copyright" \
    "./usr/share/doc/qelvar-kit/changelog.gz" "./usr/share/man/man1/qelvar-scenery.1.gz" \
    "./usr/share/icons/hicolor/scalable/apps/qelvar-maps.svg" "./usr/lib/qelvar-kit/installed-kit.txt" \
    "./usr/lib/qelvar-kit/kit-data.md5sums"; do
    grep -qF "$path" "$work/contents.txt" || fail "not in the package: $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-dejavu-core xdg-utils; do
    [[ "$depends" == *"$package"* ]] || fail "dependency not declared: $package"
done
[ "$(dpkg-deb -f "$deb" Package)" = qelvar-kit ] || fail "package name"
# lintian's errors (E:) fail the test; its warnings are shown.
lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E: ' "$work/lintian.txt"; then fail "lintian reports errors"; fi
