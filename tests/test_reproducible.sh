#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package twice from the same source, as the README says, in
# two folders and with another umask, locale and time zone the second time,
# and fails unless the two packages are the same byte for byte.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build() { # FOLDER: a copy of the source without builds, packaged there
    mkdir -p "$1"
    tar -C "$source_dir" --exclude='./build' --exclude='./build-*' --exclude='./.cache' -cf - . | tar -C "$1" -xf -
    if ! (cd "$1" && cmake --preset package && cmake --build --preset package \
            && cd build-package && cpack) >"$1.log" 2>&1; then
        tail -n 40 "$1.log"
        return 1
    fi
}

(umask 022 && LC_ALL=C.UTF-8 TZ=UTC build "$scratch/first")
(umask 002 && LC_ALL=POSIX TZ=Pacific/Auckland build "$scratch/second/elsewhere")

first=$(echo "$scratch"/first/build-package/*.deb)
second=$(echo "$scratch"/second/elsewhere/build-package/*.deb)
cmp -s "$first" "$second" && exit 0

# Say what differs: the archive members, then each entry's mode, owner and
# time, then the files' contents.
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
