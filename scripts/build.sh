#!/usr/bin/env bash
# Builds both trees: build/linux (tests, benchmarks, tools) and build/windows (the program).
# Usage: build.sh [linux|windows]...   (both when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(windows linux)
for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -- -j"$(nproc)"
done
