#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build directory with CPack and checks
# it: its fields and contents, and, when lintian is installed, that
# lintian finds no error and no warning in it. Then, when run as root on a
# system with apt, that it installs with apt, that its programs find all
# their libraries, and that it removes without leaving a file behind.
# Usage: scripts/check-package.sh [build dir]   (default: build-test)
# Exits 77 when it skipped the install part.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(cd "${1:-build-test}" && pwd)
work=$(mktemp -d)
installed_here=0
cleanup() {
    if [ "$installed_here" -eq 1 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q -o DPkg::Lock::Timeout=300 elektronik >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/../tests/delivery/checks.sh"

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/elektronik_*.deb)
echo "built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = elektronik ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = 2.0.0 ] || fail "version is '$(field Version)'"
[ "$(field Section)" = electronics ] || fail "section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no maintainer"

# Loaded at run time, so no linker check would notice them missing.
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation fonts-liberation2; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
twice=$(sed 's/, /\n/g' <<<"$depends" | awk '{print $1}' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names more than once: $twice"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/elektronik ./usr/bin/einheiten \
    ./usr/share/applications/elektronik.desktop ./usr/share/applications/einheiten.desktop \
    ./usr/share/metainfo/org.example.elektronik.metainfo.xml ./usr/share/metainfo/org.example.einheiten.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/elektronik.svg ./usr/share/icons/hicolor/scalable/apps/einheiten.svg \
    ./usr/share/icons/hicolor/48x48/apps/elektronik.png ./usr/share/icons/hicolor/48x48/apps/einheiten.png \
    ./usr/share/man/man1/elektronik.1.gz ./usr/share/man/man1/einheiten.1.gz \
    ./usr/share/man/de/man1/elektronik.1.gz ./usr/share/man/de/man1/einheiten.1.gz \
    ./usr/share/doc/elektronik/copyright ./usr/share/doc/elektronik/changelog.gz; do
    grep -qxF "$path" <<<"$contents" || fail "package lacks $path"
done

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
zcat "$work/root/usr/share/doc/elektronik/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$(field Version)" ] \
    || fail "the changelog's newest entry is not version $(field Version)"

# Informational tags may stay; errors and warnings may not.
if ! command -v lintian >/dev/null; then
    echo "lintian is not installed: not run"
elif report=$(lintian --fail-on error,warning "$deb" 2>&1); then
    echo "lintian: no error, no warning"
else
    fail "lintian:"$'\n'"$report"
fi
finish_checks "package check(s)" "package contents checked"

if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "package built and inspected; installing it needs root and apt: skipped"
    exit 77
fi
if dpkg-query -W -f='${Status}' elektronik 2>/dev/null | grep -q "ok installed"; then
    echo "a package elektronik is already installed on this system; left alone: skipped"
    exit 77
fi

apt() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"; }
installed_here=1
apt install --no-install-recommends "$deb" >"$work/apt-install.log" 2>&1 || { cat "$work/apt-install.log" >&2; exit 1; }
dpkg-query -W -f='${Status}' elektronik | grep -q "install ok installed" || fail "elektronik is not installed after apt"
existing() {
    local f
    while read -r f; do
        if [ -f "$f" ]; then echo "$f"; fi
    done
}
files=$(dpkg-query -L elektronik | existing)
for program in /usr/bin/elektronik /usr/bin/einheiten; do
    [ -x "$program" ] || fail "$program missing after install"
    unresolved=$(ldd "$program" | grep "not found" || true)
    [ -z "$unresolved" ] || fail "$program lacks libraries: $unresolved"
done
echo "installed: $(echo "$files" | wc -l) files"

apt remove --purge elektronik >"$work/apt-remove.log" 2>&1 || { cat "$work/apt-remove.log" >&2; exit 1; }
installed_here=0
if dpkg-query -W -f='${Status}' elektronik 2>/dev/null | grep -q "ok installed"; then
    fail "elektronik still installed after removal"
fi
left=$(existing <<<"$files")
[ -z "$left" ] || fail "left behind after removal: $left"
finish_checks "package check(s)" "package installs and removes cleanly"
