#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the installed programs on a real X server three times: under a
# desktop's own look (qt6ct's "darker" colours and a 12-point font), under
# that look with qt6ct's style sheet tooltip-simple.qss chosen, and plainly.
# It opens every window of both programs by keyboard and captures each
# below its menu bar: the windows look as designed on every desktop, so the
# captures of each window are the same. The menu bars follow the desktop:
# they must differ from the plain run's. All runs use the Fusion style:
# qt6ct is set to it, and Qt chooses it where it knows no desktop. Differing
# captures are kept in <build dir>/theme-check/.
# Usage: theme.sh <build dir>
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
source "$here/checks.sh"

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
[ -f /usr/share/qt6ct/colors/darker.conf ] || { echo "missing qt6ct (scripts/install-deps.sh installs it)" >&2; exit 1; }
sheet=/usr/share/qt6ct/qss/tooltip-simple.qss
[ -f "$sheet" ] || { echo "missing $sheet (scripts/install-deps.sh installs qt6ct)" >&2; exit 1; }

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -m 700 "$work/runtime"
kept="$build/theme-check"
rm -rf "$kept"

# A desktop's look as its user sets it in qt6ct. The text caret does not
# blink here (flash time 0), so the captures of this run hold it still.
mkdir -p "$work/config/qt6ct"
cat >"$work/config/qt6ct/qt6ct.conf" <<'CONF'
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion

[Fonts]
fixed="Monospace,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
general="Sans Serif,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"

[Interface]
cursor_flash_time=0
CONF
# The same desktop with a style sheet chosen on qt6ct's "Style Sheets" page.
mkdir -p "$work/sheet-config/qt6ct"
sed "s|^\[Interface\]\$|&\nstylesheets=$sheet|" "$work/config/qt6ct/qt6ct.conf" >"$work/sheet-config/qt6ct/qt6ct.conf"
grep -qxF "stylesheets=$sheet" "$work/sheet-config/qt6ct/qt6ct.conf"

xsession_start "$work"
xsession_track_exe "$prefix/"
# No pointer over any window, so that no control is drawn hovered.
xdotool mousemove 1279 1023

# Captures one window's client area, `twips` high: in the first run once it
# has settled, in the later runs until it is the same as in the first. The
# plain run's blinking caret and the animation of the main window come
# round to the state the first run's capture shows.
look() {
    local run=$1 key=$2 window=$3 twips=$4 rows
    rows=$(((twips + 7) / 15))
    if ! xdotool windowfocus --sync "$window" 2>/dev/null; then
        fail "$key could not be focused in the $run run"
        return
    fi
    case $run in
    desktop)
        python3 "$here/capture.py" settle "$window" "$rows" "$work/$key.desktop.ppm" 20 \
            || fail "$key did not settle on the desktop's look" ;;
    *)
        if ! python3 "$here/capture.py" match "$window" "$rows" "$work/$key.$run.ppm" \
            "$work/$key.desktop.ppm" 6; then
            mkdir -p "$kept"
            cp "$work/$key.desktop.ppm" "$work/$key.$run.ppm" "$kept/"
            fail "$key looks different on the desktop's look: $kept/$key.desktop.ppm, $run: $kept/$key.$run.ppm"
        else
            echo "$key the same in the $run run and on the desktop's look"
        fi ;;
    esac
}

# Looks at a window that xsession_each_window opened, in the run under way.
visit() { look "$run" "${2// /_}" "$1" "$4"; }

# Opens every window of both programs in turn and looks at it.
visit_windows() {
    local run=$1 main converter
    main=$(xsession_wait_window "Elektronik Berechnungen") \
        || { fail "no main window in the $run run:"$'\n'"$(cat "$work/$run.log")"; return; }
    look "$run" Form3 "$main" 3300
    python3 "$here/capture.py" bar "$main" 220 "$work/menubar.$run.ppm" 20 || fail "no menu bar in the $run run"
    xsession_each_window "$main" visit || fail "not every window opened and closed in the $run run"
    xsession_menu_item "$main" 2
    converter=$(xsession_wait_window Umrechnung) || { fail "no converter in the $run run"; return; }
    look "$run" einheiten "$converter" 5895
    xsession_close "$converter" || fail "the converter did not close in the $run run"
}

# Neither run takes a look from the desktop the check was started on; each
# has a configuration directory of its own, the plain run an empty one.
mkdir "$work/plain-config"
for run in desktop sheet plain; do
    look_env=(QT_QPA_PLATFORMTHEME= XDG_CONFIG_HOME="$work/plain-config")
    [ "$run" != desktop ] || look_env=(QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/config")
    [ "$run" != sheet ] || look_env=(QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/sheet-config")
    env -u QT_STYLE_OVERRIDE -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u GNOME_DESKTOP_SESSION_ID \
        -u KDE_FULL_SESSION QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "${look_env[@]}" \
        "$prefix/bin/elektronik" >"$work/$run.log" 2>&1 &
    pid=$!
    xsession_track "$pid"
    visit_windows "$run"
    xsession_alive "$pid" || fail "elektronik ended in the $run run:"$'\n'"$(cat "$work/$run.log")"
    kill "$pid" 2>/dev/null || true
    # Until the X server has taken its windows down, too.
    xsession_wait 10 eval "! xsession_alive $pid && ! xdotool search --onlyvisible --name . >/dev/null" \
        || fail "elektronik did not end after the $run run"
done

# qt6ct uses Qt's private interfaces and fails to load on any other Qt
# version; then all runs look plain and prove nothing.
for run in desktop sheet; do
    ! cmp -s "$work/menubar.$run.ppm" "$work/menubar.plain.ppm" \
        || fail "the menu bar looks plain in the $run run: qt6ct did not take effect"
done
finish_checks "theme check(s)" "every window looks the same plainly, on the desktop's look and under its style sheet"
