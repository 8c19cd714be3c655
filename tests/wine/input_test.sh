#!/usr/bin/env bash
# Playing with a windowed lamp through the real X server: mouse drags turn, zoom, orbit and
# move it, the wheel spins it, the arrow keys with their modifiers do what the key table
# says. The results are read back from the registry, where the view is saved at exit.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_cleanup' EXIT

stored() { gj_reg_query "$key" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
# near NAME VALUE TOLERANCE: the stored float is within TOLERANCE of VALUE.
near() {
    local value
    value=$(stored "$1")
    awk -v v="$value" -v w="$2" -v t="$3" 'BEGIN { d = v - w; if (d < 0) d = -d; exit !(d <= t) }' ||
        gj_fail "$1 is $value, not $2 (within $3)"
}

# A fresh windowed lamp; prints its description line. The pointer waits in its middle.
start_lamp() {
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

finish_lamp() {
    gj_key Escape
    gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
}

# drag BUTTON DX DY STEPS: a drag from the middle of the window in steps of DX, DY.
drag() {
    local button=$1 dx=$2 dy=$3 steps=$4 n x=$centre_x y=$centre_y
    xdotool mousemove "$x" "$y" mousedown "$button"
    for n in $(seq 1 "$steps"); do
        x=$((x + dx)) y=$((y + dy))
        xdotool mousemove "$x" "$y"
        sleep 0.08
    done
    xdotool mouseup "$button"
    xdotool mousemove "$centre_x" "$centre_y"
    sleep 0.3
}

# --- drags ---
start_lamp
drag 1 10 0 4   # left, sideways: the lamp turns by 40 degrees
drag 1 0 10 3   # left, down: zoom by 0.3 x 30
drag 3 10 0 2   # right: orbit by 0.8 x 20
drag 2 10 -10 2 # middle: move by 0.1 x (20, -20)
finish_lamp
near rot_angle 40 0.01
near zoom 9 0.01
near rotateViewX 16 0.01
near rotateViewY 0 0.01
near translateX 2 0.01
near translateY 2 0.01
near rot_speed 0 0

# --- the wheel: two notches away and one back, a quarter of a degree per frame each; the
# right arrow adds another quarter ---
start_lamp
xdotool click 4 click 4 click 5
sleep 0.5
gj_key Right
finish_lamp
near rot_speed 0.5 0.0001

# --- arrow keys ---
start_lamp
gj_key ctrl+Down ctrl+Down shift+Right alt+Left ctrl+shift+Up ctrl+Left
sleep 0.5
finish_lamp
near zoom 4 0.01
near rotateViewX 3 0.01
near translateX -1 0.01
near translateY 1 0.01
near rot_angle 350 0.01  # -10, wrapped
near rot_speed 0 0
echo "ok"
