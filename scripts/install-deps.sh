#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing need on Debian 12.
# Runs apt-get as root, or through sudo for a normal user.
set -euo pipefail

packages=(
    build-essential cmake clang libclang-rt-14-dev clazy
    qt6-base-dev qt6-svg-dev libqt6svg6
    fonts-liberation
    xvfb xauth xclip x11-utils xdotool python3
    qt6ct weston qt6-wayland
    desktop-file-utils appstream dpkg-dev file
    man-db groff-base lintian reuse git
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
