#!/usr/bin/env bash
# CPU time per frame drawn, and memory, of the Linux program and of the Windows program
# under Wine, one after the other on one private Xvfb display: with Mesa's llvmpipe drawing
# the pixels (as on a machine without a working graphics driver), and with Mesa's no-op
# driver (GALLIUM_NOOP=1: every call accepted and nothing drawn — what a graphics card
# leaves to the processor).
#
# Each run asks for the default 25 frames a second in a 533 x 600 window (or full screen
# on the 1024 x 768 display). After a warm-up, the CPU time of the program's processes
# (user and system, Mesa's threads included, from /proc) is divided by the frames the
# program really drew in that time, counted from its own frame reports (one every hundred
# frames, read as they appear). Memory is read at the end: resident (Rss of
# /proc/PID/smaps_rollup), and private: the process's resident anonymous pages (RssAnon of
# /proc/PID/status: its heap, its threads' stacks, what the driver allocated), the memory
# it costs the machine and the same measure for any program. Pages of library code are
# shared with the next OpenGL program and can be dropped at any time, so they are not
# counted. The X server's and Wine's server's CPU per frame are reported beside.
#
# Private memory is also read when the measured time starts ("at start"), and its growth
# over that time given per second. Under the no-op driver every program's memory grows
# for as long as it draws: that driver ignores the constant buffers OpenGL's state tracker
# hands it to own, so none is ever released, and a program holds more the longer it runs
# and the more constant data (matrices, lights, materials) it changes between its draws.
# The level at the end depends on how long a run lasted; the level at the start and the
# growth say what the program holds and what it uploads.
#
# XScreenSaver's lavalite (from xscreensaver-gl-extra, when installed) is measured beside
# them the same way, at resolution 40 and 25 frames a second: its buffer swaps are counted
# by bench/swap_counter.c, loaded ahead of it, which writes reports of the same form.
#
#   cpu-per-frame.sh [--seconds S] [--fullscreen] [--drivers "llvmpipe noop"]
#                    [--programs "native wine lavalite"] [--tree DIR]
# --tree DIR measures the builds of another checkout (DIR/build/linux, DIR/build/windows),
# for a comparison side by side with this one in one sitting.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=20
fullscreen=0
drivers="llvmpipe noop"
programs="native wine"
lavalite=/usr/libexec/xscreensaver/lavalite
[ -x "$lavalite" ] && programs="$programs lavalite"
tree=$PWD
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds=$2; shift 2 ;;
        --fullscreen) fullscreen=1; shift ;;
        --drivers) drivers=$2; shift 2 ;;
        --programs) programs=$2; shift 2 ;;
        --tree) tree=$(cd "$2" && pwd); shift 2 ;;
        *) echo "cpu-per-frame.sh: unknown argument $1" >&2; exit 2 ;;
    esac
done
warmup=8
ticks=$(getconf CLK_TCK)
native_program=$tree/build/linux/glimmerjar
windows_program=$tree/build/windows/glimmerjar.exe
swap_counter=$PWD/build/linux/bench/swap_counter.so

display=""
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
work=$(mktemp -d)
Xvfb ":$display" -screen 0 1024x768x24 +extension GLX -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    [ -z "${WINEPREFIX:-}" ] || wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
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

# kilobytes FILE FIELD PID...: the sum of a field of /proc/PID/FILE over the processes.
kilobytes() {
    local file=$1 field=$2 pid total=0
    shift 2
    for pid in "$@"; do
        [ -r "/proc/$pid/$file" ] || continue
        total=$((total + $(awk -v f="$field:" '$1 == f { print $2 }' "/proc/$pid/$file")))
    done
    echo "$total"
}

# next_frame_report LOG AFTER: waits for a frame report ("N RATE", every hundred frames)
# with N above AFTER and prints N.
next_frame_report() {
    local n
    for _ in $(seq 1 3000); do
        n=$(tr -d '\r' <"$1" | awk 'NF == 2 && $1 ~ /^[0-9]+$/ && $2 ~ /^[0-9.]+$/ { n = $1 } END { print n + 0 }')
        [ "$n" -gt "$2" ] && { echo "$n"; return 0; }
        sleep 0.02
    done
    echo "no frame report in $1" >&2
    return 1
}

# measure NAME DRIVER LOG PIDS_COMMAND: one row of the table.
measure() {
    local name=$1 driver=$2 log=$3 pids server
    sleep "$warmup"
    pids=$(eval "$4")
    [ -n "$pids" ] || { echo "$name: the program is not running" >&2; return 1; }
    # Wine's server counts only beside the Windows program (another one may come and go).
    server=""
    [ "$name" = "Windows program under Wine" ] && server=$(pgrep -x 'wineserver(64)?' | tr '\n' ' ' || true)
    local n0 n1 p0 p1 x0 x1 s0=0 s1=0
    n0=$(next_frame_report "$log" 0)
    p0=$(cpu $pids); x0=$(cpu "$xvfb"); [ -z "$server" ] || s0=$(cpu $server)
    local private0
    private0=$(kilobytes status RssAnon $pids)
    sleep "$seconds"
    n1=$(next_frame_report "$log" "$n0")
    p1=$(cpu $pids); x1=$(cpu "$xvfb"); [ -z "$server" ] || s1=$(cpu $server)
    local private resident
    private=$(kilobytes status RssAnon $pids)
    resident=$(kilobytes smaps_rollup Rss $pids)
    awk -v n="$name" -v d="$driver" -v f=$((n1 - n0)) -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v s=$((s1 - s0)) \
        -v t="$ticks" -v pr="$private" -v p0="$private0" -v r="$resident" -v w="$seconds" 'BEGIN {
            printf "%-28s %-9s %6d %8.2f ms %7.2f ms %7.2f ms %8.1f MB %8.1f MB %8.1f MB %7.0f kB/s\n",
                n, d, f, p * 1000 / t / f, x * 1000 / t / f, s * 1000 / t / f, pr / 1024, r / 1024, p0 / 1024,
                (pr - p0) / w }'
}

size_args_native=(--size 533x600)
size_args_windows=(/w 533x600)
size_args_lavalite=(-geometry 533x600)
shape="533 x 600 window"
if [ $fullscreen = 1 ]; then
    size_args_native=(--fullscreen)
    size_args_windows=(/f)
    size_args_lavalite=(-root)
    shape="full screen, 1024 x 768"
fi
echo "$shape, $seconds s after $warmup s of warm-up; $(basename "$tree")"
printf '%-28s %-9s %6s %11s %10s %10s %11s %11s %11s %12s\n' program driver frames CPU/frame "X server" wineserver \
    private resident "at start" growth

for driver in $drivers; do
    noop=""
    [ "$driver" = noop ] && noop=1
    for program in $programs; do
        case "$program" in
        native)
            [ -x "$native_program" ] || { echo "no $native_program" >&2; exit 1; }
            rm -rf "$work/home"
            HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" GLIMMERJAR_DIAGNOSTICS=1 GALLIUM_NOOP=$noop \
                "$native_program" "${size_args_native[@]}" >"$work/native.log" 2>&1 &
            local_pid=$!
            measure "Linux program (native)" "$driver" "$work/native.log" "echo $local_pid"
            kill "$local_pid"
            wait "$local_pid" 2>/dev/null || true
            ;;
        wine)
            [ -f "$windows_program" ] || { echo "no $windows_program" >&2; exit 1; }
            export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
            if [ ! -d "$WINEPREFIX" ]; then
                wineboot -i >/dev/null 2>&1
                wineserver -w
                bash scripts/wine-prefix.sh >/dev/null
            fi
            # Each run from the first start's lava, as the native one.
            wine reg delete 'HKLM\Software\Tessvane\Glimmerjar' /f >/dev/null 2>&1 || true
            GLIMMERJAR_DIAGNOSTICS=1 GALLIUM_NOOP=$noop wine "$windows_program" "${size_args_windows[@]}" >"$work/wine.log" 2>&1 &
            wine_pid=$!
            measure "Windows program under Wine" "$driver" "$work/wine.log" "pgrep -f 'glimmerjar.exe' | tr '\n' ' '"
            wineserver -k 2>/dev/null || true
            wait "$wine_pid" 2>/dev/null || true
            ;;
        lavalite)
            [ -x "$lavalite" ] || { echo "no $lavalite (xscreensaver-gl-extra)" >&2; exit 1; }
            [ -f "$swap_counter" ] || { echo "no $swap_counter (build the benchmarks)" >&2; exit 1; }
            LD_PRELOAD="$swap_counter" GALLIUM_NOOP=$noop \
                "$lavalite" -resolution 40 -delay 40000 "${size_args_lavalite[@]}" >"$work/lavalite.log" 2>&1 &
            peer_pid=$!
            measure "XScreenSaver's lavalite" "$driver" "$work/lavalite.log" "echo $peer_pid"
            kill "$peer_pid"
            wait "$peer_pid" 2>/dev/null || true
            ;;
        *) echo "unknown program $program" >&2; exit 2 ;;
        esac
    done
done
