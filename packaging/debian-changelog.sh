#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the package's changelog.gz in Debian's changelog format from the
# project's changelog (its header says the format). Refuses a changelog
# whose newest release is not the version being built, so that a release
# never ships without its entry.
# Usage: debian-changelog.sh <changelog> <package> <version> <maintainer> <output.gz>
set -euo pipefail

changelog=$1 package=$2 version=$3 maintainer=$4 output=$5

die() {
    echo "$changelog:$number: $*" >&2
    exit 1
}

release='^([^ ]+) ([0-9]{4}-[0-9]{2}-[0-9]{2})$'
convert() {
    local line date=
    number=0
    while IFS= read -r line; do
        number=$((number + 1))
        case $line in '#'* | '') continue ;; esac
        if [[ $line =~ $release ]]; then
            if [ -z "$date" ]; then
                [ "${BASH_REMATCH[1]}" = "$version" ] \
                    || die "newest release is ${BASH_REMATCH[1]}, not the version $version being built"
            else
                trailer "$date"
                echo
            fi
            printf '%s (%s) unstable; urgency=medium\n\n' "$package" "${BASH_REMATCH[1]}"
            date=${BASH_REMATCH[2]}
        elif [ -z "$date" ]; then
            die "change before the first release line"
        elif [[ $line == '- '* ]]; then
            printf '  * %s\n' "${line#- }"
        elif [[ $line == '  '* ]]; then
            printf '  %s\n' "$line"
        else
            die "neither a release, nor a change, nor its continuation: $line"
        fi
    done <"$changelog"
    [ -n "$date" ] || die "no release"
    trailer "$date"
}
# Debian wants a full RFC 5322 date; the changelog keeps only the day.
trailer() {
    printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$1 12:00")"
}

text=$(convert)
printf '%s\n' "$text" | gzip -9n >"$output"
