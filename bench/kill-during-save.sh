#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kill-during-save.sh PROGRAM_DIR [KILLS]
#
# Starts the window KILLS times (1000 unless told), tells it to end (SIGTERM, as a logout
# does: it stores its settings and history) and kills it with SIGKILL at a random moment
# of that close, over a history of a hundred words and thousands of lines it does not
# show and a settings file with another program's keys (so every save tries its file out
# first). After each kill the history must be as it was, byte for byte, and the settings
# a file the next start reads whole; then one more start and close must leave nothing
# behind. The window runs on $DISPLAY when it is set (under Xvfb, say), else offscreen.
# Prints the runs, the kills that landed while the program still ran, the damaged files,
# the leftovers seen after the kills and those that survived the next start.
set -euo pipefail
program_dir=$(cd "$1" && pwd)
kills=${2:-1000}
source "$(dirname "$0")/private-home.sh"
[[ -n "${DISPLAY:-}" ]] || export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_DATA_HOME/Quillet"
history="$XDG_DATA_HOME/Quillet/Dic.ini"
settings="$XDG_CONFIG_HOME/Dictionar Quillet.ini"

for ((k = 0; k < 3000; k++)); do printf 'word%d\r\n' "$k"; done >"$history"
cp "$history" "$work/history.expected"
{
  printf '[Other]\n'
  for ((k = 0; k < 400; k++)); do printf 'key%d=value %d of another program\n' "$k" "$k"; done
} >"$settings"

# Whether the settings file is one the next start reads whole: an INI text under the
# size bound with Quillet's group and every key of the other program.
settings_sound() {
  local size
  size=$(stat -c %s "$settings" 2>/dev/null) || return 1
  ((size <= 65536)) || return 1
  grep -q '^\[Startup\]$' "$settings" || return 1
  [[ $(grep -c '^key[0-9]*=value [0-9]* of another program$' "$settings") -eq 400 ]] || return 1
  [[ ! -e "$settings.unreadable" ]]
}

# Files that are neither the two the program keeps nor its folders; their names, with the
# process numbers and random parts masked, are noted in $work/kinds.
leftovers() {
  find "$TMPDIR" "$HOME" -mindepth 1 ! -type d ! -path "$history" ! -path "$settings" -printf '%P\n' |
    sed -E 's/[0-9]+-[A-Za-z0-9]{6}/PID-XXXXXX/; s/\.[A-Za-z0-9]{6}$/.XXXXXX/' | tee -a "$work/kinds" | wc -l
}

wait_until_catching() { # until the window answers SIGTERM and has had time to load
  local pid=$1 tries
  for ((tries = 0; tries < 200; tries++)); do
    local caught
    caught=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null) || return 0
    (((0x$caught >> 14) & 1)) && break
    sleep 0.01
  done
  sleep 0.3
}

# One close without a kill, to learn how long a close takes.
close_ms() {
  "$program_dir/quillet" >/dev/null 2>&1 &
  local pid=$!
  wait_until_catching "$pid"
  local start=$EPOCHREALTIME
  kill -TERM "$pid"
  wait "$pid" || true
  echo $(((${EPOCHREALTIME/./} - ${start/./}) / 1000))
}
settings_sound_first=0
close_ms >/dev/null # the first save writes the settings in Quillet's order
settings_sound && settings_sound_first=1
span=0
for ((k = 0; k < 5; k++)); do span=$((span + $(close_ms))); done
span=$((span / 5 + 5)) # milliseconds: the kill comes anywhere from the close's start to its end

killed=0 damaged=0 seen=0
for ((run = 0; run < kills; run++)); do
  "$program_dir/quillet" >/dev/null 2>&1 &
  pid=$!
  wait_until_catching "$pid"
  kill -TERM "$pid"
  delay=$(((RANDOM << 15 | RANDOM) % (span * 1000))) # microseconds
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  if kill -KILL "$pid" 2>/dev/null; then
    killed=$((killed + 1))
  fi
  wait "$pid" 2>/dev/null || true
  if ! cmp -s "$history" "$work/history.expected" || ! settings_sound; then
    damaged=$((damaged + 1))
    cp "$work/history.expected" "$history"
  fi
  now=$(leftovers)
  seen=$((seen > now ? seen : now))
done
left_before=$(leftovers)
close_ms >/dev/null # the next start, closed in order
left_after=$(leftovers)
echo "kills during a close and save: $kills runs (a close takes about $((span - 5)) ms), $killed killed while" \
  "running; damaged files: $damaged; leftovers: at most $seen at once, $left_before before the next start," \
  "$left_after after it"
if [[ -s "$work/kinds" ]]; then
  echo "leftovers seen (how often, which):"
  sort "$work/kinds" | uniq -c
fi
[[ $settings_sound_first -eq 1 && $damaged -eq 0 && $left_after -eq 0 ]]
