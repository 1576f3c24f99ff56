# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shell helpers for driving the programs on a real X server: a private Xvfb
# on a free display, window lookup by title, and clean-up of everything
# started here. Sourced by the smoke test and the screenshot script; they
# set `set -euo pipefail` themselves.
#
# xsession_start <work dir>        starts Xvfb, exports DISPLAY
# xsession_track <pid>             kills this process on clean-up
# xsession_track_exe <path prefix> also kills every process whose executable
#                                  lies under this prefix (detached children)
# xsession_wait_window <title> [s] prints the id of the visible window with
#                                  exactly this title, polling up to s seconds
# xsession_wait <seconds> <cmd...> polls the command until it succeeds
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
# keyboard: F10 opens the first menu, Right moves along the bar.
xsession_menu_item() {
    local window=$1 steps=$2 i
    xdotool windowfocus --sync "$window"
    xdotool key F10
    for ((i = 0; i < steps; i++)); do
        xdotool key Right
    done
    xdotool key Return
}
