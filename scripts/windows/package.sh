#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs the Windows build into what a Windows user downloads:
#   elektronik-<version>-win64.zip     portable, unpack and start
#   elektronik-<version>-setup.exe     installer with Start-menu entries and
#                                      an uninstaller
# Both hold the two programs, the Qt DLLs and plugins they load, the MinGW
# runtime, the licences and "Liesmich.txt".
# Usage: package.sh <Windows build folder> <Qt for Windows prefix>
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="elektronik-$version-win64"
out="$build/package"
stage="$out/$name"
rm -rf "$out"
mkdir -p "$stage"

cp "$build/bin/elektronik.exe" "$build/bin/einheiten.exe" "$stage/"
# The plugins Qt loads: the platform, the native style, and GIF for the
# main window's animation. Qt looks for them in folders beside the program.
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qgif.dll; do
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$stage/$plugin"
done

# Liberation Sans Narrow, the windows' main typeface, which Windows lacks;
# the programs load it from here.
mkdir -p "$stage/fonts"
cp /usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf \
   /usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf "$stage/fonts/"

# Every DLL these need from Qt or the MinGW runtime, and what those need in
# turn; Windows' own DLLs are found nowhere here and stay out.
mapfile -t search < <(echo "$qt/bin"; bash "$repo/scripts/windows/runtime.sh" --dirs)
find_dll() {
    local dir
    for dir in "${search[@]}"; do
        [ -f "$dir/$1" ] && { echo "$dir/$1"; return 0; }
    done
    return 1
}
pending=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    while read -r dll; do
        [ -f "$stage/$dll" ] && continue
        source=$(find_dll "$dll") || continue
        cp "$source" "$stage/$dll"
        pending+=("$stage/$dll")
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# No debugging symbols: they would triple the download.
find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# Windows' own line ends, so that Notepad shows the lines.
crlf() { sed 's/$/\r/' "$1" >"$2"; }
crlf "$repo/LICENSES/GPL-3.0-or-later.txt" "$stage/Lizenz.txt"
# The licences of what comes with the programs: Qt's, the font's, and the
# GCC runtime's and MinGW-w64's as Debian records them.
mkdir -p "$stage/Lizenzen"
crlf "$(dirname "$qt")/src/qtbase/LICENSES/LGPL-3.0-only.txt" "$stage/Lizenzen/Qt-LGPL-3.0.txt"
crlf /usr/share/doc/fonts-liberation/copyright "$stage/Lizenzen/Liberation-Schriften.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/Lizenzen/GCC-Laufzeit.txt"
crlf /usr/share/doc/mingw-w64-common/copyright "$stage/Lizenzen/MinGW-w64.txt"
sed "s/@VERSION@/$version/; s/\$/\r/" "$repo/packaging/windows/Liesmich.txt" >"$stage/Liesmich.txt"

(cd "$out" && zip -q -r -X "$name.zip" "$name")

# The uninstaller removes exactly what the installer put there.
(cd "$stage" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|') >"$out/files.nsh"
(cd "$stage" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|') >>"$out/files.nsh"
makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DSTAGE="$stage" -DFILES="$out/files.nsh" \
    -DLICENSE="$stage/Lizenz.txt" -DICON="$build/shell/elektronik.ico" \
    -DOUTFILE="$out/elektronik-$version-setup.exe" \
    "$repo/packaging/windows/elektronik.nsi"

ls -l "$out/$name.zip" "$out/elektronik-$version-setup.exe"
