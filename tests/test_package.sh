#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the hardened package build and checks it as
# a Debian maintainer would: lintian, hardening-check, the files it installs,
# its documentation, manual page, desktop entry and AppStream record; then
# runs the installed program on a real X server.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
id=de.dreieckrechner.Dreieckrechner
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$source_dir"
cmake --preset package >/dev/null
cmake --build --preset package >/dev/null
(cd build-package && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(echo "$scratch"/out/*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root"

for file in usr/bin/dreieckrechner \
            usr/share/man/man1/dreieckrechner.1.gz \
            usr/share/doc/dreieckrechner/copyright \
            usr/share/doc/dreieckrechner/changelog.gz \
            "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$id.png" \
            "usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 fonts-liberation2; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in qt6-wayland qt6-translations-l10n; do
    [[ $recommends == *"$wanted"* ]] || fail "Recommends lacks $wanted: $recommends"
done

lintian --pedantic --info --fail-on error,warning "$deb"
# Fortify protects only calls whose buffer sizes the compiler knows; here
# every memcpy is inside Qt and the standard library, so it is not asked.
# Control-flow protection is not among the flags Debian 12 builds with.
# Branch protection (BTI and PAC) is AArch64's; Debian 13's hardening-check
# asks it of every architecture, Debian 12's knows no such check.
skip=(--nofortify --nocfprotection)
grep -q -- --nobranchprotection < <(hardening-check --help 2>&1) && skip+=(--nobranchprotection)
hardening-check "${skip[@]}" "$root/usr/bin/dreieckrechner"

for gz in "$root/usr/share/man/man1/dreieckrechner.1.gz" "$root/usr/share/doc/dreieckrechner/changelog.gz"; do
    gzip -t "$gz"
done
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
           man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/man/man1/dreieckrechner.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

DREIECKRECHNER="$root/usr/bin/dreieckrechner" DESKTOP_FILE="$root/usr/share/applications/$id.desktop" \
    /usr/bin/python3 -W ignore tests/x11_calculator.py
