#!/usr/bin/env bash
# Moved to a display of 192 DPI, the lamp's window takes the rectangle the system suggests
# and its menu is drawn twice as large, so that it keeps its physical size.
. "$(dirname "$0")/harness.sh"
gj_load

xdotool mousemove 1 1
gj_start glimmerjar.exe lamp /w 500x400
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
hwnd=$(gj_field "$line" hwnd)
gj_key Shift
xdotool mousemove 1 1

# origin LINE: where the client area starts on the screen.
origin() {
    local border=$(( ($(gj_field "$1" w) - $(gj_field "$1" cw)) / 2 ))
    cx=$(( $(gj_field "$1" x) + border ))
    cy=$(( $(gj_field "$1" y) + $(gj_field "$1" h) - border - $(gj_field "$1" ch) ))
}
# The share of strongly coloured pixels in a square of the client area (x, y, size).
coloured_at() {
    import -window root -crop "$3x$3+$((cx + $1))+$((cy + $2))" +repage "$GJ_TMP/spot.png"
    convert "$GJ_TMP/spot.png" -colorspace HSL -channel G -separate +channel -threshold 40% \
        -format '%[fx:mean]' info:
}
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# show_menu: a motion over the window, then time for the buttons to fade in.
show_menu() {
    xdotool mousemove $((cx + 300)) $((cy + 300))
    sleep 0.2
    xdotool mousemove $((cx + 320)) $((cy + 320))
    sleep 0.6
}

# At 96 DPI the help button covers (4, 4) to (96, 96); below it, background.
origin "$line"
show_menu
greater "$(coloured_at 10 10 60)" 0.15 || gj_fail "no help button at 96 DPI"
below=$(coloured_at 20 120 50)
greater 0.02 "$below" || gj_fail "something drawn below the help button at 96 DPI ($below)"

gj_helper dpi "$hwnd" 192 20 10 1020 740 || gj_fail "the DPI change could not be sent"
line=""
for _ in $(seq 1 20); do
    line=$(gj_helper find WindowsScreenSaverClass Glimmerjar | grep '^hwnd=')
    [ "$(gj_field "$line" x),$(gj_field "$line" y),$(gj_field "$line" w)x$(gj_field "$line" h)" = "20,10,1000x730" ] && break
    sleep 0.25
done
gj_expect_eq "$(gj_field "$line" x),$(gj_field "$line" y),$(gj_field "$line" w)x$(gj_field "$line" h)" \
    "20,10,1000x730" "window rectangle after the DPI change"

# At 192 DPI it covers (8, 8) to (192, 192), and so the square below the old one too.
origin "$line"
show_menu
import -window root -crop "$(gj_field "$line" cw)x$(gj_field "$line" ch)+$cx+$cy" +repage "$GJ_TMP/scaled.png"
greater "$(coloured_at 10 10 60)" 0.15 || gj_fail "no help button at 192 DPI"
scaled=$(coloured_at 20 120 50)
greater "$scaled" 0.15 || gj_fail "the help button did not grow at 192 DPI (coloured share below its old place $scaled)"
# And the exit button sits at the right, twice as large: (width - 192, 8).
greater "$(coloured_at $(( $(gj_field "$line" cw) - 180 )) 120 50)" 0.15 || gj_fail "no large exit button at 192 DPI"

gj_helper post "$hwnd" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "lamp exit code"
echo "ok"
