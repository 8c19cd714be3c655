#!/usr/bin/env bash
# Draws the manual's pictures (help/pictures/*.png) with the offscreen renderer, exactly as
# the program draws the lamp. With --check, draws them again into a scratch folder and
# fails when a committed picture no longer matches what the lamp draws today (allowing
# for the last bit of rounding between machines).
#   make-manual-pictures.sh RENDER_LAMP [--check]
set -euo pipefail
render=${1:?usage: make-manual-pictures.sh RENDER_LAMP [--check]}
check=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
target=$root/help/pictures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A warm lamp, as one sees it a while after switching it on.
lamp() {  # lamp OUT WIDTH HEIGHT [render_lamp options...]
    local out=$1 width=$2 height=$3
    shift 3
    "$render" --width "$width" --height "$height" --seed 7 --steps 100 --out "$work/$out.bmp" "$@"
}

lamp cover 240 380
lamp classic 130 210
lamp ocean 130 210 --set lavaHue=0.55 --set lavaLuminance=0.5 --set liquidHue=50 \
    --set liquidLuminance=45 --set lampHue=60 --set lampLuminance=25
lamp lime 130 210 --set lavaHue=0.27 --set lavaLuminance=0.45 --set liquidHue=15 \
    --set liquidSaturation=60 --set liquidLuminance=70 --set lampHue=8 --set lampLuminance=30
lamp violet 130 210 --set lavaHue=0.8 --set differentHotColor=1 --set lavaHueHot=0.95 \
    --set lavaLuminanceHot=0.7 --set liquidHue=90 --set liquidLuminance=55 --set bgHue=62 \
    --set bgSaturation=40 --set bgLuminance=18
lamp particles 130 210 --particles
lamp polygons 130 210 --polygons

side_by_side() {  # side_by_side OUT PICTURES...
    local out=$1
    shift
    local inputs=()
    for name in "$@"; do inputs+=("$work/$name.bmp"); done
    convert "${inputs[@]}" -bordercolor white -border 6 +append -alpha off "$work/$out.png"
}
convert "$work/cover.bmp" -alpha off "$work/lamp.png"
side_by_side colours classic ocean lime violet
side_by_side views particles polygons

status=0
for picture in lamp colours views; do
    if [ "$check" = --check ]; then
        committed=$target/$picture.png
        [ -f "$committed" ] || { echo "missing $committed" >&2; status=1; continue; }
        # Pixels differing by more than 3% in any channel, out of all pixels.
        differing=$(compare -metric AE -fuzz 3% "$committed" "$work/$picture.png" null: 2>&1 || true)
        total=$(identify -format '%[fx:w*h]' "$committed")
        if ! [[ "$differing" =~ ^[0-9]+$ ]] || [ "$differing" -gt $((total / 100)) ]; then
            echo "help/pictures/$picture.png is not what the lamp draws today ($differing of $total pixels differ)." \
                 "The lamp may have a fault: look at both pictures first. Only when the lamp is meant to" \
                 "look different now, draw the pictures again:" \
                 "bash scripts/make-manual-pictures.sh build/linux/tools/render_lamp" >&2
            status=1
        fi
    else
        mkdir -p "$target"
        cp "$work/$picture.png" "$target/$picture.png"
        echo "wrote help/pictures/$picture.png"
    fi
done
exit $status
