#!/usr/bin/env bash
# Turns the icon's and the cursors' sources (resources/icons/*.svg) into the program's
# glimmerjar.ico (every size from 16 to 256 pixels) and cursor_*.cur (32 pixels, with their
# hot spots) in resources/, with rsvg-convert and icotool; with --check, verifies that the
# committed files are current. With --hicolor FOLDER, writes the icon theme's PNGs instead
# (FOLDER/NxN/apps/glimmerjar.png and FOLDER/scalable/apps/glimmerjar.svg).
#   make-icons.sh [--check | --hicolor FOLDER]
set -euo pipefail
mode=write
case "${1:-}" in
    --check) mode=check ;;
    --hicolor) mode=hicolor; hicolor=${2:?--hicolor needs a folder} ;;
esac
resources=$(cd "$(dirname "$0")/../resources" && pwd)
icons=$resources/icons
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

render() {  # render SVG SIZE PNG
    rsvg-convert -w "$2" -h "$2" -f png "$1" -o "$3"
}

if [ $mode = hicolor ]; then
    for size in 16 24 32 48 64 128 256; do
        mkdir -p "$hicolor/${size}x${size}/apps"
        render "$icons/glimmerjar.svg" "$size" "$hicolor/${size}x${size}/apps/glimmerjar.png"
    done
    mkdir -p "$hicolor/scalable/apps"
    cp "$icons/glimmerjar.svg" "$hicolor/scalable/apps/glimmerjar.svg"
    exit 0
fi

sizes=()
for size in 16 20 24 32 40 48 64 96 128 256; do
    render "$icons/glimmerjar.svg" "$size" "$out/icon-$size.png"
    sizes+=("$out/icon-$size.png")
done
icotool -c -o "$out/glimmerjar.ico" "${sizes[@]}"

# Each cursor with its hot spot: the tip of the hand's finger, the middle of the others.
for cursor in blank:0:0 rotate:16:16 move:16:16 orbit:16:16 hand:12:1; do
    IFS=: read -r name x y <<<"$cursor"
    render "$icons/cursor_$name.svg" 32 "$out/cursor_$name.png"
    icotool -c --cursor --hotspot-x="$x" --hotspot-y="$y" -o "$out/cursor_$name.cur" "$out/cursor_$name.png"
done

for made in "$out"/*.ico "$out"/*.cur; do
    name=$(basename "$made")
    if [ $mode = check ]; then
        cmp -s "$made" "$resources/$name" || { echo "resources/$name is not made from its source in resources/icons/"; exit 1; }
    else
        cp "$made" "$resources/$name"
    fi
done
echo "icons ok"
