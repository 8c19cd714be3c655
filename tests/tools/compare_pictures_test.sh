#!/usr/bin/env bash
# The picture comparison that checks a faster drawing draws the same lamp: the same frame
# twice is the same, a lava of another colour is not, and pictures it cannot compare are
# refused rather than passed.
#   compare_pictures_test.sh RENDER_LAMP COMPARE_PICTURES
set -euo pipefail
render=$1
compare=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$render" --width 160 --height 180 --out "$work/a.bmp" >/dev/null
"$render" --width 160 --height 180 --out "$work/b.bmp" >/dev/null
"$render" --width 160 --height 180 --set lavaHue=0.62 --out "$work/blue.bmp" >/dev/null
"$render" --width 180 --height 160 --out "$work/wide.bmp" >/dev/null

out=$("$compare" "$work/a.bmp" "$work/b.bmp") || fail "the same frame twice differs: $out"
[[ $out == "0 pixels differ by more than 1 (largest difference 0)" ]] || fail "same frame: $out"

set +e
out=$("$compare" "$work/a.bmp" "$work/blue.bmp"); status=$?
set -e
[ $status = 1 ] || fail "a blue lava passed for a red one (status $status): $out"
differing=${out%% *}
[ "$differing" -gt 100 ] || fail "too few pixels told apart: $out"
"$compare" "$work/a.bmp" "$work/blue.bmp" --allow "$differing" >/dev/null || fail "--allow is not taken"

for pair in "a.bmp wide.bmp" "a.bmp missing.bmp"; do
    read -r first second <<< "$pair"
    set +e
    "$compare" "$work/$first" "$work/$second" >/dev/null 2>&1; status=$?
    set -e
    [ $status = 2 ] || fail "$first against $second: status $status, not 2"
done
printf 'not a picture' > "$work/text.bmp"
set +e
"$compare" "$work/a.bmp" "$work/text.bmp" >/dev/null 2>&1; status=$?
set -e
[ $status = 2 ] || fail "a file that is no BMP: status $status, not 2"
echo "compare_pictures: same, different, --allow and refusals as expected"
