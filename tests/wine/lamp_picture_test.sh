#!/usr/bin/env bash
# The real program shows the lamp: a screenshot of the display has lava-coloured pixels
# inside the window, glowing liquid above them and black around the lamp.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/../lamp_pixels.sh"
gj_load

gj_start glimmerjar.exe pid /w 533x600
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
sleep 4
shot="$GJ_TMP/screen.png"
import -window root "$shot" || gj_fail "no screenshot of the display"
# The window's client area: without a window manager Wine puts it at the window position
# plus the frame; count inside the window rectangle.
x=$(gj_field "$line" x); y=$(gj_field "$line" y); w=$(gj_field "$line" w); h=$(gj_field "$line" h)
counts=$(lamp_pixel_counts "$shot" "${w}x${h}+${x}+${y}")
read -r lava glow black <<<"$counts"
echo "lava pixels $lava, glowing liquid $glow, black $black"
[ "$lava" -gt 1000 ] || gj_fail "no lava in the window ($lava lava-coloured pixels)"
[ "$glow" -gt 2000 ] || gj_fail "no glowing liquid in the window ($glow pixels)"
[ "$black" -gt 50000 ] || gj_fail "the background is not black ($black black pixels)"
# Outside the window the display stays black: the lamp draws only in its window.
outside=$(/usr/bin/convert "$shot" -crop "200x200+0+0" +repage -format '%[fx:maxima.r]' info:)
awk -v m="$outside" 'BEGIN { exit !(m < 0.05) }' || gj_fail "something is drawn outside the window"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code"
echo "ok"
