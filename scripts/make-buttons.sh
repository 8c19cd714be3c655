#!/usr/bin/env bash
# Turns the button pictures' sources (resources/buttons/*.svg) into the program's 108x108
# "RAWPNG" resources beside them; with --check, verifies the committed ones are current.
# Usage: make-buttons.sh [--check] PATH_TO_rawpng_from_pam
set -euo pipefail
check=0
if [ "${1:-}" = "--check" ]; then check=1; shift; fi
converter=$1
buttons=$(cd "$(dirname "$0")/../resources/buttons" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for source in "$buttons"/*.svg; do
    name=$(basename "$source" .svg)
    rsvg-convert -w 108 -h 108 -f png "$source" -o "$out/$name.png"
    /usr/bin/convert "$out/$name.png" -depth 8 -type TrueColorAlpha pam:- | "$converter" >"$out/$name.rawpng"
    if [ $check -eq 1 ]; then
        cmp -s "$out/$name.rawpng" "$buttons/$name.rawpng" || { echo "resources/buttons/$name.rawpng is not made from $name.svg"; exit 1; }
    else
        cp "$out/$name.rawpng" "$buttons/$name.rawpng"
    fi
done
echo "buttons ok"
