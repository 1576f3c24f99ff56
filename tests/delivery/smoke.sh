#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the installed programs on a real X server, as a user would: the main
# window appears, "Einheiten" starts the converter beside it as a second
# process, and a click on a swatch of "VB Farbcode" puts its code on the X
# clipboard.
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

main=$(xsession_wait_window "Elektronik Berechnungen") || fail "main window missing"
[ "$(xdotool getwindowpid "$main")" = "$main_pid" ] || fail "main window belongs to another process"
echo "main window shown"

# Menu bar order: Verstärker, I-U-R, Einheiten, VB Farbcode, ...
xsession_menu_item "$main" 2
converter=$(xsession_wait_window "Umrechnung") || fail "\"Einheiten\" showed no converter window"
converter_pid=$(xdotool getwindowpid "$converter")
xsession_track "$converter_pid"
[ "$converter_pid" != "$main_pid" ] || fail "the converter runs inside the main program"
[ "$(readlink "/proc/$converter_pid/exe")" = "$prefix/bin/einheiten" ] \
    || fail "the converter started is not the installed one beside elektronik"
echo "converter started as process $converter_pid"

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
