#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of README.md and the AppStream metainfo again, from
# the programs as built, on a private X server (Xvfb): the main window, the
# Ohm's law and resistor colour-code calculators with a result, the parts
# calculator reading a marking, the divider calculator with its best
# choices, the LED series resistor, and the converter. Writes
# packaging/screenshots/*.png; commit them afterwards.
# Usage: scripts/screenshots.sh [build dir]   (default: build-release)
# Needs ImageMagick's `import` (Debian package imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/delivery/xsession.sh

build=${1:-build-release}
out=packaging/screenshots

command -v import >/dev/null || { echo "screenshots.sh: import is missing (apt-get install imagemagick)" >&2; exit 1; }
bash scripts/install-deps.sh
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DELEKTRONIK_TESTS=OFF
cmake --build "$build" --target elektronik einheiten -j"$(nproc)"
bin=$(cd "$build/bin" && pwd)

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
xsession_start "$work"
xsession_track_exe "$bin/"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
mkdir -p "$out"

# Starts a program and prints the id of its window once it shows.
start() {
    local program=$1 title=$2
    "$bin/$program" >>"$work/programs.log" 2>&1 &
    xsession_track $!
    xsession_wait_window "$title"
}

# Ends the programs started so far, so each picture starts afresh.
stop_all() {
    xsession_cleanup
    xsession_start "$work"
    xsession_track_exe "$bin/"
}

# Clicks the centre of a control placed at left, top, width, height twips in
# a window whose client area is client_height twips high.
click() {
    local window=$1 client_height=$2 left=$3 top=$4 width=$5 height=$6
    local window_height
    window_height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
    local y0=$((window_height - (client_height + 7) / 15))
    xdotool mousemove --window "$window" --sync $(((left + width / 2) / 15)) $((y0 + (top + height / 2) / 15)) click 1
}

# Picks in the drop-down list just clicked open: keys that select the item,
# then Return. The list needs a moment to open.
pick() {
    sleep 0.5
    xdotool key --delay 50 "$@" Return
}

type_text() {
    xdotool type --delay 30 "$1"
}

shoot() {
    sleep 0.5
    import -window "$1" "$out/$2"
    echo "wrote $out/$2"
}

# The main window.
main=$(start elektronik "Elektronik Berechnungen")
shoot "$main" elektronik.png
stop_all

# "I-U-R": 12 V across 2,2 kOhm, current in mA with two decimals.
main=$(start elektronik "Elektronik Berechnungen")
xsession_menu_item "$main" 1
form=$(xsession_wait_window "Strom-Spannung-Widerstand")
h=4650
click "$form" $h 3978 1404 832 300 && pick k
click "$form" $h 3978 936 832 300 && pick m
click "$form" $h 1638 468 2236 247 && type_text 12
click "$form" $h 1638 1404 2236 247 && type_text 2,2
click "$form" $h 117 3510 1534 247
click "$form" $h 3276 4095 1534 364
shoot "$form" iur.png
stop_all

# "R-Farbcode": yellow, violet, red, gold is 4,7 kOhm, 5 %.
main=$(start elektronik "Elektronik Berechnungen")
xsession_menu_item "$main" 6
form=$(xsession_wait_window "Widerstands Farbcode")
h=6780
click "$form" $h 3960 3000 1695 300 && pick g e l b
click "$form" $h 3960 2640 1695 300 && pick v
click "$form" $h 3960 2280 1695 300 && pick r o t
click "$form" $h 3960 1920 1695 300 && pick g o l d
click "$form" $h 2640 3600 1575 495
click "$form" $h 8880 3600 1575 495
shoot "$form" r-farbcode.png
stop_all

# "Bauteilwerte": 4K7 in every marking, as it is typed into the field
# that has the focus at opening.
main=$(start elektronik "Elektronik Berechnungen")
xsession_menu_item "$main" 7 1
form=$(xsession_wait_window "Bauteilwerte")
xdotool windowfocus --sync "$form"
type_text 4K7
shoot "$form" bauteilwerte.png
stop_all

# "Spannungsteiler": 5 V from 12 V, typed into the field that has the
# focus at opening and the next one.
main=$(start elektronik "Elektronik Berechnungen")
xsession_menu_item "$main" 7 2
form=$(xsession_wait_window "Spannungsteiler")
xdotool windowfocus --sync "$form"
type_text 12
xdotool key Tab
type_text 5
shoot "$form" spannungsteiler.png
stop_all

# "LED-Vorwiderstand": three white LEDs on 12 V, by keyboard from the
# supply field, which has the focus at opening: Tab to the colour, W picks
# "Weiß", five more Tabs reach "LEDs in Reihe".
main=$(start elektronik "Elektronik Berechnungen")
xsession_menu_item "$main" 7 3
form=$(xsession_wait_window "LED-Vorwiderstand")
xdotool windowfocus --sync "$form"
type_text 12
xdotool key --delay 50 Tab Tab W Tab Tab Tab Tab Tab
type_text 3
shoot "$form" led-vorwiderstand.png
stop_all

# The converter: 4,7 µF in nF.
form=$(start einheiten "Umrechnung")
h=5895
click "$form" $h 117 2106 4225 364 && type_text 4,7
click "$form" $h 7254 2106 1651 300 && sleep 0.5 && xdotool key Escape ctrl+a && type_text F && xdotool key Return
click "$form" $h 9477 2106 1651 300 && pick Down Down Down Down Down Down Down Down Down
click "$form" $h 9477 4095 1651 300 && pick Down Down Down Down Down Down Down Down Down Down
click "$form" $h 5148 5382 1885 364
shoot "$form" einheiten.png
