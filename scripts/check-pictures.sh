#!/usr/bin/env bash
# Draws the lamp offscreen with this checkout's renderer and with another checkout's, in a
# window's size and in full-screen size, with the default settings and with others (the
# particle and polygon views, the hot colour, other colours seen closer, a later moment of the lava), and
# compares each pair as the picture tests do: at most 8 pixels may differ by more than one
# level. A change meant to draw the same picture faster is checked with it:
#   check-pictures.sh --tree DIR [--keep DIR]
# DIR is the other checkout, built (DIR/build/linux/tools/render_lamp). --keep keeps the
# pictures in a folder. Exits 1 when a pair differs.
set -euo pipefail
cd "$(dirname "$0")/.."
other=""
keep=""
while [ $# -gt 0 ]; do
    case "$1" in
        --tree) other=$(cd "$2" && pwd); shift 2 ;;
        --keep) keep=$2; shift 2 ;;
        *) echo "check-pictures.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
[ -n "$other" ] || { echo "usage: check-pictures.sh --tree DIR [--keep DIR]" >&2; exit 2; }
work=${keep:-$(mktemp -d)}
mkdir -p "$work"
[ -n "$keep" ] || trap 'rm -rf "$work"' EXIT
ours=build/linux/tools/render_lamp
theirs=$other/build/linux/tools/render_lamp
compare=build/linux/tools/compare_pictures
cases=(
    "default|"
    "later|--steps 1500"
    "particles|--particles"
    "polygons|--polygons --steps 600"
    "hot-colour|--set differentHotColor=1 --steps 900"
    "colours|--set lavaHue=0.62 --set liquidHue=0.1 --set lampHue=0.5 --set zoom=-25 --seed 7"
)
failed=0
for size in 533x600 1024x768; do
    for entry in "${cases[@]}"; do
        name=${entry%%|*}
        read -r -a options <<< "${entry#*|}"
        geometry=(--width "${size%x*}" --height "${size#*x}")
        "$ours" "${geometry[@]}" "${options[@]}" --out "$work/$size-$name-ours.bmp" >/dev/null
        "$theirs" "${geometry[@]}" "${options[@]}" --out "$work/$size-$name-theirs.bmp" >/dev/null
        if result=$("$compare" "$work/$size-$name-ours.bmp" "$work/$size-$name-theirs.bmp"); then
            echo "same      $size $name: $result"
        else
            echo "DIFFERENT $size $name: $result"
            failed=1
        fi
    done
done
exit $failed
