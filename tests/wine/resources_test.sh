#!/usr/bin/env bash
# The program file carries its icon in every size, the cursors, the manifest and its
# version, and the .exe and .scr are the same program.
. "$(dirname "$0")/harness.sh"
gj_load

cmp -s "$GJ_BIN/glimmerjar.exe" "$GJ_BIN/glimmerjar.scr" || gj_fail "glimmerjar.exe and glimmerjar.scr differ"
out=$(gj_helper resources "$(winepath -w "$GJ_BIN/glimmerjar.scr" 2>/dev/null)")
echo "$out"
for size in 16 24 32 48 64 256; do
    echo "$out" | grep -qx "icon $size ${size}x$size" || gj_fail "icon 7002 has no ${size}x$size image"
done
for id in 107 137 138 139 155; do
    echo "$out" | grep -qx "cursor $id loads" || gj_fail "cursor $id does not load"
done
echo "$out" | grep -qx "manifest embedded" || gj_fail "no manifest"
# The version the build was made with, as text and as the numbers Explorer shows.
version=${GJ_VERSION:?GJ_VERSION names the version of the build}
echo "$out" | grep -qx "product Glimmerjar $version" || gj_fail "the product version is not $version"
echo "$out" | grep -qx "file version text $version" || gj_fail "the file version is not $version"
echo "$out" | grep -qx "file version $version.0 product version $version.0" ||
    gj_fail "the version numbers are not $version.0"

# The button pictures, read by the program's own resource code from the real program file.
pictures=$(gj_helper pictures "$(winepath -w "$GJ_BIN/glimmerjar.exe" 2>/dev/null)")
echo "$pictures"
for id in 130 135 136 140 158 159; do
    echo "$pictures" | grep -qx "picture $id 108x108 corners 0 0 0 0 centre 255" ||
        gj_fail "button picture $id is missing or not 108x108 with clear corners"
done
echo "ok"
