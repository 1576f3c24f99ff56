#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs both built programs with --help, --version and a wrong option where
# there is no display at all: each must answer on the right stream with the
# right exit status and end by itself. A program that tried to open its
# window here would abort for want of a display.
# Usage: commandline.sh <build dir> <project version>
set -euo pipefail

build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "$0")/checks.sh"

# program | arguments | exit status | standard output (pattern) | standard error (pattern)
cases=(
    "elektronik|--help|0|^Aufruf: elektronik .*--version|^$"
    "elektronik|-h|0|^Aufruf: elektronik .*--version|^$"
    "elektronik|--version|0|^elektronik $version $|^$"
    "elektronik|-v|0|^elektronik $version $|^$"
    "elektronik|--gibtsnicht|1|^$|^elektronik: Unknown option 'gibtsnicht'"
    "einheiten|--help|0|^Aufruf: einheiten .*--version|^$"
    "einheiten|-h|0|^Aufruf: einheiten .*--version|^$"
    "einheiten|--version|0|^einheiten $version $|^$"
    "einheiten|-v|0|^einheiten $version $|^$"
    "einheiten|-x|1|^$|^einheiten: Unknown option 'x'"
)
for row in "${cases[@]}"; do
    IFS='|' read -r program arguments status output error <<<"$row"
    actual=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        timeout 30 "$build/bin/$program" $arguments >"$work/out" 2>"$work/err" || actual=$?
    [ "$actual" = "$status" ] || fail "$program $arguments ended with status $actual, not $status: $(cat "$work/err")"
    # Each text as one line, so that a pattern can span it.
    [[ $(tr '\n' ' ' <"$work/out") =~ $output ]] \
        || fail "$program $arguments printed on standard output:"$'\n'"$(cat "$work/out")"
    [[ $(tr '\n' ' ' <"$work/err") =~ $error ]] \
        || fail "$program $arguments printed on standard error:"$'\n'"$(cat "$work/err")"
done

finish_checks "command-line check(s)" "both programs answer their options without a display"
