#!/bin/sh
# Installs the built program into a temporary prefix, as `cmake --install` and `make install`
# do, and checks what a Linux desktop needs of it: the program, its desktop entry (valid by
# desktop-file-validate), its icon in the hicolor theme, its help pages beside each other and
# its manual page. Without desktop-file-validate the entry is not validated and the test
# reports itself skipped (exit 77) once the rest has passed.
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/krellix \
         share/applications/krellix.desktop \
         share/icons/hicolor/scalable/apps/krellix.svg \
         share/krellix/help/index.html share/krellix/help/contents.txt \
         share/krellix/help/help.css \
         share/man/man1/krellix.1; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/krellix.png"
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  # The PNG header's width and height (bytes 17 to 24, big-endian) give the size drawn.
  dims=$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
  [ "$dims" = "$size $size" ] || fail "the ${size}x${size} icon is $dims"
done
# Every page the contents list is installed.
for page in $(grep -v '^#' "$prefix/share/krellix/help/contents.txt" | cut -f1); do
  [ -f "$prefix/share/krellix/help/$page" ] || fail "help page $page missing"
done
# The installed program runs from there and answers without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/krellix" --version)
case "$version" in "Krellix Version "*) ;; *) fail "--version said: $version" ;; esac
grep -q '^Exec=krellix' "$prefix/share/applications/krellix.desktop" || fail "no Exec line"
grep -q '^Icon=krellix$' "$prefix/share/applications/krellix.desktop" || fail "no Icon line"

if ! command -v desktop-file-validate >/dev/null 2>&1; then
  echo "desktop-file-validate is not installed (package desktop-file-utils): entry not validated"
  exit 77
fi
desktop-file-validate "$prefix/share/applications/krellix.desktop"
echo "installed and valid in $prefix"
