#!/usr/bin/env bash
# Sets everything up, builds the lamp and runs it: the native Linux program, or with
# --wine first the Windows program under Wine. On the current X display when there is one;
# otherwise on a private Xvfb display for a few seconds, saving a screenshot and printing
# its path.
#   run.sh [ARGUMENTS...]          the Linux program (default: a window)
#   run.sh --wine [ARGUMENTS...]   the Windows program under Wine (default: /w, a window)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

wine_run=false
if [ "${1:-}" = "--wine" ]; then
    wine_run=true
    shift
fi
args=("$@")
if $wine_run; then
    bash scripts/build.sh windows
    program=(wine "$PWD/build/windows/glimmerjar.exe")
    [ ${#args[@]} -gt 0 ] || args=(/w)
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=,winemenubuilder.exe=d"}
else
    bash scripts/build.sh linux
    program=("$PWD/build/linux/glimmerjar")
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "${program[@]}" "${args[@]}"
fi

# No display: a private one, a few seconds of the lamp, and a screenshot.
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
if $wine_run; then
    export WINEPREFIX=${WINEPREFIX:-$PWD/build/wine-run-prefix}
    bash scripts/wine-prefix.sh
fi

"${program[@]}" "${args[@]}" >/dev/null 2>&1 &
sleep 8
mkdir -p out
shot="$PWD/out/glimmerjar-screenshot.png"
import -window root "$shot"
xdotool key Escape 2>/dev/null || true
sleep 2
echo "Screenshot of the running lamp: $shot"
