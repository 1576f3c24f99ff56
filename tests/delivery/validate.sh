#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entries and the AppStream metainfo as the desktop
# tools read them, that the metainfo names the program's licence, and that
# every screenshot the metainfo names is made by scripts/screenshots.sh into
# packaging/screenshots/.
# Usage: validate.sh <packaging dir>
set -euo pipefail

packaging=$(cd "$1" && pwd)
source "$(dirname "$0")/checks.sh"

for entry in "$packaging"/*.desktop; do
    # Hints are advice only; the Categories the menu needs give one.
    if ! report=$(desktop-file-validate "$entry" 2>&1) || grep -qE ': (error|warning):' <<<"$report"; then
        fail "$(basename "$entry"):"$'\n'"$report"
    fi
done

for info in "$packaging"/*.metainfo.xml; do
    name=$(basename "$info")
    appstreamcli validate --no-net "$info" >/dev/null 2>&1 \
        || fail "$name:"$'\n'"$(appstreamcli validate --no-net --explain "$info" 2>&1)"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$info" \
        || fail "$name does not name the program's licence GPL-3.0-or-later"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$info")
    [ -f "$packaging/$launchable" ] || fail "$name launches '$launchable', which is not in packaging/"
    shots=$(sed -n 's:.*<image>.*/\([^/]*\)</image>.*:\1:p' "$info")
    [ -n "$shots" ] || fail "$name has no screenshot"
    for shot in $shots; do
        file -b "$packaging/screenshots/$shot" 2>/dev/null | grep -q '^PNG image data' \
            || fail "$name shows screenshot '$shot', which is no PNG in packaging/screenshots/"
    done
done

finish_checks "validation(s)" "desktop entries and metainfo valid"
