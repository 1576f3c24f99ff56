#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows from Debian's own Qt source, once, into a
# cache outside the checkout; scripts/windows.sh runs it and later runs find
# the finished build there. Prints the Qt prefix as its last line.
#
# Only what the programs and their tests use is built: Core, Gui, Widgets
# and Test, the windows and offscreen platform plugins, the Windows styles
# and the gif and ico image formats.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
cache="${ELEKTRONIK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/elektronik-windows}"
prefix="$cache/qt6-win64"
stamp="$prefix/.built"
jobs="${ELEKTRONIK_JOBS:-$(nproc)}"

if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

# deb-src entries made from the system's own deb entries, given to apt as
# a private list, so that the system's apt configuration stays untouched.
apt_dir="$cache/apt"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$cache/src"
rm -f "$apt_dir/sources.list.d/"*
for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list \
        >"$apt_dir/sources.list.d/system.list"
fi
apt_private=(-o "Dir::Etc::sourcelist=/dev/null"
             -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists")

src="$cache/src/qtbase"
if [ ! -f "$src/CMakeLists.txt" ]; then
    apt-get "${apt_private[@]}" update -q >&2
    (cd "$cache/src" && apt-get "${apt_private[@]}" source -q --download-only qt6-base >&2)
    rm -rf "$src.new" && mkdir -p "$src.new"
    tar -xf "$cache"/src/qt6-base_*.orig.tar.xz -C "$src.new" --strip-components=1
    for p in "$repo"/packaging/windows/qt-patches/*.patch; do
        [ -e "$p" ] || continue
        patch -d "$src.new" -p1 <"$p" >&2
    done
    mv "$src.new" "$src"
fi

build="$cache/build-qtbase"
mkdir -p "$build"
# tabletevent: Debian's source leaves out the Wintab header the windows
# platform plugin needs for it, and a calculator needs no pen tablet.
# direct2d: not needed; OpenGL stays on, since the windows plugin of this Qt
# version does not compile without it. Without direct2d the windows plugin
# needs a patch to link (packaging/windows/qt-patches/).
cmake -S "$src" -B "$build" -G Ninja >&2 \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
nice cmake --build "$build" -j"$jobs" >&2
cmake --install "$build" >&2
touch "$stamp"
echo "$prefix"
