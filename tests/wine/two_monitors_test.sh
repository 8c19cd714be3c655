#!/usr/bin/env bash
# With two monitors the screen saver covers the virtual screen and draws a lamp centred on
# each monitor. (Xvfb's two screens, joined by Xinerama, both start at the origin under
# Wine 8: a primary of 1024 x 768 and a second monitor of 400 x 300 in its top left corner.)
. "$(dirname "$0")/harness.sh"
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

# coloured_at X Y SIZE: the share of strongly coloured pixels in a square of the screen.
coloured_at() {
    import -window root -crop "$3x$3+$1+$2" +repage "$GJ_TMP/spot.png"
    convert "$GJ_TMP/spot.png" -colorspace HSL -channel G -separate +channel -threshold 40% \
        -format '%[fx:mean]' info:
}
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
import -window root "$GJ_TMP/screen.png"

# The primary monitor's lamp stands in the middle of 1024 x 768, the second one's in the
# middle of 400 x 300; between them (and away from both) there is background.
greater "$(coloured_at 497 300 30)" 0.3 || gj_fail "no lamp in the middle of the primary monitor"
greater "$(coloured_at 190 110 20)" 0.3 || gj_fail "no lamp in the middle of the second monitor"
greater 0.05 "$(coloured_at 300 200 30)" || gj_fail "something drawn between the two lamps"
greater 0.05 "$(coloured_at 190 450 30)" || gj_fail "something drawn below the second monitor's lamp"

gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code"
echo "ok"
