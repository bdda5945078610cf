#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page as man shows it: groff finds nothing to warn about, and it documents
# every option the program's --help lists. Skipped (77) where man is not installed.
#
# usage: manual-test.sh MANUAL_PAGE PROGRAM
set -euo pipefail

page=$1 program=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v man >/dev/null || { echo "man is not installed: skipped"; exit 77; }

# The same check Debian's package checker makes.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) \
    || fail "man could not show $page: $warnings"
[[ -z "$warnings" ]] || fail "groff warns about $page: $warnings"

shown=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT FILES "REPORTING BUGS" "SEE ALSO"; do
    grep -q "^$section" <<<"$shown" || fail "no $section section"
done
options=$("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[[ -n "$options" ]] || fail "--help lists no option"
for option in $options; do
    grep -q -- "$option" <<<"$shown" || fail "the manual page does not document $option"
done
echo "manual page test passed"
