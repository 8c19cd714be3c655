#!/usr/bin/env bash
# The overlay menu of the real program: moving the mouse shows the buttons at their layout
# places, stillness fades them out; the snapshot button and the s key write screenshots
# on the Wine desktop (24-bit BMPs of the window's size, with the lamp and without the
# buttons) and name them on the lamp for two seconds; configure and help open their
# dialogs; Exit ends the program.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
desktop=$(gj_desktop)
trap 'wine reg delete "$key" /f >/dev/null 2>&1; rm -f "$desktop"/GlimmerjarScreenshot_*.bmp; gj_cleanup' EXIT
wine reg delete "$key" /f >/dev/null 2>&1
rm -f "$desktop"/GlimmerjarScreenshot_*.bmp

# The pointer waits outside the window, so that nothing moves it over the lamp.
xdotool mousemove 1 1
gj_start glimmerjar.exe lamp /w 800x600
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
border=$(( ($(gj_field "$line" w) - $(gj_field "$line" cw)) / 2 ))
cx=$(( $(gj_field "$line" x) + border ))
cy=$(( $(gj_field "$line" y) + $(gj_field "$line" h) - border - $(gj_field "$line" ch) ))
cw=$(gj_field "$line" cw)
ch=$(gj_field "$line" ch)
gj_key Shift
xdotool mousemove 1 1

# The share of strongly coloured pixels in a square of the client area (x, y, size).
coloured_at() {
    import -window root -crop "$3x$3+$((cx + $1))+$((cy + $2))" +repage "$GJ_TMP/spot.png"
    convert "$GJ_TMP/spot.png" -colorspace HSL -channel G -separate +channel -threshold 40% \
        -format '%[fx:mean]' info:
}
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# click_menu X: a click at the middle height of the button row, X pixels from the left.
click_menu() { xdotool mousemove $((cx + $1)) $((cy + 50)) click 1; }

# The top corners are empty background while the menu is hidden.
sleep 1
before=$(coloured_at 4 4 92)
greater 0.02 "$before" || gj_fail "something drawn where the help button goes before any motion ($before)"

# A motion shows the five buttons: help, snapshot and configure from the left (4, 96,
# 188), full screen and exit from the right (width - 188, width - 96).
xdotool mousemove $((cx + 400)) $((cy + 300))
sleep 0.2
xdotool mousemove $((cx + 420)) $((cy + 320))
sleep 0.6
for x in 4 96 188 $((cw - 188)) $((cw - 96)); do
    shown=$(coloured_at "$x" 4 92)
    greater "$shown" 0.15 || gj_fail "no button picture at x $x after a motion (coloured share $shown)"
done
# Stillness: two seconds, then the fade.
sleep 7
gone=$(coloured_at 4 4 92)
greater 0.02 "$gone" || gj_fail "the buttons are still there after the mouse rested (coloured share $gone)"

# The snapshot button, then the s key.
xdotool mousemove $((cx + 400)) $((cy + 300))
sleep 0.3
click_menu 140
sleep 1
gj_key s
for _ in $(seq 1 40); do [ -f "$desktop/GlimmerjarScreenshot_1.bmp" ] && break; sleep 0.25; done
# The lamp names the file for about two seconds, above the corner text; the picture
# itself does not show it.
note_white() { convert "$1" -crop "$((cw / 2))x26+$((cw / 4))+$((ch - 46))" +repage -threshold 90% -format '%[fx:mean*1000]' info: | cut -d. -f1; }
gj_client_shot "$line" "$GJ_TMP/noted.png"
[ "$(note_white "$GJ_TMP/noted.png")" -gt 5 ] || gj_fail "no note of the screenshot on the lamp"
gj_expect_eq "$(note_white "$desktop/GlimmerjarScreenshot_1.bmp")" 0 "the note in the screenshot itself"
sleep 3
gj_client_shot "$line" "$GJ_TMP/later.png"
gj_expect_eq "$(note_white "$GJ_TMP/later.png")" 0 "the note three seconds later"
for n in 0 1; do
    shot=$desktop/GlimmerjarScreenshot_$n.bmp
    [ -f "$shot" ] || gj_fail "no GlimmerjarScreenshot_$n.bmp on the desktop"
    gj_expect_eq "$(identify -format '%m %w %h %z' "$shot")" "BMP3 $cw $ch 8" "screenshot $n format and size"
    gj_expect_eq "$(head -c 2 "$shot")" "BM" "screenshot $n signature"
    gj_expect_eq "$(od -An -tu2 -j28 -N2 "$shot" | tr -d ' ')" 24 "screenshot $n bits per pixel"
    # The lamp is in it; the buttons are not (their corner is background).
    lava=$(convert "$shot" -fx 'r > 0.55 && g < 0.3 && b < 0.3' -format '%[fx:mean]' info:)
    greater "$lava" 0.005 || gj_fail "no lava in screenshot $n ($lava)"
    corner=$(convert "$shot" -crop 92x92+4+4 +repage -colorspace HSL -channel G -separate +channel \
        -threshold 40% -format '%[fx:mean]' info:)
    greater 0.02 "$corner" || gj_fail "screenshot $n shows the buttons ($corner)"
done

# Configure and help open their dialogs.
xdotool mousemove $((cx + 400)) $((cy + 300))
sleep 0.3
click_menu 230
dialog=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Configuration' 15)" hwnd)
gj_helper post "$dialog" 0x111 2 >/dev/null  # Cancel
gj_wait_no_window '#32770' 'Glimmerjar Configuration' 10
xdotool mousemove $((cx + 400)) $((cy + 300))
sleep 0.3
click_menu 50
dialog=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Help' 15)" hwnd)
gj_helper post "$dialog" 0x111 1 >/dev/null  # OK
gj_wait_no_window '#32770' 'Glimmerjar Help' 10

# Exit.
xdotool mousemove $((cx + 400)) $((cy + 300))
sleep 0.3
click_menu $((cw - 50))
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code after the Exit button"
echo "ok"
