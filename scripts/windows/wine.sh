#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine in the project's own Wine prefix, with
# the Qt of scripts/windows/qt.sh and the MinGW runtime on its DLL search
# path. CTest runs every test of the Windows build through it.
# Usage: wine.sh <program.exe> [arguments...]
set -euo pipefail
cache="${ELEKTRONIK_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/elektronik-windows}"
export WINEPREFIX="${WINEPREFIX:-$cache/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono and no Gecko: nothing here needs them, and Wine would offer to
# install them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine hands no variable named QT_* on to Windows programs, and Windows
# looks names up whatever their case: they go on under lower-case names.
for name in $(compgen -e); do
    case $name in
    QT_*) export "${name,,}=${!name}" ;;
    esac
done
search=()
for dir in "$cache/qt6-win64/bin" $(bash "$(dirname "$0")/runtime.sh" --dirs); do
    dir=${dir//\//\\}
    search+=("Z:$dir")
done
WINEPATH=$(IFS=';' && echo "${search[*]}")
export WINEPATH
exec wine "$@"
