# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shell helpers for driving the programs on a real X server: a private Xvfb
# on a free display, window lookup by title, and clean-up of everything
# started here. Sourced by the delivery checks (the Wayland check uses only
# the process helpers) and the screenshot script; they set
# `set -euo pipefail` themselves.
#
# xsession_start <work dir>        starts Xvfb, exports DISPLAY
# xsession_track <pid>             kills this process on clean-up
# xsession_track_exe <path prefix> also kills every process whose executable
#                                  lies under this prefix (detached children)
# xsession_wait_window <title> [s] prints the id of the visible window with
#                                  exactly this title, polling up to s seconds
# xsession_wait <seconds> <cmd...> polls the command until it succeeds
# xsession_close <window>          closes a window as its close box does and
#                                  waits until it is gone
# xsession_titles <pid>            prints the titles of the process's
#                                  visible windows, one a line
# xsession_each_window <main> <f>  opens every window of elektronik's menus
#                                  in turn and runs f on each (see there)
# xsession_cleanup                 ends all of the above; run it from a trap

xsession_pids=()
xsession_exe_prefixes=()

xsession_track() { xsession_pids+=("$1"); }
xsession_track_exe() { xsession_exe_prefixes+=("$1"); }

xsession_wait() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

xsession_start() {
    local dir=$1
    local displayfile="$dir/display"
    : >"$displayfile"
    # -displayfd picks a free display number and reports it once the server
    # accepts clients. 96 dpi keeps Qt at scale 1, so window pixels match the
    # twips layout.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
        3>"$displayfile" >"$dir/xvfb.log" 2>&1 &
    xsession_track $!
    if ! xsession_wait 20 grep -q '^[0-9]' "$displayfile"; then
        echo "Xvfb did not start:" >&2
        cat "$dir/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$displayfile")"
    unset XAUTHORITY WAYLAND_DISPLAY
}

xsession_find_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .
}

xsession_wait_window() {
    local title=$1 seconds=${2:-30}
    if ! xsession_wait "$seconds" xsession_find_window "$title" >/dev/null; then
        echo "no window \"$title\" appeared within $seconds s" >&2
        return 1
    fi
    xsession_find_window "$title"
}

xsession_alive() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 1
    [ "${state%% *}" != Z ]
}

xsession_cleanup() {
    local pid exe prefix i
    for prefix in "${xsession_exe_prefixes[@]}"; do
        for exe in /proc/[0-9]*/exe; do
            pid=${exe#/proc/}
            pid=${pid%/exe}
            case "$(readlink "$exe" 2>/dev/null)" in
            "$prefix"*) xsession_pids+=("$pid") ;;
            esac
        done
    done
    # Newest first, so the X server goes last.
    for ((i = ${#xsession_pids[@]} - 1; i >= 0; i--)); do
        pid=${xsession_pids[i]}
        kill "$pid" 2>/dev/null || continue
        xsession_wait 5 eval "! xsession_alive $pid" || kill -9 "$pid" 2>/dev/null || true
    done
    xsession_pids=()
    wait 2>/dev/null || true
}

# Opens the menu bar item at this index of a window (0 is "Verstärker") by
# keyboard: F10 opens the first menu, Right moves along the bar. With a
# third argument n, picks the n-th item of that drop-down menu instead.
# F10 opens the first menu with no item chosen, while Right opens a menu
# with its first item chosen already.
xsession_menu_item() {
    local window=$1 steps=$2 downs=${3:-0} i
    xdotool windowfocus --sync "$window"
    xdotool key F10
    for ((i = 0; i < steps; i++)); do
        xdotool key Right
    done
    if ((steps > 0 && downs > 0)); then
        downs=$((downs - 1))
    fi
    for ((i = 0; i < downs; i++)); do
        xdotool key Down
    done
    xdotool key Return
}

xsession_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# There is no window manager, so the request its close box would send
# (WM_PROTOCOLS with WM_DELETE_WINDOW) is sent from here, through Xlib, by
# Debian's python3 whatever else PATH offers.
xsession_close() {
    /usr/bin/python3 - "$1" <<'PY'
import ctypes
import sys

xlib = ctypes.CDLL("libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XInternAtom.restype = ctypes.c_ulong
xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]


class ClientMessage(ctypes.Structure):
    # XClientMessageEvent, padded to the size of an XEvent (24 longs).
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("padding", ctypes.c_long * 12)]


display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1], 0)
event = ClientMessage(type=33, window=window, format=32,  # 33: ClientMessage
                      message_type=xlib.XInternAtom(display, b"WM_PROTOCOLS", 0))
event.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event))
xlib.XCloseDisplay(display)  # flushes the request
PY
    if ! xsession_wait 10 eval "! xsession_viewable $1"; then
        echo "window $1 did not close" >&2
        return 1
    fi
}

xsession_titles() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xprop -id "$window" -notype _NET_WM_NAME | sed -n 's/^_NET_WM_NAME = //p'
    done
}

# The windows of elektronik's menus: menu bar index | item of its drop-down
# menu (0: none) | caption | where it opens (placed: where the program puts
# it; unplaced: where the window manager does) | client height in twips.
# The curve windows open from the menu of "Verstärker-Berechnung".
xsession_windows=(
    "0|1|Verstärker-Berechnung|placed|5055"
    "0|2|Verstärker Berechnung|unplaced|6000"
    "1|0|Strom-Spannung-Widerstand|placed|4650"
    "3|0|VB Farbcode|unplaced|3585"
    "4|0|Frequenz - Wellenlänge|placed|9945"
    "5|0|Koppel-Kondensator|placed|8250"
    "6|0|Widerstands Farbcode|unplaced|6780"
    "7|1|Bauteilwerte|placed|6690"
    "7|2|Spannungsteiler|placed|7410"
    "7|3|LED-Vorwiderstand|placed|7500"
)
xsession_curve_windows=(
    "1|Kennlinie-Beispiel|placed|8550"
    "2|Kennlinie Beispiel|placed|7470"
)

# Opens each window of xsession_windows and the curve windows from the main
# window <main> and runs `<f> <window id> <caption> <placement> <client
# height in twips>` while it is open, then closes it. Returns 1 at the
# first window that does not open or close.
xsession_each_window() {
    local main=$1 f=$2 row index item caption placement twips window curve
    for row in "${xsession_windows[@]}"; do
        IFS='|' read -r index item caption placement twips <<<"$row"
        xsession_menu_item "$main" "$index" "$item"
        window=$(xsession_wait_window "$caption") || return 1
        "$f" "$window" "$caption" "$placement" "$twips"
        if [ "$caption" = Verstärker-Berechnung ]; then
            for row in "${xsession_curve_windows[@]}"; do
                IFS='|' read -r item caption placement twips <<<"$row"
                xsession_menu_item "$window" 0 "$item"
                curve=$(xsession_wait_window "$caption") || return 1
                "$f" "$curve" "$caption" "$placement" "$twips"
                xsession_close "$curve" || return 1
            done
        fi
        xsession_close "$window" || return 1
    done
}
