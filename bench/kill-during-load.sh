#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kill-during-load.sh PROGRAM_DIR [KILLS]
#
# Kills the program KILLS times (300 unless told) at a random moment of its load, with
# SIGKILL, in turn a look-up on the command line and the window (offscreen), then looks
# for anything it left behind: in its temporary folder, in its program folder, in its
# home. Prints how many runs were killed while still running and what was left.
set -euo pipefail
program_dir=$(cd "$1" && pwd)
kills=${2:-300}
source "$(dirname "$0")/private-home.sh"
export QT_QPA_PLATFORM=offscreen
before=$(ls -A "$program_dir" | sort)

killed=0
for ((run = 0; run < kills; run++)); do
  if ((run % 2)); then
    "$program_dir/quillet" --lookup bearings >/dev/null 2>&1 &
  else
    "$program_dir/quillet" >/dev/null 2>&1 &
  fi
  pid=$!
  # Anywhere from the start to well past the load.
  sleep "0.$(printf '%03d' $((RANDOM % 250)))"
  if kill -KILL "$pid" 2>/dev/null; then
    killed=$((killed + 1))
  fi
  wait "$pid" 2>/dev/null || true
done

left_tmp=$(find "$TMPDIR" -mindepth 1 | wc -l)
after=$(ls -A "$program_dir" | sort)
# The home may hold the settings and history a finished window stored; no other file,
# and none of them with dictionary text in it.
left_home=$(find "$HOME" -type f ! -name 'Dictionar Quillet.ini' ! -name 'Dic.ini' | wc -l)
echo "kills during a load: $kills runs, $killed killed while running;" \
  "left behind: $left_tmp in the temporary folder," \
  "$([[ "$before" == "$after" ]] && echo 0 || echo "some") new in the program folder, $left_home other files in the home"
[[ $left_tmp -eq 0 && "$before" == "$after" && $left_home -eq 0 ]]
