#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One dictionary a session, on a private session bus (run it under dbus-run-session) and
# a virtual display of its own: a second start raises the window that runs and ends,
# --show and --selection reach it, the bus methods answer and refuse bad arguments with
# a clear message, a look-up from the command line is answered by the window byte for
# byte as the loading path answers it (the user's own pairs and their source too), a pair
# imported meanwhile is in the window's next answer, the key the user registered with
# the desktop's global shortcuts portal (the tests' own) is asked for again at start and
# its press shows the pop-up for the selection, and the history then holds the words shown.
#
# usage: bus-test.sh PROGRAM_DIR FAKE_PORTAL   (the starter, its two programs and a
#        Database.db; the tests' global shortcuts portal)
set -euo pipefail

source_dir=$1 fake_portal=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/quillet-bus.XXXXXX")
pids=()
source "$(dirname "$0")/session.sh"
trap end_session EXIT
[[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] || fail "no session bus: run under dbus-run-session"

# A copy of the programs, so the dictionary can be taken away while the window runs.
program="$work/program"
start_display
mkdir -p "$program"
cp "$source_dir"/quillet "$source_dir"/quillet-app "$source_dir"/quillet-cli "$source_dir"/quillet-bus \
    "$source_dir"/Database.db "$program"
# A pair of the user's own, so that the answers below say where each entry comes from.
printf 'headword,translation\npump rotor,rotor de pompa\n' >"$work/terms.csv"
"$program/quillet" --import "$work/terms.csv" >/dev/null || fail "the user's pair was not imported"
name=org.example.quillet
windows() { window_processes "$program/quillet-app"; }

# The desktop's portal, and a key the user registered with it in an earlier run.
"$fake_portal" accept >"$work/portal.log" 2>&1 &
pids+=($!)
within 10 grep -q '^ready$' "$work/portal.log" || fail "the tests' portal did not start: $(cat "$work/portal.log")"
mkdir -p "$work/home/.config"
printf '[Startup]\nSelectionKey=True\n' >"$work/home/.config/Dictionar Quillet.ini"

"$program/quillet" >"$work/window.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
within 30 call $name.Dictionary.Lookup pump er false >/dev/null 2>&1 || fail "the window did not answer: $(cat "$work/window.log")"

# A second start raises the one window and ends.
timeout 20 "$program/quillet" || fail "the second start failed"
[[ $(windows) == 1 ]] || fail "$(windows) windows run after a second start"
call org.freedesktop.Application.Activate '{}' >/dev/null || fail "Activate failed"

timeout 20 "$program/quillet" --show pump || fail "--show failed"
call $name.Dictionary.ShowWord bearing >/dev/null || fail "ShowWord failed"
# The window's program started by itself (not by the starter) hands over too.
timeout 20 "$program/quillet-app" --show pump || fail "quillet-app --show failed"
[[ $(windows) == 1 ]] || fail "$(windows) windows run after --show"
out=$(timeout 20 "$program/quillet" --show $'pu\x01mp' 2>&1) && fail "--show took a control character"
[[ $out == 'quillet: the word is not valid UTF-8 text'* ]] || fail "--show of a bad word said: $out"

# The selection, trimmed to its first word, in a pop-up.
# xclip holds the selection until it is ended or another program takes it: the window
# may ask for it more than once (its targets, then its text).
printf '  “bearing”, and more\n' | xclip -selection primary >/dev/null 2>&1 &
pids+=($!)
within 5 sh -c 'xclip -o -selection primary 2>/dev/null | grep -q bearing' || fail "xclip did not take the selection"
timeout 20 "$program/quillet" --selection || fail "--selection failed"
within 10 test -s "$work/popup.log" || fail "no pop-up was painted"
popup=$(xdotool search --onlyvisible --pid "$program_pid" --name '^bearing$' 2>/dev/null | head -n1 || true)
[[ -n "$popup" ]] || fail "no pop-up named bearing shows"
paintings=$(wc -l <"$work/popup.log")
call $name.Dictionary.ShowPopup valve >/dev/null || fail "ShowPopup failed"
within 10 test "$(wc -l <"$work/popup.log")" -gt "$paintings" || fail "ShowPopup painted no pop-up"

# The key registered in the earlier run is asked for again; its press shows the pop-up
# for the selection.
within 10 grep -q '^BindShortcuts session look-up-selection CTRL+ALT+Q' "$work/portal.log" \
    || fail "the key was not asked for again: $(cat "$work/portal.log")"
printf 'seal' | xclip -selection primary >/dev/null 2>&1 &
pids+=($!)
within 5 sh -c 'xclip -o -selection primary 2>/dev/null | grep -q seal' || fail "xclip did not take the selection"
gdbus call --session --dest org.freedesktop.portal.Desktop --object-path /org/freedesktop/portal/desktop \
    --method org.example.FakePortal.Press look-up-selection >/dev/null || fail "the key was not pressed"
# The pop-up that showed "valve" may still be open: it is then shown again with the new
# word, which its name tells.
within 10 test -n "$(xdotool search --onlyvisible --pid "$program_pid" --name '^seal$' 2>/dev/null)" \
    || fail "no pop-up named seal shows after the key's press"

# Bad arguments: an error that says what is wrong, and the window goes on.
expect_error() {
    local expected=$1 out
    shift
    if out=$(call "$@" 2>&1); then fail "$* was accepted"; fi
    grep -q "$expected" <<<"$out" || fail "$*: $out"
}
expect_error 'InvalidArgument: the word is empty' $name.Dictionary.Lookup '' er false
expect_error 'InvalidArgument: the word is 102400 characters long' $name.Dictionary.Lookup "$(head -c 102400 /dev/zero | tr '\0' a)" er false
expect_error 'InvalidArgument: unknown direction "xx"' $name.Dictionary.Lookup pump xx false
expect_error 'InvalidArgument: the word is not valid UTF-8 text' $name.Dictionary.ShowWord $'pu\x01mp'
expect_error 'InvalidArgument: the word is empty' $name.Dictionary.ShowPopup '   '
expect_error 'NotSupported: the request reads or writes' $name.Dictionary.CommandLine "['--import', 'x.csv']"
expect_error 'InvalidArgument: the word is 2000 characters' $name.Dictionary.CommandLine "['$(head -c 2000 /dev/zero | tr '\0' a)']"
# Many at once: every one answered.
callers=()
for i in $(seq 40); do
    call $name.Dictionary.Lookup pump '' false >"$work/many.$i" 2>&1 &
    callers+=($!)
done
wait "${callers[@]}" || true
for i in $(seq 40); do grep -q "'pompă, inimă, cord'" "$work/many.$i" || fail "call $i: $(cat "$work/many.$i")"; done

# The command line asks the window: with the dictionary taken away, it still answers
# (look-ups, --help, a bad usage), byte for byte and with the same status as the loading
# path once it is back.
mv "$program/Database.db" "$work/Database.db"
queries=("pump" "-d re casa" "-i pompa" "pumpx" "-d er shaft" "-h" "-d xx pump")
for format in text tsv json; do
    for i in "${!queries[@]}"; do
        # shellcheck disable=SC2086
        "$program/quillet" -f "$format" ${queries[$i]} >"$work/bus.$format.$i" 2>&1 && status=0 || status=$?
        echo "status $status" >>"$work/bus.$format.$i"
    done
done
mv "$work/Database.db" "$program/Database.db"
for format in text tsv json; do
    for i in "${!queries[@]}"; do
        # shellcheck disable=SC2086
        env -u DBUS_SESSION_BUS_ADDRESS "$program/quillet" -f "$format" ${queries[$i]} >"$work/load.$format.$i" 2>&1 \
            && status=0 || status=$?
        echo "status $status" >>"$work/load.$format.$i"
        cmp -s "$work/bus.$format.$i" "$work/load.$format.$i" \
            || fail "--format $format ${queries[$i]} differs:"$'\n'"$(diff "$work/load.$format.$i" "$work/bus.$format.$i")"
    done
done
# What the window leaves to the command line is answered by it, as without a window:
# --version, a word too long for the window.
both_ways() {
    local status
    "$program/quillet" "$@" >"$work/bus.out" 2>&1 && status=0 || status=$?
    echo "status $status" >>"$work/bus.out"
    env -u DBUS_SESSION_BUS_ADDRESS "$program/quillet" "$@" >"$work/load.out" 2>&1 && status=0 || status=$?
    echo "status $status" >>"$work/load.out"
    cmp -s "$work/bus.out" "$work/load.out" || fail "${1:0:20}... differs:"$'\n'"$(diff "$work/load.out" "$work/bus.out")"
}
both_ways --version
both_ways "$(head -c 1200 /dev/zero | tr '\0' a)"
grep -q "pompă" "$work/bus.text.0" || fail "the window's answer lacks pump's translation: $(cat "$work/bus.text.0")"
grep -q $'^er.starting-with\tpump rotor\trotor de pompa\tuser$' "$work/bus.tsv.0" \
    || fail "the window's answer lacks the user's pair: $(cat "$work/bus.tsv.0")"

# A pair imported from the command line while the window runs is in its next answer.
printf 'headword,translation\nvalve seat,scaun de supapa\n' >"$work/more-terms.csv"
"$program/quillet" --import "$work/more-terms.csv" >/dev/null || fail "the second pair was not imported"
call $name.Dictionary.Lookup valve er false | grep -q "'scaun de supapa'" \
    || fail "the window's answer lacks the pair imported meanwhile"

# Told to end, the window stores the history: the words shown both ways are in it; a
# look-up then loads the dictionary.
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
((status == 0)) || fail "the window ended with status $status: $(cat "$work/window.log")"
"$program/quillet" pump >/dev/null || fail "a look-up after the window ended failed"
history="$work/home/.local/share/Quillet/Dic.ini"
grep -q '^SelectionKey=True' "$work/home/.config/Dictionar Quillet.ini" || fail "the registered key was forgotten"
for word in pump bearing valve seal; do
    tr -d '\r' <"$history" | grep -qx "$word" || fail "the history lacks $word: $(cat "$history")"
done
echo "session bus test passed"
