#!/usr/bin/env bash
# Installs every Debian package Glimmerjar builds, tests and runs with. Idempotent: when
# everything is present it only checks, and it runs apt-get update only when something is
# missing. Nothing comes from anywhere but Debian's archive.
set -euo pipefail

packages=(
    # native build, unit and GL tests, benchmarks
    cmake ninja-build g++ make pkg-config
    googletest libgtest-dev libbenchmark-dev
    # the sanitizer tree and the fuzzers: clang with its sanitizer and libFuzzer runtimes
    clang libclang-rt-14-dev
    libgl1-mesa-dev libglu1-mesa-dev libosmesa6-dev libgl1-mesa-dri
    # the Windows program: mingw-w64 cross compilers (POSIX threads), headers, windres
    mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # running and testing it: Wine on a private X display with GLX, input and screenshots
    wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick procps time
    # the Linux program: X11 and GLX headers, core fonts for its menu text
    libx11-dev libxinerama-dev xfonts-base xfonts-100dpi
    # making the button pictures, the icons and the cursors from their SVG sources
    librsvg2-bin icoutils
    # the releases: the Windows installer and zip, their Authenticode signature (and the
    # throwaway certificate its test makes), the Debian package built by debhelper and its
    # checks, the software centres' metadata and the desktop file checked, and Debian's
    # XScreenSaver daemon that the package's test runs the hack under
    nsis zip unzip osslsigncode openssl dpkg-dev debhelper lintian appstream desktop-file-utils xscreensaver
    # XScreenSaver's lava lamp, measured beside ours by scripts/cpu-per-frame.sh
    xscreensaver-gl-extra
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all ${#packages[@]} packages present"
    exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root to install packages" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
