#!/usr/bin/env bash
# Playing with a windowed lamp through the real X server: mouse drags turn, zoom, orbit and
# move it, the wheel spins it, the arrow keys with their modifiers do what the key table
# says. The cases are the Linux program's too (tests/input_cases.txt); here the results are
# read back from the registry, where the view is saved at exit.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/../input_cases.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_cleanup' EXIT

input_stored() { gj_reg_query "$key" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
input_key() { gj_key "$@"; }

input_start_lamp() {
    wine reg delete "$key" /f >/dev/null 2>&1
    gj_start glimmerjar.exe lamp /w 600x500
    local line
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    centre_x=$(( $(gj_field "$line" x) + $(gj_field "$line" w) / 2 ))
    centre_y=$(( $(gj_field "$line" y) + $(gj_field "$line" h) / 2 + 40 ))
    gj_key Shift  # gives the window the keyboard
    xdotool mousemove "$centre_x" "$centre_y"
    sleep 0.5
}

input_finish_lamp() {
    gj_key Escape
    gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
}

run_input_cases
echo "ok"
