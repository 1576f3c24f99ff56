#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icons into the hicolor sizes beside this script:
#   hicolor/<n>x<n>/apps/elektronik.png from elektronik.svg, and
#   hicolor/<n>x<n>/apps/einheiten.png from ../converter/einheiten.svg
#   once that drawing exists.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
sizes="16 32 48 64 128 256"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
    exit 1
fi

render() {
    source=$1
    name=$2
    for n in $sizes; do
        dir="$here/hicolor/${n}x${n}/apps"
        mkdir -p "$dir"
        rsvg-convert --width "$n" --height "$n" --output "$dir/$name.png" "$source"
    done
    echo "rendered $name from $source"
}

render "$here/elektronik.svg" elektronik

converter="$here/../converter/einheiten.svg"
if [ -f "$converter" ]; then
    render "$converter" einheiten
else
    echo "skipped einheiten: $converter does not exist yet"
fi
