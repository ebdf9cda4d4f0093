#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the calculator on Xvfb, side by side with a minimal Qt Widgets
# program that shows an empty window of the same size: time from process start
# to the first painted frame, and peak resident memory. Usage: bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
program=build/dreieckrechner
[ -x "$program" ] || { echo "build first: cmake --preset default && cmake --build --preset default"; exit 1; }

scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT

# The baseline: an empty 479 x 234 window that paints itself white.
cat > "$scratch/empty.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(479, 234);
    window.setStyleSheet(QStringLiteral("background: white"));
    window.show();
    return QApplication::exec();
}
CPP
g++ -std=c++20 -O2 -fPIC "$scratch/empty.cpp" -o "$scratch/empty" $(pkg-config --cflags --libs Qt6Widgets)

exec 3<> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
until [ -s "$scratch/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$scratch/display")"
unset QT_QPA_PLATFORM

now_ms() { date +%s%3N; }

# Milliseconds until the window shows a painted (non-black) pixel at x,y, and peak RSS in kB.
measure() {
    local start pid window colour
    start=$(now_ms)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1) && [ -n "$window" ]; do :; done
    until colour=$(import -window "$window" -crop 1x1+120+30 txt:- 2>/dev/null | tail -n1) &&
          [[ $colour != *"#000000"* ]] && [ -n "$colour" ]; do :; done
    local elapsed=$(( $(now_ms) - start ))
    local peak
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$elapsed $peak"
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

for name in calculator empty; do
    : > "$scratch/$name.times"; : > "$scratch/$name.rss"
done
for _ in $(seq "$runs"); do
    read -r t m < <(measure "$program"); echo "$t" >> "$scratch/calculator.times"; echo "$m" >> "$scratch/calculator.rss"
    read -r t m < <(measure "$scratch/empty"); echo "$t" >> "$scratch/empty.times"; echo "$m" >> "$scratch/empty.rss"
done
ct=$(median < "$scratch/calculator.times"); et=$(median < "$scratch/empty.times")
cm=$(median < "$scratch/calculator.rss"); em=$(median < "$scratch/empty.rss")
printf '%-12s %12s %14s\n' "" "first frame" "peak RSS"
printf '%-12s %9d ms %11d kB\n' calculator "$ct" "$cm" "empty Qt" "$et" "$em"
awk -v a="$ct" -v b="$et" -v c="$cm" -v d="$em" 'BEGIN {printf "ratio        %9.2f x %12.2f x\n", a/b, c/d}'
echo "(median of $runs runs each; the times include polling the X server, about 10-30 ms)"
