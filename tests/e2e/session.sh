# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests and benchmarks that run the real window on a virtual display and a
# session bus of their own. The caller sets `work` (a folder of its own) and `pids`.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to $1 seconds for the command after it to succeed.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# Ends the processes started (the window, Xvfb ...) and removes the work folder.
end_session() {
    set +e
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    sleep 0.3
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}

# A display of its own (Xvfb picks a free number) and a home, temporary and runtime
# folder in the work folder; the window on X11, its pop-up's paintings noted.
start_display() {
    mkdir -p "$work/home" "$work/tmp" "$work/runtime"
    chmod 700 "$work/runtime"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    within 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")" HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
    export QT_QPA_PLATFORM=xcb QUILLET_POPUP_PAINTED_LOG="$work/popup.log"
    unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
}

# A method of the running window: call INTERFACE.METHOD ARGUMENT...
call() { gdbus call --session --dest org.example.quillet --object-path /org/example/quillet --method "$@"; }

# How many processes run the window program $1 (the starter leaves them its name, "quillet").
window_processes() {
    local count=0 exe
    for exe in /proc/[0-9]*/exe; do
        [[ "$(readlink "$exe" 2>/dev/null)" == "$1" ]] && count=$((count + 1))
    done
    echo "$count"
}
