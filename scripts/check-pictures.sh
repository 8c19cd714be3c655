#!/usr/bin/env bash
# Draws the lamp offscreen with this checkout's renderer and with another checkout's, in a
# window's size and in full-screen size, with the default settings and with others (the
# particle and polygon views, the hot colour, other colours seen closer, a later moment of the lava), and
# compares each pair as the picture tests do: at most 8 pixels may differ by more than one
# level. This checkout's is drawn both ways it hands the lava to OpenGL: through buffer
# objects, as where the driver has OpenGL 1.5, and through vertex arrays, as where it has
# only 1.1 (Mesa told to offer 1.4). A change meant to draw the same picture faster is
# checked with it:
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
        "$theirs" "${geometry[@]}" "${options[@]}" --out "$work/$size-$name-theirs.bmp" >/dev/null
        for path in buffers arrays; do
            version=()
            [ $path = arrays ] && version=(MESA_GL_VERSION_OVERRIDE=1.4)
            env "${version[@]}" "$ours" "${geometry[@]}" "${options[@]}" --verbose \
                --out "$work/$size-$name-$path.bmp" >"$work/$size-$name-$path.log"
            case "$path:$(grep -o 'Lava surfaces through .*' "$work/$size-$name-$path.log")" in
                "buffers:Lava surfaces through buffer objects" | "arrays:Lava surfaces through vertex arrays") ;;
                *) echo "WRONG WAY $size $name: not drawn through $path"; failed=1 ;;
            esac
            if result=$("$compare" "$work/$size-$name-$path.bmp" "$work/$size-$name-theirs.bmp"); then
                echo "same      $size $name ($path): $result"
            else
                echo "DIFFERENT $size $name ($path): $result"
                failed=1
            fi
        done
    done
done
exit $failed
