#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder (DESTDIR) under the default prefix and runs
# the installed launcher the way a user does from a terminal.
#
# usage: install-test.sh CMAKE BUILD_DIR
set -euo pipefail

cmake=$1 build=$2
prefix=/usr/local

stage=$(mktemp -d "${TMPDIR:-/tmp}/quillet-install.XXXXXX")
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage" "$cmake" --install "$build" --prefix "$prefix" >"$stage/install.log" \
    || fail "install failed: $(cat "$stage/install.log")"
root="$stage$prefix"

for file in lib/quillet/quillet lib/quillet/quillet-extract; do
    [[ -x "$root/$file" ]] || fail "$file is not installed as a program"
done
for file in lib/quillet/Database.db lib/quillet/LICENSES/README.md \
    share/applications/quillet.desktop share/icons/hicolor/scalable/apps/quillet.svg \
    share/icons/hicolor/48x48/apps/quillet.png; do
    [[ -s "$root/$file" ]] || fail "$file is not installed"
done
# The pictures the build drew into the program's folder ("Background.jpg" and the like).
for picture in "$build"/bin/*.jpg "$build"/bin/*.png; do
    [[ -e "$picture" ]] || continue
    cmp -s "$picture" "$root/lib/quillet/$(basename "$picture")" || fail "$(basename "$picture") is not installed"
done
[[ -L "$root/bin/quillet" ]] || fail "bin/quillet is not a link to the program"
[[ "$(readlink -f "$root/bin/quillet")" == "$(readlink -f "$root/lib/quillet/quillet")" ]] \
    || fail "bin/quillet leads to $(readlink -f "$root/bin/quillet")"

# The menu entry is valid and the picture icon is 48 by 48 (a PNG's width and height are
# the big-endian words at bytes 16 and 20).
desktop-file-validate "$root/share/applications/quillet.desktop" || fail "the menu entry is not valid"
size=$(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/48x48/apps/quillet.png" | tr -s ' ')
[[ "$size" == " 0 0 0 48 0 0 0 48" ]] || fail "the icon's size bytes are$size"

# A look-up through the launcher, with a home of its own: it finds its folder through
# the link, extracts and reads the installed dictionary.
mkdir -p "$stage/home"
status=0
HOME="$stage/home" "$root/bin/quillet" --lookup a --direction er >"$stage/out.txt" 2>"$stage/err.txt" || status=$?
((status == 0)) || fail "the look-up ended with status $status: $(cat "$stage/err.txt")"
grep -q '^Starting with' "$stage/out.txt" || fail "no Starting-with list in: $(head -n5 "$stage/out.txt")"
# A listed row is a headword, a tab and a translation.
grep -q $'^[^\t]\+\t' "$stage/out.txt" || fail "no row of headword and translation: $(head -n5 "$stage/out.txt")"
echo "install test passed"
