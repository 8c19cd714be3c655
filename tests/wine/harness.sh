#!/usr/bin/env bash
# The Wine test harness: a private Xvfb display with GLX, a fresh Wine prefix, and helpers
# to start the real program, find its windows (through the gjtest.exe helper), send keys
# with xdotool, wait for exits and read the registry.
#
#   harness.sh setup STATE_DIR      start Xvfb and make the prefix (a CTest fixture)
#   harness.sh setup-two STATE_DIR  the same with two monitors: Xvfb with two screens
#                                   joined by Xinerama (Wine 8 sees both, at the origin)
#   harness.sh teardown STATE_DIR   stop Wine and Xvfb
# Test scripts source this file and call gj_load first. A missing Wine or Xvfb fails the
# test; it never skips.

set -u

gj_fail() {
    # The test script's line that led here (the outermost caller below the script itself).
    local depth=$((${#BASH_LINENO[@]} - 2))
    echo "FAIL (${BASH_SOURCE[$((depth + 1))]##*/} line ${BASH_LINENO[$depth]}): $*" >&2
    exit 1
}

gj_need_tools() {
    local tool
    for tool in wine wineserver Xvfb xdotool import; do
        command -v "$tool" >/dev/null 2>&1 || gj_fail "$tool is not installed (run scripts/setup.sh)"
    done
}

gj_free_display() {
    local n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

gj_setup() {
    local state=$1
    shift
    # The screens: one of 1024 x 768 unless others are given.
    local screens=("$@")
    [ ${#screens[@]} -gt 0 ] || screens=(-screen 0 1024x768x24)
    gj_need_tools
    rm -rf "$state"
    mkdir -p "$state"
    local display
    display=$(gj_free_display) || gj_fail "no free X display"
    Xvfb ":$display" "${screens[@]}" +extension GLX -nolisten tcp -noreset \
        >"$state/xvfb.log" 2>&1 &
    local xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || gj_fail "Xvfb did not start: $(cat "$state/xvfb.log")"
        sleep 0.1
    done
    cat >"$state/env" <<ENV
export DISPLAY=:$display
export WINEPREFIX=$state/prefix
export WINEDEBUG=-all
export GLIMMERJAR_DIAGNOSTICS=1
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
GJ_XVFB_PID=$xvfb_pid
ENV
    # shellcheck disable=SC1091
    . "$state/env"
    wineboot -i >"$state/wineboot.log" 2>&1 || gj_fail "wineboot failed: $(tail -5 "$state/wineboot.log")"
    wineserver -w
    bash "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-prefix.sh" || gj_fail "could not prepare the Wine prefix"
    # Wine links the desktop to the home folder; the tests' pictures get a desktop of their own.
    local desktop
    desktop="$WINEPREFIX/drive_c/users/$(id -un)/Desktop"
    if [ -L "$desktop" ]; then rm "$desktop" && mkdir "$desktop"; fi
    echo "Wine prefix ready on display :$display"
}

gj_teardown() {
    local state=$1
    [ -f "$state/env" ] || return 0
    # shellcheck disable=SC1091
    . "$state/env"
    wineserver -k 2>/dev/null
    kill "$GJ_XVFB_PID" 2>/dev/null
    return 0
}

# Loads the environment made by gj_setup. GJ_STATE and GJ_BIN come from CTest.
gj_load() {
    gj_need_tools
    [ -n "${GJ_STATE:-}" ] && [ -f "$GJ_STATE/env" ] || gj_fail "the Wine fixture did not run (GJ_STATE=${GJ_STATE:-unset})"
    # shellcheck disable=SC1091
    . "$GJ_STATE/env"
    kill -0 "$GJ_XVFB_PID" 2>/dev/null || gj_fail "the Xvfb display is gone"
    [ -f "$GJ_BIN/glimmerjar.exe" ] || gj_fail "no Windows build at $GJ_BIN"
    GJ_TMP=$(mktemp -d)
    GJ_PIDS=()
    declare -gA GJ_LOGS=()
    trap gj_cleanup EXIT
    gj_kill_programs
}

# Ends only what this test started, then any program window a failed test left behind.
gj_cleanup() {
    local pid
    for pid in "${GJ_PIDS[@]}"; do
        pkill -P "$pid" 2>/dev/null
        kill "$pid" 2>/dev/null
    done
    gj_kill_programs
    rm -rf "$GJ_TMP"
}

# Closes every Glimmerjar window still open on the test display, so tests do not see
# each other's windows (only on this private prefix).
gj_kill_programs() {
    local hwnd
    for hwnd in $(gj_helper find WindowsScreenSaverClass - 2>/dev/null | sed -n 's/^hwnd=\([0-9]*\).*/\1/p'); do
        gj_helper post "$hwnd" WM_DESTROY >/dev/null 2>&1
    done
}

# gj_on_another_display SCREEN: the rest of the test runs on an Xvfb display of its own
# with that screen (WxHxDEPTH). Wine's server ends first, so that what Wine starts next
# opens its windows there; gj_back_to_the_display (call it on exit) returns to the
# fixture's display.
gj_on_another_display() {
    local display i
    wineserver -k 2>/dev/null
    wineserver -w
    display=$(gj_free_display) || gj_fail "no free X display"
    Xvfb ":$display" -screen 0 "$1" +extension GLX -nolisten tcp -noreset >"$GJ_TMP/other-xvfb.log" 2>&1 &
    GJ_OTHER_XVFB=$!
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$GJ_OTHER_XVFB" 2>/dev/null || gj_fail "Xvfb did not start: $(cat "$GJ_TMP/other-xvfb.log")"
        sleep 0.1
    done
    GJ_FIXTURE_DISPLAY=$DISPLAY
    export DISPLAY=":$display"
}

gj_back_to_the_display() {
    [ -n "${GJ_OTHER_XVFB:-}" ] || return 0
    wineserver -k 2>/dev/null
    wineserver -w
    kill "$GJ_OTHER_XVFB" 2>/dev/null
    export DISPLAY=$GJ_FIXTURE_DISPLAY
    GJ_OTHER_XVFB=""
}

gj_helper() {
    wine "$GJ_BIN/gjtest.exe" "$@" 2>/dev/null | tr -d '\r'
}

# gj_start NAME OUTVAR ARGS...: starts $GJ_BIN/NAME with ARGS in the background. OUTVAR
# gets an id for gj_wait_exit and gj_running, OUTVAR_LOG the file with its output.
gj_start() {
    local program=$1 outvar=$2
    shift 2
    gj_start_file "$GJ_BIN/$program" "$outvar" "$@"
}

# gj_start_file PATH OUTVAR ARGS...: as gj_start, for a program file anywhere.
gj_start_file() {
    local file=$1 outvar=$2
    shift 2
    local log
    log="$GJ_TMP/$(basename "$file").$RANDOM.log"
    ( wine "$file" "$@" >"$log" 2>&1; echo $? >"$log.code" ) &
    local started=$!
    GJ_PIDS+=("$started")
    printf -v "$outvar" '%s' "$started"
    printf -v "${outvar}_LOG" '%s' "$log"
    GJ_LOGS[$started]=$log
}

# gj_wait_exit ID SECONDS: prints the exit code (as the shell sees it: -1 is 255); fails
# when the program is still running.
gj_wait_exit() {
    local id=$1 seconds=$2 i
    local code_file="${GJ_LOGS[$id]}.code"
    for i in $(seq 1 $((seconds * 10))); do
        if [ -s "$code_file" ]; then
            cat "$code_file"
            return 0
        fi
        sleep 0.1
    done
    gj_fail "program $id still running after $seconds s"
}

# True while the program runs.
gj_running() { [ ! -s "${GJ_LOGS[$1]}.code" ]; }

# gj_wait_window CLASS TITLE SECONDS: waits until exactly one top-level window matches and
# is visible (a window exists, hidden, while the program is still creating it), prints its
# description line (hwnd=... x=... w=...).
gj_wait_window() {
    local class=$1 title=$2 seconds=$3 i out
    for i in $(seq 1 $((seconds * 4))); do
        out=$(gj_helper find "$class" "$title")
        if echo "$out" | grep -q '^count=1$' && echo "$out" | grep -q ' visible=1 '; then
            echo "$out" | grep '^hwnd='
            return 0
        fi
        sleep 0.25
    done
    gj_fail "no single window of class '$class' titled '$title' after $seconds s: $out"
}

# gj_count_windows CLASS TITLE: how many top-level windows match.
gj_count_windows() {
    gj_helper find "$1" "$2" | sed -n 's/^count=//p'
}

# gj_wait_no_window CLASS TITLE SECONDS: waits until no top-level window matches.
gj_wait_no_window() {
    local i
    for i in $(seq 1 $(($3 * 4))); do
        [ "$(gj_count_windows "$1" "$2")" = 0 ] && return 0
        sleep 0.25
    done
    gj_fail "a window of class '$1' titled '$2' is still open after $3 s"
}

# gj_field LINE KEY: the value of KEY=value in a description line.
gj_field() {
    echo "$1" | tr ' ' '\n' | sed -n "s/^$2=//p" | head -1
}

# gj_key KEY...: real key presses through the X server. Without a window manager a new
# window takes the focus only a moment after it appears, so the program's window (the
# newest one titled Glimmerjar) is given the X focus first.
gj_key() {
    local xid i
    for i in $(seq 1 20); do
        xid=$(xdotool search --onlyvisible --name '^Glimmerjar$' 2>/dev/null | tail -1)
        [ -n "$xid" ] && timeout 2 xdotool windowfocus --sync "$xid" 2>/dev/null && break
        sleep 0.1
    done
    xdotool key --delay 50 "$@" 2>/dev/null
}

# gj_wait_tick_reports ID COUNT: waits (up to 10 s) until the program has reported COUNT
# periods of its frame timer.
gj_wait_tick_reports() {
    local i
    for i in $(seq 1 40); do
        [ "$(grep -c '^Frame timer:' "${GJ_LOGS[$1]}")" -ge "$2" ] && return 0
        sleep 0.25
    done
}

# gj_ticks ID: the frame timer's first ticks as the program reported them, one a line:
# number, time in ms, interval in ms.
gj_ticks() {
    tr -d '\r' <"${GJ_LOGS[$1]}" |
        sed -n 's/^Frame timer tick \([0-9]*\) at \([0-9]*\) ms (interval \([0-9]*\) ms)$/\1 \2 \3/p'
}

# gj_client_shot LINE FILE: a screenshot of the client area of the window a description
# line gives (the frame is as thick left, right and below).
gj_client_shot() {
    local border=$(( ($(gj_field "$1" w) - $(gj_field "$1" cw)) / 2 ))
    import -window root -crop "$(gj_field "$1" cw)x$(gj_field "$1" ch)+$(( $(gj_field "$1" x) + border ))+$(( $(gj_field "$1" y) + $(gj_field "$1" h) - border - $(gj_field "$1" ch) ))" +repage "$2"
}

# The Wine desktop folder (a folder of the test prefix, not a link to the home folder).
gj_desktop() { echo "$WINEPREFIX/drive_c/users/$(id -un)/Desktop"; }

gj_expect_eq() {
    [ "$1" = "$2" ] || gj_fail "$3: expected '$2', got '$1'"
}

gj_reg_query() {
    wine reg query "$@" 2>/dev/null | tr -d '\r'
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    case "${1:-}" in
        setup) gj_setup "$2" ;;
        setup-two) gj_setup "$2" -screen 0 1024x768x24 -screen 1 400x300x24 +xinerama -extension RANDR ;;
        teardown) gj_teardown "$2" ;;
        *) echo "usage: harness.sh setup|setup-two|teardown STATE_DIR" >&2; exit 2 ;;
    esac
fi
