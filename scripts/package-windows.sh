#!/usr/bin/env bash
# Makes the Windows release files from a Windows build tree:
#   OUT/glimmerjar-VERSION-setup.exe    the installer (packaging/windows/glimmerjar.nsi, by makensis)
#   OUT/glimmerjar-VERSION-windows.zip  glimmerjar.scr, glimmerjar.exe and readme.txt
# The version is the build's own. Every file's date is SOURCE_DATE_EPOCH (else the commit's
# time), so that one commit gives the same bytes wherever it is packaged. Given a
# certificate (scripts/sign-windows.sh), the programs, the installer and the uninstaller in
# it are signed with Authenticode; without one they are not, and the script says so.
#   package-windows.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$(cd "${1:?the Windows build folder}" && pwd)
mkdir -p "${2:?the folder for the release files}"
out=$(cd "$2" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
. "$source_dir/scripts/release-common.sh"
release_require package-windows.sh "$build" windows glimmerjar.exe glimmerjar.scr
version=$(release_version "$build")
epoch=$(release_epoch "$source_dir")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Glimmerjar"
cp "$build/glimmerjar.exe" "$build/glimmerjar.scr" "$stage/Glimmerjar/"
sign=()
if bash "$source_dir/scripts/sign-windows.sh" --configured; then
    bash "$source_dir/scripts/sign-windows.sh" "$stage/Glimmerjar/glimmerjar.exe" "$stage/Glimmerjar/glimmerjar.scr"
    sign=("-DSIGN=bash $source_dir/scripts/sign-windows.sh")
else
    echo "package-windows.sh: no certificate (GLIMMERJAR_SIGN_PKCS12): the programs and the installer are not signed" >&2
fi
# The read-me as Notepad expects it: CRLF line ends.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$source_dir/packaging/windows/readme.txt" >"$stage/Glimmerjar/readme.txt"
touch -d "@$epoch" "$stage/Glimmerjar" "$stage/Glimmerjar"/*
# The welcome page's picture: the manual's lamp, on black, as tall as the page.
convert "$source_dir/help/pictures/lamp.png" -resize x314 -gravity center -background black \
    -extent 164x314 -type TrueColor "BMP3:$stage/welcome.bmp"

zip_file="$out/glimmerjar-$version-windows.zip"
rm -f "$zip_file"
# -X: no owners or extra times; -D: no folder entries; TZ: zip stores local times.
(cd "$stage" && TZ=UTC zip -q -X -D "$zip_file" Glimmerjar/glimmerjar.exe Glimmerjar/glimmerjar.scr Glimmerjar/readme.txt)

setup_file="$out/glimmerjar-$version-setup.exe"
# How the setup asks a running lamp to end: the program's own words for it.
end_request=$(sed -n 's/^#define GLIMMERJAR_END_REQUEST "\(.*\)"$/\1/p' "$source_dir/resources/end_request.h")
end_answer=$(sed -n 's/^#define GLIMMERJAR_END_ANSWER \(.*\)$/\1/p' "$source_dir/resources/end_request.h")
[ -n "$end_request" ] && [ -n "$end_answer" ] || { echo "package-windows.sh: resources/end_request.h unreadable" >&2; exit 1; }
makensis -V2 -NOCD \
    "-DVERSION=$version" "-DPROGRAMS=$stage/Glimmerjar" "-DICON=$source_dir/resources/glimmerjar.ico" \
    "-DPICTURE=$stage/welcome.bmp" "-DEND_REQUEST=$end_request" "-DEND_ANSWER=$end_answer" \
    "-DOUTFILE=$setup_file" "${sign[@]}" "$source_dir/packaging/windows/glimmerjar.nsi" >"$stage/makensis.log" 2>&1 ||
    { cat "$stage/makensis.log" >&2; exit 1; }
echo "$setup_file"
echo "$zip_file"
