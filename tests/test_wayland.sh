#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a native Wayland client of a headless weston: no X server is
# there to fall back on. Checks the app id the desktop matches it by, the
# window's size, and takes a screenshot (argument 2) that must show the window.
# Usage: test_wayland.sh PROGRAM SCREENSHOT
set -euo pipefail
program=$1 screenshot=$2
runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$runtime"' EXIT
fail() { echo "FAIL: $*"; echo "--- weston:"; cat "$runtime/weston.log"; exit 1; }
# Waits up to ten seconds for a command to succeed.
wait_for() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=dreieck-test
unset DISPLAY QT_QPA_PLATFORM
# --debug offers the screenshot protocol; pixman renders without a GPU.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" \
       --width=800 --height=600 --idle-time=0 --debug >"$runtime/weston.log" 2>&1 &
pids+=($!)
wait_for test -S "$runtime/$WAYLAND_DISPLAY" || fail "weston does not start"

# The client's side of the protocol, as libwayland traces it.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" 2>"$runtime/trace" &
pids+=($!)
wait_for grep -q 'wl_surface[@#][0-9]*\.commit()' "$runtime/trace" || fail "no window on Wayland"
wait_for grep -q 'set_window_geometry' "$runtime/trace" || fail "no window geometry"

grep -q 'xdg_toplevel[@#][0-9]*\.set_app_id("de\.dreieckrechner\.Dreieckrechner")' "$runtime/trace" \
    || fail "app id: $(grep -o 'set_app_id([^)]*)' "$runtime/trace")"
# The window is the client area of 479 x 234 pixels with Qt's own title bar and border.
read -r width height < <(grep -o 'set_window_geometry([^)]*)' "$runtime/trace" | tail -1 \
                         | sed -E 's/.*\([0-9-]+, [0-9-]+, ([0-9]+), ([0-9]+)\)/\1 \2/')
((width >= 479 && width <= 479 + 16 && height >= 234 && height <= 234 + 48)) \
    || fail "window geometry ${width}x${height}"

# The diagram is the one large white area on the screen; the desktop shell
# fades in at its start, so shots are taken until it shows.
white_pixels() {
    convert "$1" -alpha off -fill black +opaque white -format '%[fx:int(mean*w*h)]' info:
}
shows_window() {
    rm -f "$runtime"/wayland-screenshot-*.png
    (cd "$runtime" && weston-screenshooter) || return 1
    mv "$runtime"/wayland-screenshot-*.png "$screenshot"
    white=$(white_pixels "$screenshot")
    ((white > 30000))
}
wait_for shows_window || fail "the screenshot shows no window (${white:-no} white pixels)"
echo "app id, ${width}x${height} window and a screenshot with $white white pixels: $screenshot"
