#!/usr/bin/env bash
# The overlay menu of the real program in the first window a person opens and in full
# screen: with client areas of 341x384 and 418x373 (the default window on 1024x768 and
# 1280x800 screens) and full screen on a 1920x1080 display, the row of buttons, shown by a
# motion of the mouse, lies inside the window with gaps between its buttons and clear of
# the corner text (tests/menu_fits.py holds the program's own layout line against a
# screenshot of the client area).
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_back_to_the_display; gj_cleanup' EXIT
wine reg delete "$key" /f >/dev/null 2>&1

# check_menu LINE LOG: shows the menu of the window LINE describes and checks it.
check_menu() {
    local line=$1 log=$2 border cx cy cw ch
    border=$(( ($(gj_field "$line" w) - $(gj_field "$line" cw)) / 2 ))
    cx=$(( $(gj_field "$line" x) + border ))
    cy=$(( $(gj_field "$line" y) + $(gj_field "$line" h) - border - $(gj_field "$line" ch) ))
    cw=$(gj_field "$line" cw)
    ch=$(gj_field "$line" ch)
    xdotool mousemove $((cx + cw / 2)) $((cy + ch * 3 / 4))
    sleep 0.2
    xdotool mousemove $((cx + cw / 2 + 20)) $((cy + ch * 3 / 4 + 10))
    sleep 0.8
    gj_client_shot "$line" "$GJ_TMP/menu-${cw}x$ch.png"
    python3 "$(dirname "$0")/../menu_fits.py" "$log" "$cw" "$ch" "$GJ_TMP/menu-${cw}x$ch.png" ||
        gj_fail "the menu does not fit a ${cw}x$ch client area"
}

# The frame's size, from a first window, gives the window sizes of the client areas.
xdotool mousemove 1 1
gj_start glimmerjar.exe lamp /w 500x500
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
frame_w=$(( $(gj_field "$line" w) - $(gj_field "$line" cw) ))
frame_h=$(( $(gj_field "$line" h) - $(gj_field "$line" ch) ))
gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE >/dev/null
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"

for client in 341x384 418x373; do
    xdotool mousemove 1 1
    gj_start glimmerjar.exe lamp /w "$(( ${client%x*} + frame_w ))x$(( ${client#*x} + frame_h ))"
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    gj_expect_eq "$(gj_field "$line" cw)x$(gj_field "$line" ch)" "$client" "the client area"
    check_menu "$line" "$lamp_LOG"
    gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE >/dev/null
    gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
done

# Full screen on a display of 1920x1080.
gj_on_another_display 1920x1080x24
xdotool mousemove 1 1
gj_start glimmerjar.exe lamp /f
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 30)
gj_expect_eq "$(gj_field "$line" cw)x$(gj_field "$line" ch)" "1920x1080" "the full screen's client area"
check_menu "$line" "$lamp_LOG"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
echo "ok"
