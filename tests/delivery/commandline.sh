#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs both built programs where there is no display at all and checks
# what only the real program shows: that it ends by itself (one that tried
# to open its window here would abort for want of a display), which stream
# its answer goes to, and its exit status, also when standard output is a
# full device. The wording of every answer is tst_commandline's.
# Usage: commandline.sh <build dir>
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "$0")/checks.sh"

# program | arguments | standard output | exit status | stream that answers
cases=(
    "elektronik|--help|file|0|out"
    "elektronik|--version|file|0|out"
    "elektronik|--gibtsnicht|file|1|err"
    "elektronik|--help|/dev/full|1|err"
    "einheiten|--help|file|0|out"
    "einheiten|--version|file|0|out"
    "einheiten|-x|file|1|err"
    "einheiten|--version|/dev/full|1|err"
)
for row in "${cases[@]}"; do
    IFS='|' read -r program arguments output status answering <<<"$row"
    [ "$output" = file ] && output=$work/out
    : >"$work/out"
    actual=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        timeout 30 "$build/bin/$program" $arguments >"$output" 2>"$work/err" || actual=$?
    what="$program $arguments >$output"
    [ "$actual" = "$status" ] || fail "$what ended with status $actual, not $status: $(cat "$work/err")"
    # The answer starts with the program's name ("Aufruf: <program>" for the help).
    silent=$([ "$answering" = out ] && echo err || echo out)
    grep -qE "^(Aufruf: )?$program\b" "$work/$answering" \
        || fail "$what answered on standard $answering:"$'\n'"$(cat "$work/$answering")"
    [ ! -s "$work/$silent" ] || fail "$what printed on standard $silent:"$'\n'"$(cat "$work/$silent")"
done

finish_checks "command-line check(s)" "both programs answer without a display, on the right stream, with the right status"
