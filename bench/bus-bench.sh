#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one dictionary of a session, timed from outside as the user meets it, on a virtual
# display and a private session bus of its own: --show reaching the window that runs,
# --selection until its pop-up is painted, --lookup answered by the window (whole
# process, and its output against the loading path's), and 1,000 Lookup calls from 10
# clients at once with the window's memory before and after. Beside each time, the load
# of the machine and the CPU time spent (by the command, and by the window for it), which
# other work on the machine inflates less than the wall-clock time.
#
# usage: bus-bench.sh BIN_DIR [RUNS]   (the built programs beside the shipped Database.db)
set -euo pipefail
if [[ -z "${QUILLET_BENCH_BUS:-}" ]]; then
    QUILLET_BENCH_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
bin=$(cd "$1" && pwd) runs=${2:-20}
work=$(mktemp -d "${TMPDIR:-/tmp}/quillet-bus-bench.XXXXXX")
pids=()
source "$(dirname "$0")/../tests/e2e/session.sh"
trap end_session EXIT
# Times are read from the shell's own clock (EPOCHREALTIME, microseconds once its point
# is dropped): starting a program to read the clock would add its own start to each figure.

median() { sort -n | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }
# The CPU time a process has spent so far, user and system, in microseconds.
ticks=$(getconf CLK_TCK)
cpu_us() { awk -v t="$ticks" '{ print ($14 + $15) * 1000000 / t }' "/proc/$1/stat"; }
# Runs the command, adding its CPU time (user and system seconds, of it and its
# children) to the file $1; cpu_median gives their median in milliseconds.
TIMEFORMAT='%3U %3S'
timed() {
    local file=$1
    shift
    { time "$@" >"$work/out" 2>/dev/null; } 2>>"$file"
}
cpu_median() { awk '{ printf "%d\n", ($1 + $2) * 1000000 }' "$1" | median; }
load() { echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"; }

start_display
openbox >/dev/null 2>&1 &
pids+=($!)

window_count() { window_processes "$bin/quillet-app"; }
"$bin/quillet" >"$work/window.log" 2>&1 &
window=$!
pids+=("$window")
within 60 call org.example.quillet.Dictionary.Lookup pump er false >/dev/null 2>&1 || fail "the window did not answer"
sleep 1

echo "== quillet --show pump, a window running"
start=${EPOCHREALTIME//[!0-9]/}
"$bin/quillet" --show pump || fail "--show pump failed"
echo "exit 0 in $(( (${EPOCHREALTIME//[!0-9]/} - start) / 1000 )) ms; window processes: $(window_count)"

echo "== quillet --selection (primary selection \"bearing\"), a window running: command to pop-up painted ($(load))"
printf bearing | xclip -selection primary >/dev/null 2>&1 &
pids+=($!)
sleep 0.3
: >"$work/selection.times"
: >"$work/selection.cpu"
: >"$work/popup.log"
window_cpu=0
for _ in $(seq "$runs"); do
    before=$(wc -l <"$work/popup.log" 2>/dev/null || echo 0)
    window_before=$(cpu_us "$window")
    start=${EPOCHREALTIME//[!0-9]/}
    timed "$work/selection.cpu" "$bin/quillet" --selection || fail "--selection failed"
    within 10 test "$(wc -l <"$work/popup.log" 2>/dev/null || echo 0)" -gt "$before" || fail "no pop-up painted"
    painted=$(sed -n "$((before + 1))p" "$work/popup.log")
    echo $((painted - start)) >>"$work/selection.times"
    window_cpu=$(awk -v a="$window_cpu" -v b="$window_before" -v c="$(cpu_us "$window")" 'BEGIN { print a + c - b }')
    xdotool key Escape
    sleep 0.3
done
echo "median $(median <"$work/selection.times") ms over $runs runs (target <= 150 ms);" \
     "CPU: the command $(cpu_median "$work/selection.cpu") ms (median), the window" \
     "$(awk -v c="$window_cpu" -v n="$runs" 'BEGIN { printf "%.1f", c / n / 1000 }') ms a run (mean, clock ticks)"

echo "== quillet --lookup valve, a window running: whole process ($(load))"
# Beside it, in turn, a program that does nothing (/bin/true): what starting any program
# costs on this machine at this load, through the same shell.
run_timed() {
    local name=$1 start=${EPOCHREALTIME//[!0-9]/}
    shift
    timed "$work/$name.cpu" "$@"
    echo $((${EPOCHREALTIME//[!0-9]/} - start)) >>"$work/$name.times"
}
: >"$work/lookup.times"
: >"$work/lookup.cpu"
: >"$work/nothing.times"
: >"$work/nothing.cpu"
window_before=$(cpu_us "$window")
for _ in $(seq "$runs"); do
    run_timed lookup "$bin/quillet" --lookup valve
    run_timed nothing /bin/true
done
echo "median $(median <"$work/lookup.times") ms over $runs runs (target <= 30 ms);" \
     "CPU: the command $(cpu_median "$work/lookup.cpu") ms (median), the window" \
     "$(awk -v a="$window_before" -v b="$(cpu_us "$window")" -v n="$runs" 'BEGIN { printf "%.1f", (b - a) / n / 1000 }') ms a run (mean)"
echo "a program that does nothing, in turn with it: median $(median <"$work/nothing.times") ms," \
     "CPU $(cpu_median "$work/nothing.cpu") ms"
: >"$work/load.times"
for _ in $(seq 5); do
    start=${EPOCHREALTIME//[!0-9]/}
    env -u DBUS_SESSION_BUS_ADDRESS "$bin/quillet" --lookup valve >"$work/load.txt"
    echo $((${EPOCHREALTIME//[!0-9]/} - start)) >>"$work/load.times"
done
echo "the loading path: median $(median <"$work/load.times") ms over 5 runs"
for format in text tsv json; do
    "$bin/quillet" --format "$format" valve >"$work/bus.$format"
    env -u DBUS_SESSION_BUS_ADDRESS "$bin/quillet" --format "$format" valve >"$work/load.$format"
    cmp -s "$work/bus.$format" "$work/load.$format" && echo "$format output identical" || echo "$format output DIFFERS"
done

echo "== 1,000 Lookup calls from 10 clients at once, twice"
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$window/status"; }
echo "window memory before: $(rss) kB"
for round in 1 2; do
    start=${EPOCHREALTIME//[!0-9]/}
    clients=()
    for c in $(seq 10); do
        (for i in $(seq 100); do call org.example.quillet.Dictionary.Lookup "pump" '' false >/dev/null || echo x; done \
            >"$work/failures.$c") &
        clients+=($!)
    done
    sleep 0.5
    probe=${EPOCHREALTIME//[!0-9]/}
    call org.example.quillet.Dictionary.Lookup valve er false >/dev/null
    probe=$(( (${EPOCHREALTIME//[!0-9]/} - probe) / 1000 ))
    wait "${clients[@]}"
    failures=$(cat "$work"/failures.* | wc -l)
    echo "round $round: $((1000 - failures)) of 1000 answered in $(( (${EPOCHREALTIME//[!0-9]/} - start) / 1000 )) ms;" \
         "a call meanwhile answered in $probe ms; window memory $(rss) kB"
done
