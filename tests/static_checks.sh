#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on any formatting difference or clang-tidy finding.
# Usage: static_checks.sh SOURCE_DIR BUILD_DIR PATH_REGEX
#   Formatting: every .cpp/.hpp whose path below SOURCE_DIR matches PATH_REGEX whole.
#   clang-tidy: the files of BUILD_DIR's compile database that match it.
set -euo pipefail
source_dir=$1 build_dir=$2 files=$3

cd "$source_dir"
mapfile -t sources < <(find . -path ./build -prune -o -path './build-*' -prune -o \
                            \( -name '*.cpp' -o -name '*.hpp' \) -print \
                       | sed 's|^\./||' | grep -E "^($files)$" | sort)
echo "clang-format: ${#sources[@]} files"
clang-format-19 --dry-run -Werror "${sources[@]}"

# The compile database holds absolute paths.
escaped_source=$(sed 's/[][\\.^$*+?(){}|]/\\&/g' <<<"$source_dir")
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# -Wshadow=local is GCC's; clang-tidy parses with clang.
if ! run-clang-tidy-19 -p "$build_dir" -quiet -extra-arg=-Wno-unknown-warning-option \
        "^$escaped_source/($files)$" >"$log" 2>&1; then
    # Only the findings, without clang's count of suppressed system-header warnings.
    sed -E 's/\x1b\[[0-9;]*m//g' "$log" \
        | grep -v -E '^(\S*clang-tidy\S* |[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed |Use -header-filter)'
    exit 1
fi
echo "clang-tidy: no findings"
