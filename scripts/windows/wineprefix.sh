#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the project's Wine prefix once (beside the Qt build, outside the
# checkout) and sets it to an English locale, as on an English Windows, so
# that the tests show that numbers are German whatever the system says.
set -euo pipefail
cache="${ELEKTRONIK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/elektronik-windows}"
export WINEPREFIX="${WINEPREFIX:-$cache/wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.elektronik" ]; then
    # No display while the prefix is made: Wine would show its dialogs there.
    env -u DISPLAY wineboot --init >/dev/null 2>&1
    intl='HKCU\Control Panel\International'
    for value in "LocaleName en-US" "Locale 00000409" "sDecimal ." "sThousand ," "sList ,"; do
        env -u DISPLAY wine reg add "$intl" /v "${value%% *}" /d "${value#* }" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.elektronik"
fi
echo "$WINEPREFIX"
