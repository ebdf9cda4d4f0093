#!/usr/bin/env bash
# Builds the Debian package, checks what it installs, validates its desktop
# entry and AppStream record, and runs the installed program on a real X server.
set -euo pipefail
build=$1
tests=$(cd "$(dirname "$0")" && pwd)
id=de.dreieckrechner.Dreieckrechner
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(echo "$scratch"/out/*.deb)
dpkg-deb -x "$deb" "$scratch/root"

fail() { echo "FAIL: $*"; exit 1; }
for file in usr/bin/dreieckrechner \
            "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$id.png" \
            "usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$scratch/root/$file" ] || fail "the package lacks /$file"
done
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 fonts-liberation2; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
desktop-file-validate "$scratch/root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/$id.metainfo.xml"

DREIECKRECHNER="$scratch/root/usr/bin/dreieckrechner" /usr/bin/python3 -W ignore "$tests/x11_calculator.py"
