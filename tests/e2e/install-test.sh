#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder (DESTDIR) under the default prefix, checks
# what lands where and runs the installed program the way a user does from a terminal.
#
# usage: install-test.sh CMAKE BUILD_DIR [debian]
# With "debian" (the Debian package's build) the copyright file, the changelog and the
# licence texts are left to debhelper and not looked for.
set -euo pipefail

cmake=$1 build=$2 debian=${3:-}
prefix=/usr/local

stage=$(mktemp -d "${TMPDIR:-/tmp}/quillet-install.XXXXXX")
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$stage" "$cmake" --install "$build" --prefix "$prefix" >"$stage/install.log" \
    || fail "install failed: $(cat "$stage/install.log")"
root="$stage$prefix"

for file in bin/quillet libexec/quillet/quillet-app libexec/quillet/quillet-cli libexec/quillet/quillet-bus; do
    [[ -x "$root/$file" && ! -L "$root/$file" ]] || fail "$file is not installed as a program"
done
for file in share/quillet/Database.db share/quillet/Background.jpg \
    share/man/man1/quillet.1.gz share/bash-completion/completions/quillet \
    share/doc/quillet/data/README.md \
    share/applications/org.example.quillet.desktop share/icons/hicolor/scalable/apps/quillet.svg \
    share/dbus-1/services/org.example.quillet.service share/dbus-1/interfaces/org.example.quillet.Dictionary.xml \
    share/icons/hicolor/16x16/apps/quillet.png share/icons/hicolor/256x256/apps/quillet.png; do
    [[ -s "$root/$file" ]] || fail "$file is not installed"
done
cmp -s "$build/bin/Background.jpg" "$root/share/quillet/Background.jpg" || fail "Background.jpg is not the one drawn"
ls "$root"/share/metainfo/*.metainfo.xml >/dev/null 2>&1 || fail "no software-centre entry in share/metainfo"
# Nothing of the data beside the program any more.
[[ -z "$(ls -A "$root/libexec/quillet" | grep -vx -e quillet-app -e quillet-cli -e quillet-bus)" ]] \
    || fail "libexec/quillet holds $(ls "$root/libexec/quillet")"

# The session bus starts the installed starter, wherever the prefix put it: the default
# one, and another chosen only when installing (as `make install PREFIX=...` does).
service_exec() { sed -n 's/^Exec=//p' "$1/share/dbus-1/services/org.example.quillet.service"; }
[[ $(service_exec "$root") == "$prefix/bin/quillet" ]] || fail "the service file starts $(service_exec "$root")"
other=/opt/quillet-elsewhere
DESTDIR="$stage/other" "$cmake" --install "$build" --prefix "$other" >"$stage/install-other.log" \
    || fail "install under $other failed: $(cat "$stage/install-other.log")"
[[ $(service_exec "$stage/other$other") == "$other/bin/quillet" && -x "$stage/other$other/bin/quillet" ]] \
    || fail "installed under $other, the service file starts $(service_exec "$stage/other$other")"

# The manual page is a compressed manual page.
manual=$(gzip -dc "$root/share/man/man1/quillet.1.gz")
grep -q '^\.TH QUILLET 1' <<<"$manual" || fail "the manual page is not one"
version=$("$root/bin/quillet" --version | head -n1 | cut -d' ' -f2)

# The copyright file is machine-readable and names each licence; the changelog is
# NEWS.md, this version first.
if [[ $debian != debian ]]; then
    for file in share/doc/quillet/copyright share/doc/quillet/changelog.gz share/doc/quillet/LICENSE \
        share/doc/quillet/data/CC-BY-SA-3.0.txt; do
        [[ -s "$root/$file" ]] || fail "$file is not installed"
    done
    copyright="$root/share/doc/quillet/copyright"
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' "$copyright" \
        || fail "the copyright file is not machine-readable"
    for licence in GPL-3+ GFDL-NIV-1.3+ CC-BY-SA-3.0 Unicode-data WordNet; do
        grep -q "^License: $licence\$" "$copyright" || fail "the copyright file has no text for $licence"
    done
    changes=$(gzip -dc "$root/share/doc/quillet/changelog.gz")
    grep -m1 '^## ' <<<"$changes" | grep -q "^## $version " || fail "the changelog's first version is not $version"
fi

# The shell completes the options and their values.
completions=$(bash -c 'source "$1"; COMP_WORDS=(quillet --format ""); COMP_CWORD=2; _quillet; echo "${COMPREPLY[*]}"' \
    _ "$root/share/bash-completion/completions/quillet")
[[ "$completions" == "text tsv json tbx csv" ]] || fail "--format completes to: $completions"
completions=$(bash -c 'source "$1"; COMP_WORDS=(quillet -- --f); COMP_CWORD=2; _quillet; echo "${COMPREPLY[*]}"' \
    _ "$root/share/bash-completion/completions/quillet")
[[ -z "$completions" ]] || fail "after -- the word --f completes to: $completions"

# The menu entry is valid and each picture icon is as large as its folder says (a PNG's
# width and height are the big-endian words at bytes 16 and 20).
desktop-file-validate "$root/share/applications/org.example.quillet.desktop" || fail "the menu entry is not valid"
for size in 16 22 24 32 48 64 128 256; do
    bytes=$(od -An -tu1 -j16 -N8 "$root/share/icons/hicolor/${size}x$size/apps/quillet.png" | tr -s ' ')
    [[ "$bytes" == " 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ]] \
        || fail "the $size-pixel icon's size bytes are$bytes"
done

# A look-up as a user makes it, with a home of its own: the program finds the archive in
# the installed tree and reads the dictionary from it.
mkdir -p "$stage/home"
status=0
HOME="$stage/home" "$root/bin/quillet" --lookup a --direction er >"$stage/out.txt" 2>"$stage/err.txt" || status=$?
((status == 0)) || fail "the look-up ended with status $status: $(cat "$stage/err.txt")"
grep -q '^Starting with' "$stage/out.txt" || fail "no Starting-with list in: $(head -n5 "$stage/out.txt")"
# A listed row is a headword, a tab and a translation.
grep -q $'^[^\t]\+\t' "$stage/out.txt" || fail "no row of headword and translation: $(head -n5 "$stage/out.txt")"
# The same look-up in its common form is answered by the starter itself, which finds the
# same archive: with quillet-cli out of the way, the answer is the command line's.
printf '#!/bin/sh\necho "quillet-cli was run" >&2\nexit 9\n' >"$root/libexec/quillet/quillet-cli"
status=0
HOME="$stage/home" "$root/bin/quillet" -d er --lookup a >"$stage/own.txt" 2>"$stage/err.txt" || status=$?
((status == 0)) || fail "the starter's own look-up ended with status $status: $(cat "$stage/err.txt")"
cmp -s "$stage/out.txt" "$stage/own.txt" || fail "the starter's own look-up differs: $(diff "$stage/out.txt" "$stage/own.txt" | head -n5)"
echo "install test passed"
