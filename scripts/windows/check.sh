#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows packages under Wine on a private X server, as a user
# would meet them:
# - both programs are window programs with their icon and version;
# - the zip, unpacked into an empty folder, runs on its own files with the
#   real windows platform: the main window appears with its title,
#   "Frequenz-Wellenlänge" opens from the menu and computes from typed
#   input, F1 opens its help, and "Einheiten" starts einheiten.exe; the
#   main window and the calculator are saved as screenshots;
# - the installer, run silently, puts both programs where its Start-menu
#   shortcuts point and lists them under installed programs, and the
#   uninstaller removes all of it.
# Usage: check.sh <Windows build folder>
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
source "$repo/tests/delivery/xsession.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
out="$build/package"
zip="$out/elektronik-$version-win64.zip"
setup="$out/elektronik-$version-setup.exe"
shots="$out/screenshots"
mkdir -p "$shots"

WINEPREFIX=$(bash "$repo/scripts/windows/wineprefix.sh")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Nothing of the build's Qt: the packages must bring all they need.
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'xsession_cleanup; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/wine.log" ] && { echo "--- wine output:" >&2; cat "$work/wine.log" >&2; }
    exit 1
}

# Clicks the centre of a control at left, top, width, height twips in a
# window whose client area starts at its top left corner.
click_control() {
    xdotool mousemove --window "$1" --sync $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1
}

clipboard_holds() {
    timeout 5 xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null || return 1
    printf '%s' "$1" | cmp -s - "$work/clipboard"
}

unzip -q "$zip" -d "$work/unpacked"
program_dir="$work/unpacked/elektronik-$version-win64"

# Each program: a window program (no console), with its icon and version.
for exe in elektronik.exe einheiten.exe; do
    headers=$(x86_64-w64-mingw32-objdump -p "$program_dir/$exe")
    grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" || fail "$exe would open a console window"
    icons=$(wrestool -l --type=14 --name=IDI_ICON1 "$program_dir/$exe")
    grep -q group_icon <<<"$icons" || fail "$exe has no icon"
    strings=$(wrestool -x --raw --type=16 "$program_dir/$exe" | tr -d '\000')
    grep -aq "ProductNameElektronik" <<<"$strings" && grep -aq "FileVersion$version" <<<"$strings" \
        || fail "$exe has no version resource naming Elektronik $version"
done
echo "both programs: window programs with icon and version $version"

xsession_start "$work"
(cd "$program_dir" && exec wine elektronik.exe) >"$work/wine.log" 2>&1 &
xsession_track $!

main=$(xsession_wait_window "Elektronik Berechnungen" 90) || fail "no main window"
echo "main window \"Elektronik Berechnungen\" shown"
sleep 1
import -window "$main" "$shots/elektronik.png"

# "Frequenz-Wellenlänge": 7 100 000 Hz typed, "Berechne", the wavelength
# copied from its field.
xsession_menu_item "$main" 4
form=$(xsession_wait_window "Frequenz - Wellenlänge" 30) || fail "\"Frequenz-Wellenlänge\" did not open"
click_control "$form" 240 6960 2295 375
xdotool type --delay 30 7100000
click_control "$form" 3720 6960 1695 375
click_control "$form" 6600 6960 2295 375
xdotool key ctrl+a ctrl+c
xsession_wait 10 clipboard_holds "42,2243" \
    || fail "7100000 Hz gave \"$(cat "$work/clipboard")\", not \"42,2243\""
echo "\"Frequenz-Wellenlänge\" computed 42,2243 m from typed 7100000 Hz"
import -window "$form" "$shots/frequenz-wellenlaenge.png"

xdotool windowfocus --sync "$form" key F1
xsession_wait_window "Hilfe – Frequenz - Wellenlänge" 30 >/dev/null || fail "F1 opened no help window"
echo "F1 opened \"Hilfe – Frequenz - Wellenlänge\""
xsession_close "$form" || fail "the calculator did not close"

xsession_menu_item "$main" 2
xsession_wait_window "Umrechnung" 60 >/dev/null || fail "\"Einheiten\" showed no converter window"
pgrep -f 'einheiten\.exe' >/dev/null || fail "no einheiten.exe runs"
echo "\"Einheiten\" started einheiten.exe with its window \"Umrechnung\""

xsession_cleanup
wineserver -k 2>/dev/null || true
wineserver -w

# The installer, silently, then the uninstaller.
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Elektronik"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Elektronik"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Elektronik'
wine "$setup" /S >"$work/wine.log" 2>&1
wineserver -w
for program in "elektronik.exe|Elektronik Berechnungen" "einheiten.exe|Umrechnung"; do
    exe=${program%%|*}
    link="$menu/${program#*|}.lnk"
    [ -f "$installed/$exe" ] || fail "the installer put no $exe into Program Files"
    [ -f "$link" ] || fail "the installer made no shortcut \"${program#*|}\""
    grep -aq "C:\\\\Program Files\\\\Elektronik\\\\$exe" "$link" \
        || fail "the shortcut \"${program#*|}\" does not point at C:\\Program Files\\Elektronik\\$exe"
done
wine reg query "$key" /v DisplayName 2>/dev/null | grep -q "Elektronik $version" \
    || fail "Elektronik is not listed under installed programs"
echo "installer: both programs installed where their shortcuts point, listed under installed programs"

wine "C:\\Program Files\\Elektronik\\Deinstallieren.exe" /S >"$work/wine.log" 2>&1
wineserver -w
[ ! -e "$installed" ] || fail "the uninstaller left $(cd "$installed" && find . | head -n 5)"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the entry under installed programs"
echo "uninstaller: programs, shortcuts and entry removed"

ls -l "$zip" "$setup" | awk '{print $5, $9}'
echo "Windows packages passed"
