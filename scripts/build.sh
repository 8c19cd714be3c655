#!/usr/bin/env bash
# Builds the trees: build/windows (the program), build/linux (tests, benchmarks, tools) and
# build/sanitize (the native tests and the fuzzers under ASan and UBSan, with clang).
# Usage: build.sh [windows|linux|sanitize]...   (all three when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(windows linux sanitize)
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -- -j"$(nproc)"
done
