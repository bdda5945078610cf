#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `reuse lint` on the tree's files (those git tracks or would track). REUSE.toml gives
# the copyright and licence of the files that carry none; a reuse older than 4 reads
# the same facts only from .reuse/dep5, so for it they are written there, from
# REUSE.toml, in a copy of the tree.
#
# usage: reuse-lint.sh [SOURCE_DIR]
set -euo pipefail
source=$(cd "${1:-.}" && pwd)
major=$(reuse --version | grep -o '[0-9][0-9]*' | head -n1)
if ((major >= 4)); then
    cd "$source" && exec reuse lint
fi

copy=$(mktemp -d "${TMPDIR:-/tmp}/quillet-reuse.XXXXXX")
trap 'rm -rf "$copy"' EXIT
(cd "$source" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp -a --parents -t "$copy")
mkdir -p "$copy/.reuse"
python3 - "$source/REUSE.toml" >"$copy/.reuse/dep5" <<'PYTHON'
import sys, tomllib
with open(sys.argv[1], "rb") as f:
    annotations = tomllib.load(f)["annotations"]
print("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
print("Upstream-Name: Quillet")
for a in annotations:
    paths = a["path"] if isinstance(a["path"], list) else [a["path"]]
    holders = a["SPDX-FileCopyrightText"]
    holders = holders if isinstance(holders, list) else [holders]
    print()
    print("Files: " + "\n ".join(p.replace("**", "*") for p in paths))
    print("Copyright: " + "\n ".join(holders))
    print("License: " + a["SPDX-License-Identifier"])
PYTHON
cd "$copy"
reuse lint
