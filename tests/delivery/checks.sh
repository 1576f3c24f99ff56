# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Counting checks for the delivery and package scripts: each failed check
# is reported and the script goes on, so one run lists every fault.
#
# fail <message>            reports a failed check
# finish_checks <what> <ok> exits 1 naming how many <what> failed, or
#                           prints <ok>

failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

finish_checks() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures $1 failed" >&2
        exit 1
    fi
    echo "$2"
}
