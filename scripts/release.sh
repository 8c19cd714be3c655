#!/usr/bin/env bash
# Builds a release of the commit checked out, from clean build trees, into dist/:
#   glimmerjar-VERSION-setup.exe    the Windows installer
#   glimmerjar-VERSION-windows.zip  the Windows programs for copying by hand
#   glimmerjar_VERSION_ARCH.deb     the Debian package
#   SHA256SUMS
# The trees are build/release-windows and build/release-linux, made afresh each time with
# no build folder names in the programs and every date the commit's, so that the same
# commit gives the same bytes in any folder (scripts/check-reproducible.sh checks it).
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

rm -rf build/release-windows build/release-linux dist
cmake -S . -B build/release-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DGLIMMERJAR_RELEASE=ON >/dev/null
cmake --build build/release-windows --target glimmerjar -- -j"$(nproc)"
cmake -S . -B build/release-linux -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMERJAR_RELEASE=ON >/dev/null
cmake --build build/release-linux --target glimmerjar xscreensaver_config manual_page_files -- -j"$(nproc)"

mkdir -p dist
bash scripts/package-windows.sh build/release-windows dist >/dev/null
bash scripts/package-debian.sh build/release-linux dist >/dev/null
(cd dist && sha256sum -- * >SHA256SUMS)
echo "release in dist/:"
cat dist/SHA256SUMS
