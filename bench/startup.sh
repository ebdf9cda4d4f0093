#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the calculator on Xvfb, run by run interleaved with two floors
# built by this script: the cheapest Qt window that shows one label, and an
# empty Qt window, both of the calculator's size. Each run is timed from the
# process start to its first complete frame (the window shows exactly the
# picture it settles on), with the peak resident memory by then, and how much
# of PCRE2 and HarfBuzz the calculator has resident.
# Usage: bench/startup.sh [runs]   (DREIECKRECHNER=path measures another build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
program=${DREIECKRECHNER:-build-test/dreieckrechner}
first_frame=build-test/bench/first_frame
[ -x "$program" ] && [ -x "$first_frame" ] \
    || { echo "build first: cmake --preset default && cmake --build --preset default"; exit 1; }

scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT

cat > "$scratch/label.cpp" <<'CPP'
#include <QApplication>
#include <QLabel>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Bitte 2 bekannte Werte eingeben !"));
    window.setFixedSize(479, 234);
    window.show();
    return QApplication::exec();
}
CPP
cat > "$scratch/empty.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(479, 234);
    window.show();
    return QApplication::exec();
}
CPP
for floor in label empty; do
    g++ -std=c++20 -O2 -fPIC "$scratch/$floor.cpp" -o "$scratch/$floor" $(pkg-config --cflags --libs Qt6Widgets)
done

exec 3<> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
until [ -s "$scratch/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$scratch/display")"
unset QT_QPA_PLATFORM

declare -A command=([calculator]="$program" [label]="$scratch/label" [empty]="$scratch/empty")
names=(calculator label empty)
for name in "${names[@]}"; do
    "$first_frame" --reference "$scratch/$name.frame" -- ${command[$name]}
    : > "$scratch/$name.runs"
done
for _ in $(seq "$runs"); do
    for name in "${names[@]}"; do
        "$first_frame" "$scratch/$name.frame" -- ${command[$name]} >> "$scratch/$name.runs"
    done
done

# Median, minimum and maximum of one column.
stats() { cut -d' ' -f"$2" "$1" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)], v[1], v[NR]}'; }
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), Qt $(pkg-config --modversion Qt6Core)"
printf '%-12s %26s %30s\n' "" "first complete frame (ms)" "peak RSS (MiB)"
printf '%-12s %26s %30s\n' "" "median  [min - max]" "median  [min - max]"
for name in "${names[@]}"; do
    read -r t t0 t1 < <(stats "$scratch/$name.runs" 1)
    read -r m m0 m1 < <(stats "$scratch/$name.runs" 2)
    awk -v n="$name" -v t="$t" -v t0="$t0" -v t1="$t1" -v m="$m" -v m0="$m0" -v m1="$m1" \
        'BEGIN {printf "%-12s %10.1f  [%5.1f - %5.1f] %14.2f  [%5.2f - %5.2f]\n", n, t, t0, t1, m/1024, m0/1024, m1/1024}'
    eval "time_$name=$t; rss_$name=$m"
done
# What loading touches of two libraries Qt links, and no more: PCRE2 pages in
# when a regular expression is compiled, HarfBuzz's tables when text goes
# through OpenType shaping.
for library in 3:PCRE2 4:HarfBuzz; do
    read -r k k0 k1 < <(stats "$scratch/calculator.runs" "${library%%:*}")
    echo "calculator: ${library#*:} resident ${k} kB [${k0} - ${k1}]"
done
awk -v ct="$time_calculator" -v lt="$time_label" -v et="$time_empty" \
    -v cm="$rss_calculator" -v lm="$rss_label" -v em="$rss_empty" \
    'BEGIN {printf "calculator / label: %.2f x time, %.2f x memory; / empty: %.2f x, %.2f x\n", ct/lt, cm/lm, ct/et, cm/em}'
echo "($runs runs each, interleaved)"
