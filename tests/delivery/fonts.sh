#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the tests render with the fonts the windows were drawn with:
# under the tests' font configuration (FONTCONFIG_FILE, set by CTest to
# tests/support/fonts.conf) every family the windows use comes from
# fonts-liberation, and none of the fonts of fonts-liberation2 is seen.
# Usage: fonts.sh
set -euo pipefail

source "$(dirname "$0")/checks.sh"

case ${FONTCONFIG_FILE:-} in
    */tests/support/fonts.conf) ;;
    *) fail "FONTCONFIG_FILE is '${FONTCONFIG_FILE:-}', not the tests' tests/support/fonts.conf" ;;
esac
for family in "Liberation Sans" "Liberation Sans Narrow" "Liberation Mono"; do
    file=$(fc-match -f '%{file}' "$family")
    package=$(dpkg -S "$file" 2>/dev/null | cut -d: -f1 || true)
    [ "$package" = fonts-liberation ] || fail "$family is $file, which is not of fonts-liberation"
done
seen=$(fc-list -f '%{file}\n' | grep /liberation2/ || true)
[ -z "$seen" ] || fail "fonts of fonts-liberation2 are in use:"$'\n'"$seen"

finish_checks "font check(s)" "the windows' fonts are those of fonts-liberation"
