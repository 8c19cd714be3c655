#!/usr/bin/env bash
# With two monitors the screen saver covers the virtual screen and draws a lamp centred on
# each monitor; full screen and windows go on the monitor they belong on. (Xvfb's two screens, joined by Xinerama, both start at the origin under
# Wine 8: a primary of 1024 x 768 and a second monitor of 400 x 300 in its top left corner.)
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/../lamp_pixels.sh"
gj_load

monitors=$(gj_helper monitors)
echo "$monitors"
echo "$monitors" | grep -q '^count=2$' || gj_fail "the display does not have two monitors: $monitors"
virtual=$(echo "$monitors" | sed -n 's/^virtual //p')

xdotool mousemove 1000 700
gj_start glimmerjar.scr saver /s
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_expect_eq "x=$(gj_field "$line" x) y=$(gj_field "$line" y) w=$(gj_field "$line" w) h=$(gj_field "$line" h)" \
    "$virtual" "saver rectangle (the virtual screen)"
sleep 3

import -window root "$GJ_TMP/screen.png"
two_lamps_shown "$GJ_TMP/screen.png"

gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code"

# rect_of LINE: a window's rectangle.
rect_of() { echo "$(gj_field "$1" x),$(gj_field "$1" y),$(gj_field "$1" w)x$(gj_field "$1" h)"; }
# next_lamp: waits for the lamp a switch started: a shown window other than the old one
# (the new process may show its window before a poll sees the old one gone).
next_lamp() {
    local old found=""
    old=$(gj_field "$line" hwnd)
    for _ in $(seq 1 60); do
        found=$(gj_helper find WindowsScreenSaverClass Glimmerjar | grep '^hwnd=' | grep ' visible=1 ' |
            grep -v "^hwnd=$old " || true)
        [ -n "$found" ] && break
        sleep 0.25
    done
    [ -n "$found" ] || gj_fail "no new lamp after the switch"
    line=$found
    sleep 0.5
}
# switch: the 'f' key.
switch() { gj_key f; }

# A window moved onto the second monitor goes full screen there, comes back as a window
# centred on it, and goes full screen there again.
gj_start glimmerjar.exe lamp /w 200x150
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_helper move "$(gj_field "$line" hwnd)" 50 50 200 150 || gj_fail "the lamp window could not be moved"
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 5)
switch
next_lamp
gj_expect_eq "$(rect_of "$line")" "0,0,400x300" "full screen on the second monitor"
switch
next_lamp
# The default window on a 400 x 300 monitor would be 133 x 150; a window is never smaller
# than 160 a side, so it is 160 x 160, centred.
gj_expect_eq "$(rect_of "$line")" "120,70,160x160" "back to a window, on the second monitor"
switch
next_lamp
gj_expect_eq "$(rect_of "$line")" "0,0,400x300" "full screen on the second monitor again"
gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE
gj_wait_no_window WindowsScreenSaverClass Glimmerjar 15

# A new window opens on the monitor of the window in front: here another program's small
# window on the second monitor.
front_out="$GJ_TMP/front.out"
wine "$GJ_BIN/gjtest.exe" parent 152 112 60 >"$front_out" 2>/dev/null &
GJ_PIDS+=("$!")
for _ in $(seq 1 40); do grep -q '^hwnd=' "$front_out" && break; sleep 0.25; done
grep -q '^hwnd=' "$front_out" || gj_fail "the helper made no window"
sleep 1
gj_start glimmerjar.exe beside /w
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
# (133 x 150 by the monitor, but never less than 160 a side.)
gj_expect_eq "$(rect_of "$line")" "120,70,160x160" "a new window on the monitor of the window in front"
gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$beside" 15)" 0 "exit code of the window beside"

# Without a switch before it, full screen takes the primary monitor.
gj_start glimmerjar.exe plain /f
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_expect_eq "$(rect_of "$line")" "0,0,1024x768" "full screen from a plain start"
gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$plain" 15)" 0 "full-screen lamp exit code"
echo "ok"
