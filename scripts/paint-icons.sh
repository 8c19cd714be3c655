#!/usr/bin/env bash
# Paints the program icon and cursors into resources/ (or, with --check, verifies that the
# committed pictures are exactly what the painter makes).
# Usage: paint-icons.sh [--check] PATH_TO_paint_icons
set -eu
check=0
if [ "${1:-}" = "--check" ]; then check=1; shift; fi
painter=$1
resources=$(cd "$(dirname "$0")/../resources" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$painter" "$out"
for f in "$out"/*; do
    name=$(basename "$f")
    if [ $check -eq 1 ]; then
        cmp -s "$f" "$resources/$name" || { echo "resources/$name differs from the painter's output"; exit 1; }
    else
        cp "$f" "$resources/$name"
    fi
done
echo "pictures ok"
