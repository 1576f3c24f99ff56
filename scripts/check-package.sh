#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Elektronik developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build directory with CPack and checks
# it: its fields and contents, and, when lintian is installed, that
# lintian finds no error, no warning and no hardening link flag missing
# in it. Then, when run as root on a system with apt, that it installs
# with apt, that its programs find all their libraries, and that it
# removes without leaving a file behind.
# CPack refuses a package whose maintainer and addresses are still the
# placeholders. With --development the build keeps the placeholders: the
# check asserts that CPack refuses them, then builds such a package all
# the same, for testing.
# Usage: scripts/check-package.sh [--development] [build dir]   (default: build-test)
# Exits 77 when it skipped the install part.
set -euo pipefail
cd "$(dirname "$0")/.."

development=0
if [ "${1:-}" = --development ]; then
    development=1
    shift
fi
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

package() { (cd "$build" && cpack -G DEB -B "$work" "$@" >"$work/cpack.log" 2>&1); }
if [ "$development" -eq 1 ]; then
    if package; then
        echo "FAIL: cpack built a package with the placeholder metadata" >&2
        exit 1
    fi
    grep -q "Package metadata still placeholders" "$work/cpack.log" || { cat "$work/cpack.log" >&2; exit 1; }
    echo "cpack refuses the placeholder metadata; built as a development package"
    package -D CPACK_ELEKTRONIK_DEVELOPMENT_PACKAGE=ON || { cat "$work/cpack.log" >&2; exit 1; }
else
    package || { cat "$work/cpack.log" >&2; exit 1; }
fi
deb=$(ls "$work"/elektronik_*.deb)
echo "built $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = elektronik ] || fail "package name is '$(field Package)'"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "the build folder names no project version"
[ "$(field Version)" = "$version" ] || fail "version is '$(field Version)', the project's $version"
[ "$(field Section)" = electronics ] || fail "section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no maintainer"

# The libraries come from the scan (libqt6gui6 with the X11 platform
# plugin); the fonts are loaded at run time, so no linker check would
# notice them missing. Only fonts-liberation has the fonts the windows
# were drawn with: fonts-liberation2 would compete with it.
names() { sed 's/, /\n/g' <<<"$1" | awk 'NF {print $1}'; }
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation; do
    names "$depends" | grep -qxF "$needed" || fail "Depends lacks $needed: $depends"
done
for unwanted in qt6-qpa-plugins fonts-liberation2; do
    ! names "$depends" | grep -qxF "$unwanted" || fail "Depends names $unwanted: $depends"
done
twice=$(names "$depends" | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names more than once: $twice"
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is '$(field Recommends)', not qt6-wayland"

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
# Maintainer and addresses are set in one place and must agree everywhere.
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Maintainer)" = "$(field Maintainer)" ] \
    || fail "the changelog is signed by $(dpkg-parsechangelog -l "$work/changelog" -S Maintainer), not by the maintainer $(field Maintainer)"
copyright="$work/root/usr/share/doc/elektronik/copyright"
[ "$(sed -n 's/^Source: //p' "$copyright")" = "$(field Homepage)" ] \
    || fail "copyright names the source $(sed -n 's/^Source: //p' "$copyright"), the package its home $(field Homepage)"
[ -n "$(sed -n 's/^Upstream-Contact: //p' "$copyright")" ] || fail "copyright names no upstream contact"
! grep -q '@[A-Z_]*@' "$copyright" || fail "copyright keeps a field unfilled: $(grep '@[A-Z_]*@' "$copyright")"

# Informational tags may stay; errors, warnings and a missing hardening
# link flag (reported as information) may not.
if ! command -v lintian >/dev/null; then
    echo "lintian is not installed: not run"
elif ! report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1); then
    fail "lintian:"$'\n'"$report"
elif grep -qE ": hardening-no-(relro|bindnow) " <<<"$report"; then
    fail "lintian finds hardening link flags missing:"$'\n'"$(grep -E ": hardening-no-(relro|bindnow) " <<<"$report")"
else
    echo "lintian: no error, no warning, no hardening link flag missing"
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
