#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice from the same source with the README's
# command, in two scratch copies, the second time with another umask, locale
# and time zone and without the build-time tests, and fails unless the two
# binary packages are the same byte for byte. (scripts/package has already
# held each build to lintian --pedantic.) Then checks what a Debian maintainer
# checks beside: hardening, the files it installs, its manual pages, desktop
# entry and AppStream record; and starts the installed program on a real X
# server. With DREIECK_PACKAGE_OUT set, the checked package is left in that
# folder, so that whoever installs it next need not build it a third time.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
id=de.dreieckrechner.Dreieckrechner
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

build() { # FOLDER: a copy of the source without builds, packaged there by the README's command
    mkdir -p "$1"
    tar -C "$source_dir" --exclude=./.git --exclude='./build' --exclude='./build-*' --exclude='./.cache' -cf - . \
        | tar -C "$1" -xf -
    if ! (cd "$1" && scripts/package) >"$1.log" 2>&1; then
        tail -n 60 "$1.log"
        return 1
    fi
}

# Says what differs: the archive members, then each entry's mode, owner and
# time, then the files' contents.
differ() {
    echo "FAIL: the two builds give different packages"
    for side in first second; do
        deb=$first
        [ "$side" = second ] && deb=$second
        mkdir "$scratch/$side.x"
        (cd "$scratch/$side.x" && ar tv "$deb" >ar.list && ar x "$deb" && for member in control data; do
            tar -tvf "$member".tar.* >"$member.list" && mkdir "$member" && tar -xf "$member".tar.* -C "$member"
        done)
    done
    diff "$scratch/first.x/ar.list" "$scratch/second.x/ar.list" || true
    for member in control data; do
        diff "$scratch/first.x/$member.list" "$scratch/second.x/$member.list" || true
        diff -rq "$scratch/first.x/$member" "$scratch/second.x/$member" || true
    done
    exit 1
}

(umask 022 && LC_ALL=C.UTF-8 TZ=UTC build "$scratch/first")
(umask 002 && LC_ALL=POSIX TZ=Pacific/Auckland DEB_BUILD_OPTIONS=nocheck build "$scratch/second/elsewhere")
grep -q 'tests passed' "$scratch/first.log" || fail "the first build ran no unit test"
! grep -q 'tests passed' "$scratch/second/elsewhere.log" || fail "nocheck ran the unit tests"

for first in "$scratch"/first/build-deb/*.deb; do
    second=$scratch/second/elsewhere/build-deb/$(basename "$first")
    cmp -s "$first" "$second" || differ
done
first=$(echo "$scratch"/first/build-deb/dreieckrechner_*.deb)

deb=$first
root=$scratch/root
dpkg-deb -x "$deb" "$root"

for file in usr/bin/dreieckrechner \
            usr/share/man/man1/dreieckrechner.1.gz \
            usr/share/man/de/man1/dreieckrechner.1.gz \
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
for needed in libqt6widgets6 libmpfr6; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in fonts-liberation2 qt6-wayland qt6-translations-l10n; do
    [[ $recommends == *"$wanted"* ]] || fail "Recommends lacks $wanted: $recommends"
done

# Fortify protects only calls whose buffer sizes the compiler knows; here
# every memcpy is inside Qt and the standard library, so it is not asked.
# Control-flow protection is not among the flags Debian 12 builds with.
# Branch protection (BTI and PAC) is AArch64's; Debian 13's hardening-check
# asks it of every architecture, Debian 12's knows no such check.
skip=(--nofortify --nocfprotection)
grep -q -- --nobranchprotection < <(hardening-check --help 2>&1) && skip+=(--nobranchprotection)
hardening-check "${skip[@]}" "$root/usr/bin/dreieckrechner"

for page in man/man1 man/de/man1; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
               man --warnings -E UTF-8 -l -Tutf8 -Z "$root/usr/share/$page/dreieckrechner.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page $page renders with warnings: $warnings"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

# The installed program starts, is tied to its menu entry, and calculates.
cd "$source_dir"
DREIECKRECHNER="$root/usr/bin/dreieckrechner" DESKTOP_FILE="$root/usr/share/applications/$id.desktop" \
    /usr/bin/python3 -W ignore tests/x11_calculator.py Calculator.test_0_window_class_names_the_menu_entry \
    Calculator.test_1_typing_and_berechnen_by_access_key

if [ -n "${DREIECK_PACKAGE_OUT:-}" ]; then
    mkdir -p "$DREIECK_PACKAGE_OUT"
    cp "$deb" "$DREIECK_PACKAGE_OUT/"
fi
