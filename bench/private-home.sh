# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the kill benchmarks: a home, configuration, data, temporary and runtime folder
# of their own under $work, removed at the end, so that a run touches none of the user's
# files and everything the program leaves is in sight.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
# The window's runtime folder, which Qt would otherwise make in the temporary folder.
export XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
