#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the installed programs as native clients of a Wayland compositor, a
# headless weston: each maps its main window with exactly its caption as
# title and with its desktop entry's name as application id, by which docks
# and task bars find the program's icon. What the compositor receives is
# read from the client's protocol log.
# Usage: wayland.sh <build dir>
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
source "$here/checks.sh"

command -v weston >/dev/null || { echo "missing weston (scripts/install-deps.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
runtime="$work/runtime"
mkdir -m 700 "$runtime"
socket=elektronik-check

# No configuration file, so that the user's own cannot change the check.
XDG_RUNTIME_DIR="$runtime" weston --no-config --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --log="$work/weston.log" >/dev/null 2>&1 &
xsession_track $!
if ! xsession_wait 20 test -S "$runtime/$socket"; then
    echo "weston did not start:" >&2
    cat "$work/weston.log" >&2
    exit 1
fi

# The requests the client sent, as WAYLAND_DEBUG logs them:
# "[time]  -> interface@id.request(arguments)".
requests() {
    sed -n "s/^\[[^]]*\]  -> $2(\(.*\))\$/\1/p" "$1"
}

# The window is mapped once a picture is attached to the surface of its
# toplevel.
mapped() {
    local log=$1 role surface
    role=$(sed -n 's/^\[[^]]*\]  -> xdg_surface@\([0-9]*\)\.get_toplevel(.*/\1/p' "$log" | head -n1)
    surface=$(requests "$log" 'xdg_wm_base@[0-9]*\.get_xdg_surface' \
        | sed -n "s/^new id xdg_surface@$role, wl_surface@\([0-9]*\)\$/\1/p" | head -n1)
    [ -n "$surface" ] && requests "$log" "wl_surface@$surface\\.attach" | grep -q '^wl_buffer@'
}

# program | caption of its main window
programs=(
    "elektronik|Elektronik Berechnungen"
    "einheiten|Umrechnung"
)
for row in "${programs[@]}"; do
    IFS='|' read -r program caption <<<"$row"
    log="$work/$program.log"
    # QT_IM_MODULE=none: Qt 6.4 crashes painting a text field on a
    # compositor that offers text input but has no seat, and a headless
    # weston has none.
    env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
        QT_IM_MODULE=none WAYLAND_DEBUG=client "$prefix/bin/$program" >/dev/null 2>"$log" &
    pid=$!
    xsession_track "$pid"
    xsession_wait 30 eval "mapped '$log' || ! xsession_alive $pid" || true
    if ! mapped "$log"; then
        fail "$program mapped no window; its output without the protocol:"$'\n'"$(grep -v '^\[' "$log" || true)"
        continue
    fi
    # Every title and id the program sets, once each.
    titles=$(requests "$log" 'xdg_toplevel@[0-9]*\.set_title' | sort -u)
    [ "$titles" = "\"$caption\"" ] || fail "$program titles its window \"$caption\" as: ${titles:-nothing}"
    ids=$(requests "$log" 'xdg_toplevel@[0-9]*\.set_app_id' | sort -u)
    [ "$ids" = "\"$program\"" ] || fail "$program gives the application id \"$program\" as: ${ids:-nothing}"
    [ -f "$prefix/share/applications/$program.desktop" ] \
        || fail "no installed desktop entry $program.desktop names the application id"
    xsession_alive "$pid" || fail "$program ended:"$'\n'"$(grep -v '^\[' "$log" || true)"
    echo "$program mapped \"$caption\" with application id \"$program\""
done

finish_checks checks "both programs mapped their windows with their captions and application ids"
