#!/usr/bin/env bash
# Builds a release of the commit checked out, from clean build trees, into dist/:
#   glimmerjar-VERSION-setup.exe    the Windows installer
#   glimmerjar-VERSION-windows.zip  the Windows programs for copying by hand
#   glimmerjar_VERSION_ARCH.deb     the Debian package, built by debhelper
#   glimmerjar-dbgsym_VERSION_ARCH.deb   its debug symbols
#   glimmerjar_VERSION.dsc, glimmerjar_VERSION.tar.xz   the Debian source package
#   screenshots/VERSION/*.png       the software centres' screenshots, for the web site
#   SHA256SUMS
# The trees are build/release-windows, build/release-linux (for the screenshots) and
# build/release-debian (dpkg-buildpackage in a clean copy of the tree), made afresh each
# time with no build folder names in the programs and every date the commit's, so that the
# same commit gives the same bytes in any folder (scripts/check-reproducible.sh checks it).
# Given a certificate (GLIMMERJAR_SIGN_PKCS12 and GLIMMERJAR_SIGN_PASSWORD, optionally
# GLIMMERJAR_SIGN_TIMESTAMP; see scripts/sign-windows.sh) the Windows programs, the
# installer and its uninstaller are signed; without one they are not, and it says so.
# A tree with uncommitted changes is refused: a release is of a commit.
#   release.sh [--allow-changes]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--allow-changes" ] && [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "release.sh: the tree has uncommitted changes; commit them (or pass --allow-changes for a trial)" >&2
    exit 1
fi
bash scripts/setup.sh
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

rm -rf build/release-windows build/release-linux build/release-debian dist
cmake -S . -B build/release-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DGLIMMERJAR_RELEASE=ON >/dev/null
cmake --build build/release-windows --target glimmerjar -- -j"$(nproc)"
cmake -S . -B build/release-linux -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMERJAR_RELEASE=ON >/dev/null
cmake --build build/release-linux --target glimmerjar render_lamp -- -j"$(nproc)"

mkdir -p dist
bash scripts/package-windows.sh build/release-windows dist >/dev/null

# The Debian packages, as a Debian developer builds them.
. scripts/release-common.sh
release_copy_tree . build/release-debian/glimmerjar
(cd build/release-debian/glimmerjar && dpkg-buildpackage -us -uc -b && dpkg-buildpackage -us -uc -S) \
    >build/release-debian/build.log 2>&1 || { tail -20 build/release-debian/build.log; exit 1; }
cp build/release-debian/*.deb build/release-debian/*.dsc build/release-debian/*.tar.xz dist/

# The screenshots the AppStream metadata names: the lamp, and lava of another colour seen closer.
version=$(release_version build/release-linux)
shots=dist/screenshots/$version
mkdir -p "$shots"
render() {  # render NAME RENDER_LAMP_OPTIONS...
    local name=$1
    shift
    build/release-linux/tools/render_lamp --width 533 --height 600 --steps 1500 --out "$shots/$name.bmp" "$@"
    convert "$shots/$name.bmp" -strip -define png:exclude-chunks=date,time "$shots/$name.png"
    rm "$shots/$name.bmp"
}
render lamp
render colours --set lavaHue=0.6 --set liquidHue=55 --set zoom=-20
(cd dist && find . -type f ! -name SHA256SUMS | LC_ALL=C sort | sed 's|^\./||' | xargs sha256sum -- >SHA256SUMS)
echo "release in dist/:"
cat dist/SHA256SUMS
