#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clazy, the Qt-aware static analyser, over every source file of the
# two programs with the compile commands of this build, one file per core,
# and fails on anything it reports. Run it after building: sources include
# moc output from the build tree.
# Usage: clazy.sh <build dir> <source dir>
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)

if ! command -v clazy-standalone >/dev/null; then
    echo "FAIL: clazy-standalone not found; install the Debian package clazy (scripts/install-deps.sh does)" >&2
    exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
    echo "FAIL: no $build/compile_commands.json; configure the build with ELEKTRONIK_TESTS=ON" >&2
    exit 1
fi

# Levels 0 to 2, without two checks whose advice does not fit this code:
# - ctor-missing-parent-argument: the windows are top-level dialogs opened
#   without an owner window, so their constructors take no parent;
# - qstring-allocations: written for Qt 5, where a QString from a literal
#   allocated; QStringLiteral and u""_s allocate nothing in Qt 6.
checks=level0,level1,level2,no-qstring-allocations,no-ctor-missing-parent-argument

mapfile -t files < <(cd "$source" && find common shell calculators converter -name '*.cpp' | sort)
if [ ${#files[@]} -eq 0 ]; then
    echo "FAIL: no sources found under $source" >&2
    exit 1
fi

# One report per file, so that the reports of parallel runs do not mix.
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
analyse='
    report=$2/$(printf %s "$3" | tr / _).txt
    clazy-standalone -p "$1" -checks="$4" "$3" >"$report" 2>&1 || echo "clazy-standalone exited with $?" >>"$report"
'
started=$SECONDS
printf '%s\n' "${files[@]}" \
    | (cd "$source" && xargs -P "$(nproc)" -I '{}' bash -c "$analyse" analyse "$build" "$reports" '{}' "$checks")

failures=0
for file in "${files[@]}"; do
    report=$reports/$(printf %s "$file" | tr / _).txt
    if [ -s "$report" ]; then
        cat "$report" >&2
        failures=$((failures + 1))
    fi
done
echo "clazy: ${#files[@]} sources analysed in $((SECONDS - started)) s, $failures with findings"
[ "$failures" -eq 0 ]
