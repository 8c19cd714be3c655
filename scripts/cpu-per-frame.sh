#!/usr/bin/env bash
# CPU time per frame of the Linux program and of the Windows program under Wine, one after
# the other on one private Xvfb display: each in a 533 x 600 window at its default 25
# frames a second, measured over SECONDS seconds after a warm-up (user + system time of its
# processes from /proc, Mesa's rendering threads included; Wine's server and the X server
# reported beside them).
#   cpu-per-frame.sh [SECONDS]     (default 20)
# Needs both builds (scripts/build.sh linux windows).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
warmup=8
ticks=$(getconf CLK_TCK)

display=""
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
work=$(mktemp -d)
Xvfb ":$display" -screen 0 1024x768x24 +extension GLX -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=":$display"
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

# cpu PID...: clock ticks of user and system time of the processes so far.
cpu() {
    local total=0 pid
    for pid in "$@"; do
        [ -r "/proc/$pid/stat" ] || continue
        total=$((total + $(awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat")))
    done
    echo "$total"
}

# measure NAME PIDS_COMMAND: prints NAME, ms of CPU per frame for the program and for the
# X server (and for wineserver, when there is one).
measure() {
    local name=$1 pids
    sleep "$warmup"
    pids=$(eval "$2")
    local program0 xvfb0 server0=0 server
    server=$(pgrep wineserver | tr '\n' ' ' || true)
    program0=$(cpu $pids)
    xvfb0=$(cpu "$xvfb")
    [ -z "$server" ] || server0=$(cpu $server)
    sleep "$seconds"
    local frames=$((seconds * 25))
    local program1 xvfb1 server1=0
    program1=$(cpu $pids)
    xvfb1=$(cpu "$xvfb")
    [ -z "$server" ] || server1=$(cpu $server)
    awk -v n="$name" -v p=$((program1 - program0)) -v x=$((xvfb1 - xvfb0)) -v s=$((server1 - server0)) \
        -v t="$ticks" -v f="$frames" 'BEGIN {
            printf "%-34s %6.2f ms  (X server %5.2f ms, wineserver %5.2f ms)\n", n, p * 1000 / t / f, x * 1000 / t / f, s * 1000 / t / f }'
}

HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" build/linux/glimmerjar --size 533x600 >/dev/null 2>&1 &
native=$!
measure "Linux program (native)" "echo $native"
kill "$native"
wait "$native" 2>/dev/null || true

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
wineboot -i >/dev/null 2>&1
wineserver -w
bash scripts/wine-prefix.sh >/dev/null
wine build/windows/glimmerjar.exe /w 533x600 >/dev/null 2>&1 &
measure "Windows program under Wine" "pgrep -f 'glimmerjar.exe' | tr '\n' ' '"
