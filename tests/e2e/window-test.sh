#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual display of its own, as a user meets it: it starts with an
# empty home, a word is typed into the query box, the lists fill, the close picture
# closes the window, and the history file and the settings store then hold what the
# shut-down wrote.
#
# usage: window-test.sh PROGRAM LAYOUT_HEADER SCREENSHOT KEY...
#   LAYOUT_HEADER  the main window's layout table, where the controls' places are read
#   SCREENSHOT     where the picture of the window with its lists is saved
#   KEY...         every key the shut-down writes to group [Startup] of the settings
set -euo pipefail

program=$1 layout=$2 screenshot=$3
shift 3
keys=("$@")
word=cap

work=$(mktemp -d "${TMPDIR:-/tmp}/quillet-e2e.XXXXXX")
xvfb_pid="" program_pid=""
cleanup() {
    set +e
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && sleep 0.2
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/session.sh" # fail, within

# A control's rectangle from the layout table, into x, y, w and h.
place() {
    local rect
    rect=$(sed -n "s/.*QRect $1{\([0-9, ]*\)}.*/\1/p" "$layout" | head -n1)
    [[ -n "$rect" ]] || fail "no place for $1 in $layout"
    read -r x y w h <<<"${rect//,/}"
}

# The program has settled: it runs no child, has no dictionary files in
# its temporary folder, and has used next to no processor time for a second (a blinking
# cursor takes a little; a load or a search takes far more, even on a busy machine).
cpu_time() { awk '{ print $14 + $15 }' "/proc/$program_pid/stat"; }
has_child() { grep -q '[0-9]' /proc/"$program_pid"/task/*/children 2>/dev/null; }
idle() {
    local before after
    before=$(cpu_time) || return 1
    sleep 1
    after=$(cpu_time) || return 1
    ((after - before <= 3)) && ! has_child && [[ -z "$(ls -A "$work/tmp")" ]]
}

# The raw pixels of the Containing list's count caption, to tell when it changes.
caption_pixels() {
    local x y w h
    place Label2ContainingCount
    import -display "$DISPLAY" -window "$window" -crop "${w}x${h}+${x}+${y}" "rgb:$1"
}
caption_changed() {
    caption_pixels "$work/caption-after.rgb" && ! cmp -s "$work/caption-before.rgb" "$work/caption-after.rgb"
}
# The program has ended (it stays a zombie until it is waited for).
ended() { [[ ! -d "/proc/$program_pid" ]] || [[ "$(awk '{ print $3 }' "/proc/$program_pid/stat" 2>/dev/null)" == Z ]]; }

# A display of its own: Xvfb picks a free number and says which once it is ready.
mkdir -p "$work/home" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
within 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u DBUS_SESSION_BUS_ADDRESS \
    "$program" >"$work/program.log" 2>&1 &
program_pid=$!

# The main window: the program's visible window named Quillet, at its full size.
main_window() {
    local id width
    for id in $(xdotool search --onlyvisible --pid "$program_pid" --name '^Quillet' 2>/dev/null); do
        width=$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^WIDTH=//p')
        ((width >= 100)) && window=$id && return 0
    done
    return 1
}
within 30 main_window || fail "no window appeared: $(cat "$work/program.log")"
within 60 idle || fail "the dictionary did not finish loading"

# Type the word into the query box; search-as-you-type (on by default) fills the lists.
place Text1
xdotool mousemove --window "$window" $((x + w / 2)) $((y + h / 2)) click 1
timeout 10 xdotool windowfocus --sync "$window" || true
caption_pixels "$work/caption-before.rgb"
xdotool type --delay 60 "$word"
within 30 caption_changed || fail "the Containing list's count never showed"
within 30 idle || fail "the search did not settle"
mkdir -p "$(dirname "$screenshot")"
import -display "$DISPLAY" -window "$window" "$screenshot"

# Close with the close picture, as a user does.
place Image4
xdotool mousemove --window "$window" $((x + w / 2)) $((y + h / 2)) click 1
within 30 ended || fail "the window did not close"
status=0
wait "$program_pid" || status=$?
program_pid=""
((status == 0)) || fail "the program ended with status $status: $(cat "$work/program.log")"

history="$work/home/.local/share/Quillet/Dic.ini"
[[ -f "$history" ]] || fail "no history file at $history"
top=$(head -n1 "$history" | tr -d '\r')
[[ "$top" == "$word" ]] || fail "the history starts with '$top', not '$word'"

settings="$work/home/.config/Dictionar Quillet.ini"
[[ -f "$settings" ]] || fail "no settings store at $settings"
stored=$(awk '/^\[/ { group = $0; next } group == "[Startup]" && /=/ { sub(/=.*/, ""); print }' "$settings")
for key in "${keys[@]}"; do
    grep -qx "$key" <<<"$stored" || fail "group [Startup] lacks $key:"$'\n'"$(cat "$settings")"
done
echo "window test passed; screenshot in $screenshot"
