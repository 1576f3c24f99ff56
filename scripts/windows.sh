#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Elektronik for 64-bit Windows, on Debian 12, as root or with sudo:
#   1. installs the MinGW-w64 cross compiler, Wine, NSIS and the tools;
#   2. builds Qt for Windows from Debian's own Qt source, once, into
#      ~/.cache/elektronik-windows (scripts/windows/qt.sh); later runs
#      reuse it;
#   3. cross-builds both programs and their tests into build-windows/;
#   4. runs the unit and window tests under Wine on the offscreen platform;
#   5. packs the portable zip and the installer (scripts/windows/package.sh);
#   6. checks both under Wine on a private X server: the unpacked zip runs
#      on its own files and passes the smoke run, and the installer installs
#      and uninstalls silently (scripts/windows/check.sh).
# Usage: scripts/windows.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=${1:-build-windows}

packages=(
    g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev patch
    qt6-base-dev qt6-base-dev-tools
    wine wine64 fonts-wine fonts-liberation nsis zip unzip icoutils librsvg2-bin
    xvfb xauth xdotool x11-utils xclip imagemagick python3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

SECONDS=0
qt=$(bash scripts/windows/qt.sh | tail -n1)
echo "Qt for Windows in $qt (${SECONDS} s)"
bash scripts/windows/wineprefix.sh >/dev/null

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DELEKTRONIK_PICTURES_AS_PNG=ON \
    -DELEKTRONIK_TESTS=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$repo/scripts/windows/wine.sh"
cmake --build "$build" -j"$(nproc)"

(cd "$build" && ctest --output-on-failure -j"$(nproc)")

bash scripts/windows/package.sh "$build" "$qt"
bash scripts/windows/check.sh "$build"
echo "Windows build, tests and packages passed in ${SECONDS} s"
