#!/usr/bin/env bash
# The offscreen renderer given hostile scene files: 60 000 nested groups, 17 files that each
# name the next three times (3^16 reads), six small files that each place the next 200 times
# (3.2e11 shapes to draw), /dev/zero, a folder and a fifo. Each ends within a second, under
# 200 MB, with a message and a non-zero exit. (And a good lamp is drawn without a word on
# standard output: the diagnostic lines only with --verbose.)
#   hostile_scenes_test.sh RENDER_LAMP
set -u
render=${1:?usage: hostile_scenes_test.sh RENDER_LAMP}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
camera='#camera 0 3 14 0 -0.2 -1 0 1 0 0.45'

{ echo "$camera"; for _ in $(seq 1 60000); do echo '#group_begin t 0 0 0'; done; } >"$work/deep.scene"
for n in $(seq 0 16); do
    { echo "$camera"; [ "$n" -lt 16 ] && for _ in 1 2 3; do echo "#ray_file f$((n + 1)).scene"; done; } >"$work/f$n.scene"
done
for n in $(seq 0 5); do
    {
        echo "$camera"
        echo '#material 1 0 0 1 0 0 0 0 0 0 0 0 0.1 0 1.4 -1 !wax!'
        [ "$n" -lt 5 ] && echo "#ray_file fan$((n + 1)).scene"
        echo '#group_begin t 0 0 0'
        if [ "$n" -lt 5 ]; then
            for _ in $(seq 1 200); do echo '#ray_file_instance 0'; done
        else
            echo '#shape_sphere 0 0 0 0 1'
        fi
        echo '#group_end'
    } >"$work/fan$n.scene"
done
mkfifo "$work/fifo.scene"

# expect_refused FILE WORDS: render_lamp --scene FILE fails fast and small, saying WORDS.
expect_refused() {
    local started ended code peak
    started=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/time" timeout 10 "$render" --width 64 --height 64 --scene "$1" \
        --out "$work/out.bmp" >"$work/out" 2>"$work/err"
    code=$?
    ended=$(date +%s%N)
    peak=$(tail -1 "$work/time")
    echo "$1: exit $code after $(( (ended - started) / 1000000 )) ms, $((peak / 1024)) MB: $(head -c 200 "$work/err")"
    [ "$code" -ne 0 ] && [ "$code" -ne 124 ] || fail "$1 did not end with an error (exit $code)"
    [ $((ended - started)) -lt 1000000000 ] || fail "$1 took more than a second"
    [ "$peak" -lt 204800 ] || fail "$1 took more than 200 MB ($peak kB)"
    grep -q "$2" "$work/err" || fail "$1: no message saying '$2'"
}

expect_refused "$work/deep.scene" "line 102: groups nested more than 100 deep"
expect_refused "$work/f0.scene" "the scene takes more than 256 files"
expect_refused "$work/fan0.scene" "fan2.scene line [0-9]*: the scene would draw more than 100000 shapes"
expect_refused /dev/zero "cannot read the scene file (not a regular file)"
expect_refused "$work" "cannot read the scene file (a folder, not a file)"
expect_refused "$work/fifo.scene" "cannot read the scene file (not a regular file)"
quiet=$("$render" --width 16 --height 16 --out "$work/quiet.bmp" | wc -c)
[ "$quiet" -eq 0 ] || fail "render_lamp printed $quiet bytes without --verbose"
"$render" --width 16 --height 16 --out "$work/quiet.bmp" --verbose | grep -q 'size of edgeinfo' ||
    fail "render_lamp --verbose printed no diagnostic lines"
echo "ok"
