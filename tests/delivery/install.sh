#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging prefix and checks what a user gets:
# both programs side by side in bin/, desktop entries whose Exec and Icon
# resolve inside the install, icons in the hicolor theme at their true
# sizes, metainfo that launches an installed desktop entry, manual pages in
# English and German that render without a warning and carry the date of
# the changelog's newest release, the copyright file and changelog, and
# nothing else.
# Usage: install.sh <build dir>
set -euo pipefail

build=$(cd "$1" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/checks.sh"

# program | desktop entry | metainfo
programs=(
    "elektronik|elektronik.desktop|org.example.elektronik.metainfo.xml"
    "einheiten|einheiten.desktop|org.example.einheiten.metainfo.xml"
)
png_sizes=(16 32 48 64 128 256)

expected=(share/doc/elektronik/copyright share/doc/elektronik/changelog.gz)
for row in "${programs[@]}"; do
    IFS='|' read -r program desktop metainfo <<<"$row"
    expected+=("bin/$program" "share/applications/$desktop" "share/metainfo/$metainfo"
        "share/icons/hicolor/scalable/apps/$program.svg"
        "share/man/man1/$program.1.gz" "share/man/de/man1/$program.1.gz")
    for n in "${png_sizes[@]}"; do
        expected+=("share/icons/hicolor/${n}x${n}/apps/$program.png")
    done

    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not an executable"

    entry="$prefix/share/applications/$desktop"
    [ -f "$entry" ] || continue
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    [ "$exec_line" = "$program" ] || fail "$desktop starts '$exec_line', not $program"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$desktop names icon '$icon', which has no scalable icon"
    [ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "$desktop names icon '$icon', which has no 48x48 icon"

    info="$prefix/share/metainfo/$metainfo"
    [ -f "$info" ] || continue
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$info")
    [ "$launchable" = "$desktop" ] || fail "$metainfo launches '$launchable', not $desktop"
    binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$info")
    [ "$binary" = "$program" ] || fail "$metainfo provides binary '$binary', not $program"
done

# The main program looks for the converter in its own directory.
[ "$(dirname "$(readlink -f "$prefix/bin/elektronik")")" = "$(dirname "$(readlink -f "$prefix/bin/einheiten")")" ] \
    || fail "elektronik and einheiten are not installed side by side"

for n in "${png_sizes[@]}"; do
    for png in "$prefix"/share/icons/hicolor/${n}x${n}/apps/*.png; do
        [ -f "$png" ] || continue
        file -b "$png" | grep -q "^PNG image data, $n x $n," \
            || fail "${png#"$prefix"/} is $(file -b "$png"), not $n x $n"
    done
done

for svg in "$prefix"/share/icons/hicolor/scalable/apps/*.svg; do
    grep -q "<svg" "$svg" || fail "${svg#"$prefix"/} is no SVG drawing"
done

# man-db as a user runs it; groff's warnings go to standard error.
for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/de/man1/*.1.gz; do
    [ -f "$page" ] || continue
    name=${page#"$prefix"/}
    if ! warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || [ -n "$warnings" ]; then
        fail "$name does not render cleanly:"$'\n'"$warnings"
    fi
    gzip -t "$page" || fail "$name is not gzipped"
done

[ "$(head -n 1 "$prefix/share/doc/elektronik/copyright" 2>/dev/null)" = \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] \
    || fail "share/doc/elektronik/copyright is not machine-readable"
changelog="$prefix/share/doc/elektronik/changelog.gz"
if [ -f "$changelog" ]; then
    zcat "$changelog" >"$prefix/changelog"
    if release=$(dpkg-parsechangelog -l "$prefix/changelog" -S Date); then
        release=$(date -u -d "$release" +%F)
        for page in "$prefix"/share/man/man1/*.1.gz "$prefix"/share/man/de/man1/*.1.gz; do
            [ -f "$page" ] || continue
            dated=$(zcat "$page" | awk '$1 == ".TH" {print $4; exit}')
            [ "$dated" = "$release" ] || fail "${page#"$prefix"/} is dated $dated, not $release of the newest release"
        done
    else
        fail "share/doc/elektronik/changelog.gz is no Debian changelog"
    fi
    rm "$prefix/changelog"
fi

installed=$(cd "$prefix" && find . -type f -o -type l | sed 's:^\./::' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
missing=$(comm -13 <(echo "$installed") <(echo "$wanted"))
extra=$(comm -23 <(echo "$installed") <(echo "$wanted"))
[ -z "$missing" ] || fail "not installed:"$'\n'"$missing"
[ -z "$extra" ] || fail "installed but not expected:"$'\n'"$extra"

finish_checks "install check(s)" "install checks passed: $(echo "$installed" | wc -l) files"
