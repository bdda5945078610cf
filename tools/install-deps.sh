#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, the Debian packages that building, testing and running
# Quillet need and that this machine does not have yet. Does nothing when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libarchive-dev nettle-dev zlib1g-dev libdbus-1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  # the icon, drawn at build time; `make package`'s shared-library dependencies
  librsvg2-bin dpkg-dev
  # the end-to-end tests: a virtual display, typing and clicking, a screenshot, the menu entry
  xvfb xdotool imagemagick desktop-file-utils
  # the session bus's test and benchmark: a private bus, its command-line client, a selection
  dbus libglib2.0-bin xclip openbox
  # the manual page's check (man -l) and the software-centre entry's (appstreamcli validate)
  man-db appstream
)
# Callers may ask for more, e.g. `install-deps.sh wordnet-base` for regenerating the data
# or `install-deps.sh lintian` for checking the Debian package; `--build-deps-of
# debian/control` adds debhelper and the packages the Debian package's build depends on.
if [[ ${1:-} == --build-deps-of ]]; then
  control=$2
  shift 2
  packages+=(debhelper dpkg-dev)
  # Build-Depends' packages: the names before any version, architecture or profile.
  packages+=($(sed -n '/^Build-Depends:/,/^[^ ]/p' "$control" | sed '1s/^Build-Depends://; /^[^ ]/d' \
    | tr ',' '\n' | sed 's/[(<\[].*//; s/^ *//; s/ *$//' | grep -v '^$' | grep -v '^debhelper-compat$'))
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
