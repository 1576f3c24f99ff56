#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X server with Qt's xcb platform, for what
# only a real display does, such as drag and drop within a window.
# Usage: onxserver.sh <program> [arguments...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../delivery/xsession.sh"

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'xsession_cleanup; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
xsession_start "$work"
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" "$@"
