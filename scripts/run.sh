#!/usr/bin/env bash
# Sets everything up, builds the Windows program and runs the lamp under Wine: on the
# current X display when there is one, otherwise on a private Xvfb display for a few
# seconds, saving a screenshot and printing its path.
# Extra arguments go to the program (default: /w, a window).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh windows
program="$PWD/build/windows/glimmerjar.exe"
args=("$@")
[ ${#args[@]} -gt 0 ] || args=(/w)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=,winemenubuilder.exe=d"}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec wine "$program" "${args[@]}"
fi

# No display: a private one, a few seconds of the lamp, and a screenshot.
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-run-prefix}
display=""
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "run: no free X display" >&2; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 +extension GLX -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$display"
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
bash scripts/wine-prefix.sh

wine "$program" "${args[@]}" >/dev/null 2>&1 &
sleep 8
mkdir -p out
shot="$PWD/out/glimmerjar-screenshot.png"
import -window root "$shot"
xdotool key Escape 2>/dev/null || true
sleep 2
echo "Screenshot of the running lamp: $shot"
