#!/usr/bin/env bash
# How much of the code is tests: the lines of the committed C++ and shell files under
# tests/ against those of every committed C, C++ and shell file.
#   test-share.sh
set -u
cd "$(dirname "$0")/.." || exit 2
lines() { git ls-files "$@" | while read -r file; do [ -f "$file" ] && cat "$file"; done | wc -l; }
tests=$(lines 'tests/*.cpp' 'tests/*.h' 'tests/*.sh')
all=$(lines '*.cpp' '*.h' '*.c' '*.sh')
echo "tests: $tests of $all lines ($(awk -v t="$tests" -v a="$all" 'BEGIN { printf "%.1f", 100 * t / a }') %)"
