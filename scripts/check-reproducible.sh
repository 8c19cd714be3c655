#!/usr/bin/env bash
# Builds the release of the commit checked out twice, from two clones in two folders of
# different names, and compares the programs and the release files byte for byte. Prints
# each file's hash in both; exits 1 when any differs. Takes two full builds (some minutes).
#   check-reproducible.sh
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_dir" rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/first
second=$work/a-second-folder-with-a-longer-name
for tree in "$first" "$second"; do
    git clone --quiet --no-local "$source_dir" "$tree"
    git -C "$tree" checkout --quiet "$commit"
    bash "$tree/scripts/release.sh" >"$tree.log" 2>&1 || { tail -20 "$tree.log"; exit 1; }
done

status=0
printf '%-34s %-16s %-16s\n' file "$(basename "$first")" "$(basename "$second")"
for file in build/release-windows/glimmerjar.exe build/release-windows/glimmerjar.scr \
            build/release-linux/glimmerjar $(cd "$first" && find dist -type f ! -name SHA256SUMS | LC_ALL=C sort); do
    a=$(sha256sum "$first/$file" | cut -c1-16)
    b=$(sha256sum "$second/$file" | cut -c1-16)
    verdict=same
    [ "$a" = "$b" ] || { verdict=DIFFERENT; status=1; }
    printf '%-34s %-16s %-16s %s\n' "$file" "$a" "$b" "$verdict"
done
[ $status -eq 0 ] && echo "reproducible: commit ${commit:0:12} built in two folders gives the same bytes" ||
    echo "not reproducible: see the files marked DIFFERENT (diffoscope shows where)"
exit $status
