#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the installed programs on a real X server, as a user would: the main
# window appears, "Einheiten" starts the converter beside it as a second
# process, every window of both programs and a warning box in each shows
# exactly its caption as title and carries a position only where the
# program places it, and a click on a swatch of "VB Farbcode" puts its code
# on the X clipboard.
# Usage: smoke.sh <build dir>
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"

for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -m 700 "$work/runtime"

xsession_start "$work"
# The staged converter must be found beside the main program, never through
# PATH, so any process running it was started here.
xsession_track_exe "$prefix/"

QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$prefix/bin/elektronik" >"$work/elektronik.log" 2>&1 &
main_pid=$!
xsession_track "$main_pid"

fail() {
    echo "FAIL: $*" >&2
    echo "--- elektronik output:" >&2
    cat "$work/elektronik.log" >&2
    exit 1
}

# What the window manager receives: the caption, exactly, as title in both
# title properties, and a position in the size hints only where the program
# places the window ("placed"), never where the window manager is to place
# it ("unplaced"). Warning boxes ("any") are placed by the toolkit.
check_frame() {
    local window=$1 caption=$2 placement=$3 name title hints
    for name in _NET_WM_NAME WM_NAME; do
        title=$(xprop -id "$window" -notype "$name" | sed -n "s/^$name = \"\(.*\)\"\$/\1/p")
        [ "$title" = "$caption" ] || fail "the window \"$caption\" is titled \"$title\" in $name"
    done
    hints=$(xprop -id "$window" -notype WM_NORMAL_HINTS)
    case $placement in
    placed) grep -q 'specified location' <<<"$hints" \
        || fail "\"$caption\" carries no position of its own:"$'\n'"$hints" ;;
    unplaced) ! grep -q 'specified location' <<<"$hints" \
        || fail "\"$caption\" carries a position, but the window manager is to place it:"$'\n'"$hints" ;;
    esac
}

# That the process shows the window, and the window's frame.
check_window() {
    local pid=$1 window=$2 caption=$3 placement=$4
    [ "$(xdotool getwindowpid "$window")" = "$pid" ] || fail "\"$caption\" belongs to another process"
    check_frame "$window" "$caption" "$placement"
}

# Prints the id of the window with this caption once the process shows it,
# after checking it.
framed_window() {
    local pid=$1 caption=$2 placement=$3 window
    window=$(xsession_wait_window "$caption") \
        || fail "no window \"$caption\"; the program shows:"$'\n'"$(xsession_titles "$pid")"
    check_window "$pid" "$window" "$caption" "$placement"
    echo "$window"
}

# Clicks the centre of a control at left, top, width, height twips in a
# window without menu bar.
click_control() {
    xdotool mousemove --window "$1" --sync $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1
}

main=$(framed_window "$main_pid" "Elektronik Berechnungen" placed) || exit 1
echo "main window shown"

# Every window of the menus, and a warning box from "Frequenz -
# Wellenlänge", whose "Berechne" warns with no frequency given.
visit() {
    local window=$1 caption=$2 placement=$3 box
    check_window "$main_pid" "$window" "$caption" "$placement"
    echo "\"$caption\" titled and $placement"
    if [ "$caption" = "Frequenz - Wellenlänge" ]; then
        click_control "$window" 3720 6960 1695 375
        box=$(framed_window "$main_pid" "Achtung" any) || exit 1
        xsession_close "$box" || fail "the warning box did not close"
        echo "its warning box titled"
    fi
    # F1 opens the window's help as a window of its own, titled after it.
    if [ "$caption" = "Strom-Spannung-Widerstand" ]; then
        xdotool windowfocus --sync "$window" key F1
        framed_window "$main_pid" "Hilfe – $caption" any >/dev/null || exit 1
        echo "its help window titled"
    fi
}
xsession_each_window "$main" visit \
    || fail "not every window opened and closed; the program shows:"$'\n'"$(xsession_titles "$main_pid")"
! xsession_titles "$main_pid" | grep -q '^"Hilfe' || fail "a help window outlived its calculator"

xsession_menu_item "$main" 2
converter=$(xsession_wait_window "Umrechnung") || fail "\"Einheiten\" showed no converter window"
converter_pid=$(xdotool getwindowpid "$converter")
xsession_track "$converter_pid"
check_frame "$converter" "Umrechnung" placed
[ "$converter_pid" != "$main_pid" ] || fail "the converter runs inside the main program"
[ "$(readlink "/proc/$converter_pid/exe")" = "$prefix/bin/einheiten" ] \
    || fail "the converter started is not the installed one beside elektronik"
echo "converter started as process $converter_pid"
# "Berechne" with nothing chosen warns.
click_control "$converter" 5148 5382 1885 364
box=$(framed_window "$converter_pid" "Achtung" any) || exit 1
xsession_close "$box" || fail "the converter's warning box did not close"
echo "the converter's warning box titled"

xsession_menu_item "$main" 3
chart=$(xsession_wait_window "VB Farbcode") || fail "\"VB Farbcode\" did not open"

# Something else on the clipboard first, so that a stale code cannot pass.
printf 'vorher' | xclip -quiet -selection clipboard >/dev/null 2>&1 &
xsession_track $!

clipboard_holds() {
    timeout 5 xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null || return 1
    printf '%s' "$1" | cmp -s - "$work/clipboard"
}
xsession_wait 10 clipboard_holds vorher || fail "could not put a text on the clipboard"

# Swatch N stands in column (N + 5) / 6 and row (N - 1) % 6 + 1; twips.
column_lefts=(234 1521 2808 4095 5382 6669 7839)
row_tops=(234 702 1170 1638 2106 2574)
swatch_cases=(
    "1 &H00FFFFFF&"
    "9 &H000000FF&"
    "18 &H00404080&"
    "42 &H00400040&"
)
for case in "${swatch_cases[@]}"; do
    number=${case%% *}
    code=${case#* }
    left=${column_lefts[(number + 5) / 6 - 1]}
    top=${row_tops[(number - 1) % 6]}
    x=$(((left + 1066 / 2) / 15))
    y=$(((top + 364 / 2) / 15))
    xdotool mousemove --window "$chart" --sync "$x" "$y" click 1
    xsession_wait 10 clipboard_holds "$code" \
        || fail "after a click on Label$number the clipboard holds '$(cat "$work/clipboard")', not '$code'"
    echo "Label$number copied $code"
done

kill -0 "$main_pid" 2>/dev/null || fail "elektronik ended"
echo "smoke test passed"
