#!/usr/bin/env bash
# The Linux program's test harness: each test gets a private Xvfb display with GLX and a
# home folder of its own (its settings file and pictures folder), and helpers to start the
# real program, find its window, send input with xdotool and read the settings file.
# Test scripts source this file and call gx_setup first. A missing Xvfb or xdotool fails the
# test; it never skips. GX_BIN (the build tree with glimmerjar) comes from CTest.
#
# The failure report, the free display and the expectations are the Wine harness's own.
. "$(dirname "${BASH_SOURCE[0]}")/../wine/harness.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../lamp_pixels.sh"

# gx_setup [XVFB SCREEN ARGUMENTS...]: one screen of 1024 x 768 unless others are given.
gx_setup() {
    local screens=("$@")
    [ ${#screens[@]} -gt 0 ] || screens=(-screen 0 1024x768x24)
    local tool
    for tool in Xvfb xdotool import convert xwininfo; do
        command -v "$tool" >/dev/null 2>&1 || gj_fail "$tool is not installed (run scripts/setup.sh)"
    done
    [ -x "${GX_BIN:-}/glimmerjar" ] || gj_fail "no Linux program at ${GX_BIN:-unset}/glimmerjar"
    GX_TMP=$(mktemp -d)
    GX_PIDS=()
    trap gx_cleanup EXIT
    export HOME="$GX_TMP/home"
    export XDG_CONFIG_HOME="$HOME/.config"
    export XDG_PICTURES_DIR="$HOME/Pictures"
    mkdir -p "$XDG_PICTURES_DIR"
    unset GLIMMERJAR_SETTINGS_FILE XSCREENSAVER_WINDOW GLIMMERJAR_DIAGNOSTICS
    GX_SETTINGS="$XDG_CONFIG_HOME/glimmerjar/settings"
    local display i
    display=$(gj_free_display) || gj_fail "no free X display"
    Xvfb ":$display" "${screens[@]}" +extension GLX -nolisten tcp -noreset >"$GX_TMP/xvfb.log" 2>&1 &
    GX_XVFB=$!
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$GX_XVFB" 2>/dev/null || gj_fail "Xvfb did not start: $(cat "$GX_TMP/xvfb.log")"
        sleep 0.1
    done
    export DISPLAY=":$display"
}

gx_cleanup() {
    local pid
    for pid in "${GX_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    kill "$GX_XVFB" 2>/dev/null
    rm -rf "$GX_TMP" 2>/dev/null
}

# gx_start OUTVAR ARGS...: starts the program with ARGS in the background; OUTVAR gets a
# tag for gx_pid, gx_log and gx_wait_exit.
gx_start() {
    local outvar=$1 tag
    shift
    GX_STARTED=$((${GX_STARTED:-0} + 1))
    tag=$GX_STARTED
    (
        GLIMMERJAR_DIAGNOSTICS=1 "$GX_BIN/glimmerjar" "$@" >"$GX_TMP/$tag.log" 2>&1 &
        echo $! >"$GX_TMP/$tag.pid"
        wait $!
        echo $? >"$GX_TMP/$tag.code"
    ) &
    while [ ! -s "$GX_TMP/$tag.pid" ]; do sleep 0.05; done
    GX_PIDS+=("$(cat "$GX_TMP/$tag.pid")")
    printf -v "$outvar" '%s' "$tag"
}

gx_pid() { cat "$GX_TMP/$1.pid"; }

# gx_wait_frames TAG N TIMEOUT [RUN]: waits until the lamp has drawn N frames (its frame
# timer's report of tick N; the first comes after the lava has warmed up), in the RUN-th
# process of that start (a switch of screen mode starts the program again; default 1).
gx_wait_frames() {
    local deadline=$((SECONDS + $3)) run=${4:-1}
    until [ "$(grep -c "^Frame timer tick $2 at" "$GX_TMP/$1.log" 2>/dev/null)" -ge "$run" ]; do
        [ $SECONDS -lt $deadline ] || gj_fail "no frame $2 within $3 s: $(tail -3 "$GX_TMP/$1.log")"
        sleep 0.1
    done
}
gx_log() { cat "$GX_TMP/$1.log" 2>/dev/null; }

# gx_wait_window TIMEOUT: the id of the lamp's own window, once it is mapped.
gx_wait_window() {
    local deadline=$((SECONDS + $1)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name '^Glimmerjar$' 2>/dev/null | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    gj_fail "no Glimmerjar window within $1 s"
}

# gx_geometry ID: "x y width height" of a window on the screen.
gx_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# gx_wait_exit TAG TIMEOUT: prints the exit code, or "running" when it did not end.
gx_wait_exit() {
    local deadline=$((SECONDS + $2))
    while [ ! -s "$GX_TMP/$1.code" ]; do
        if [ $SECONDS -ge $deadline ]; then
            echo running
            return 0
        fi
        sleep 0.1
    done
    cat "$GX_TMP/$1.code"
}

# gx_key KEYS...: real key presses, to the window under the pointer (there is no window
# manager to give anyone the focus).
gx_key() { xdotool key "$@" 2>/dev/null; }

# gx_setting NAME: the value of a line of the settings file.
gx_setting() { sed -n "s/^$1 *= *//p" "$GX_SETTINGS" | tail -1; }

# gx_lamp_shows WxH+X+Y WHAT: fails unless that part of a screenshot shows the lamp.
gx_lamp_shows() {
    local shot="$GX_TMP/shot-$RANDOM.png" lava glow black
    import -window root "$shot" || gj_fail "no screenshot of the display"
    read -r lava glow black <<<"$(lamp_pixel_counts "$shot" "$1")"
    echo "$2: lava $lava, glowing liquid $glow, black $black"
    [ "$lava" -gt 300 ] && [ "$glow" -gt 600 ] || gj_fail "$2 does not show the lamp"
}
