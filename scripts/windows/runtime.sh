#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The MinGW runtime DLLs that Qt and the programs need on Windows, as the
# cross compiler finds them: their paths, or with --dirs their folders.
set -euo pipefail
paths=()
for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    path=$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")
    [ -f "$path" ] || { echo "runtime.sh: $dll not found (g++-mingw-w64-x86-64-posix)" >&2; exit 1; }
    paths+=("$path")
done
if [ "${1:-}" = --dirs ]; then
    printf '%s\n' "${paths[@]}" | xargs -n1 dirname | sort -u
else
    printf '%s\n' "${paths[@]}"
fi
