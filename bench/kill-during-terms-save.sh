#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kill-during-terms-save.sh PROGRAM_DIR [KILLS]
#
# Kills a save of My terms KILLS times (300 unless told) with SIGKILL at a random moment:
# each run imports, in turn, one of two files of 20,000 pairs in place of My terms, which
# writes the whole file. After each kill the file must read whole, as one of the two
# imports or the other (an export of it succeeds and holds 20,000 pairs). Prints how many
# runs were killed while still running and how many files were found damaged.
set -euo pipefail
program_dir=$(cd "$1" && pwd)
kills=${2:-300}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME" "$TMPDIR"
for side in a b; do
  { echo "headword,translation,direction,note"
    for ((i = 0; i < 20000; i++)); do echo "$side term $i,traducere $side $i,both,note $i"; done
  } > "$work/$side.csv"
done
# How long an import takes here, start to end: the kills fall anywhere in it.
start=$(date +%s%N)
"$program_dir/quillet" --import "$work/a.csv" --replace >/dev/null
span_ms=$((($(date +%s%N) - start) / 1000000 + 1))

killed=0
damaged=0
for ((run = 0; run < kills; run++)); do
  side=$([[ $((run % 2)) -eq 0 ]] && echo b || echo a)
  "$program_dir/quillet" --import "$work/$side.csv" --replace >/dev/null 2>&1 &
  pid=$!
  delay_ms=$(((RANDOM * 32768 + RANDOM) % span_ms))
  sleep "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))"
  if kill -KILL "$pid" 2>/dev/null; then
    killed=$((killed + 1))
  fi
  wait "$pid" 2>/dev/null || true
  if ! "$program_dir/quillet" --export "$work/check.tsv" >/dev/null 2>&1 \
     || [[ $(wc -l < "$work/check.tsv") -ne 20001 ]]; then
    damaged=$((damaged + 1))
  fi
done
echo "kills during a save of My terms: $kills runs over a ${span_ms} ms import, $killed killed while running;" \
  "$damaged damaged files"
[[ $damaged -eq 0 ]]
