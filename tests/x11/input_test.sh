#!/usr/bin/env bash
# Playing with the Linux program's window through the real X server: the same cases as the
# Windows program's (tests/input_cases.txt), the results read back from the settings file.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/../input_cases.sh"
gx_setup

input_stored() { gx_setting "$1"; }
input_key() { gx_key "$@"; }

input_start_lamp() {
    rm -f "$GX_SETTINGS"
    gx_start lamp --window --size 600x500
    local window x y w h
    window=$(gx_wait_window 20)
    read -r x y w h <<<"$(gx_geometry "$window")"
    centre_x=$((x + w / 2))
    centre_y=$((y + h / 2 + 40))
    gx_wait_frames "$lamp" 3 30
    xdotool mousemove "$centre_x" "$centre_y"
    sleep 0.5
}

input_finish_lamp() {
    gx_key Escape
    gj_expect_eq "$(gx_wait_exit "$lamp" 15)" 0 "exit code"
}

run_input_cases
echo "ok"
