#!/usr/bin/env bash
# The Linux program in a window of its own on a real X server: it shows the lamp (the lava
# through GLX's buffer objects), the menu
# appears when the mouse moves and fades after two seconds of stillness, Escape ends it
# with 0 and the settings file then holds the settings and the lava; --fps and a
# screenshot's note keep clear of the menu and out of the picture; the window manager's
# close ends it too.
. "$(dirname "$0")/harness.sh"
gx_setup

gx_start pid
window=$(gx_wait_window 20)
read -r x y w h <<<"$(gx_geometry "$window")"
echo "window $window at $x,$y, $w x $h"
# menu_coverage TAG: how bright the shown menu makes a patch 110 to 170 pixels below the
# window's top left corner (thousandths): below buttons of the menu's own size, inside
# buttons of twice that size.
menu_coverage() {
    local id x y w h
    id=$(gx_wait_window 20)
    read -r x y w h <<<"$(gx_geometry "$id")"
    gx_wait_frames "$1" 12 30
    xdotool mousemove $((x + w / 2)) $((y + h / 2))
    sleep 0.2
    xdotool mousemove $((x + w / 2 + 20)) $((y + h / 2 + 10))
    sleep 0.6
    import -window root "$GX_TMP/menu.png" || gj_fail "no screenshot"
    convert "$GX_TMP/menu.png" -crop "150x60+$((x + 10))+$((y + 110))" +repage -format '%[fx:mean*1000]' info: | cut -d. -f1
    gx_key Escape
    gj_expect_eq "$(gx_wait_exit "$1" 15)" 0 "exit code"
}

# The default size of a window: a third of the screen wide, half of it high.
gj_expect_eq "$w x $h" "341 x 384" "the default window size"
gx_wait_frames "$pid" 12 30
gx_lamp_shows "${w}x${h}+${x}+${y}" "the window"
gx_log "$pid" | grep -q "Lava surfaces through buffer objects" || gj_fail "the lava did not go through buffer objects"

# band: how bright the window's top 40 rows are, where the menu's buttons sit.
band() {
    import -window root "$GX_TMP/band.png" || gj_fail "no screenshot"
    convert "$GX_TMP/band.png" -crop "${w}x40+${x}+${y}" +repage -format '%[fx:mean*1000]' info: | cut -d. -f1
}
before=$(band)
xdotool mousemove $((x + w / 2)) $((y + h / 2))
sleep 0.2
xdotool mousemove $((x + w / 2 + 20)) $((y + h / 2 + 10))
sleep 0.6
shown=$(band)
sleep 4
faded=$(band)
echo "top band brightness: before $before, menu shown $shown, after stillness $faded"
[ "$shown" -gt $((before + 40)) ] || gj_fail "the menu did not appear ($before -> $shown)"
[ "$faded" -lt $((before + 15)) ] || gj_fail "the menu did not fade ($shown -> $faded)"

gx_key Escape
gj_expect_eq "$(gx_wait_exit "$pid" 15)" 0 "exit code after Escape"
[ -f "$GX_SETTINGS" ] || gj_fail "no settings file at $GX_SETTINGS"
gj_expect_eq "$(gx_setting noBlobsSaved)" 175 "blobs saved"
gj_expect_eq "$(gx_setting startFullScreen)" false "startFullScreen"
gj_expect_eq "$(grep -c '^blob[0-9][0-9][0-9] = ' "$GX_SETTINGS")" 175 "blob records"
# A person can read it: the settings come first, with their own units.
head -3 "$GX_SETTINGS"
gj_expect_eq "$(sed -n 2p "$GX_SETTINGS")" "rot_angle = 0" "the first setting line"

# Full screen with --fps and the menu shown: the frame rate in the bottom right corner,
# clear of the buttons along the top. S writes a screenshot and says so on the lamp for
# about two seconds, above the corner text; the picture itself shows neither.
# Started where it finds no terminal and no xdg-open, so that H and C have nothing to start.
mkdir -p "$GX_TMP/alone"
printf '#!/bin/sh\nexec env PATH=/nonexistent "%s/glimmerjar" "$@"\n' "$GX_BIN" >"$GX_TMP/alone/glimmerjar"
chmod +x "$GX_TMP/alone/glimmerjar"
GX_BIN="$GX_TMP/alone" gx_start fps --fullscreen --fps
window=$(gx_wait_window 20)
gx_wait_frames "$fps" 12 30
# white_in SHOT WxH+X+Y: the thousandths of that part of a picture that are white.
white_in() { convert "$1" -crop "$2" +repage -threshold 90% -format '%[fx:mean*1000]' info: | cut -d. -f1; }
xdotool mousemove 500 400
sleep 0.2
xdotool mousemove 520 410
sleep 0.6
gx_key s
sleep 0.5
import -window root "$GX_TMP/fps.png" || gj_fail "no screenshot"
rate=$(white_in "$GX_TMP/fps.png" 260x28+764+740)
note=$(white_in "$GX_TMP/fps.png" 512x26+256+722)
buttons=$(convert "$GX_TMP/fps.png" -crop 1024x100+0+0 +repage -format '%[fx:mean*1000]' info: | cut -d. -f1)
echo "white: frame rate $rate, note $note; brightness of the button row $buttons (thousandths)"
[ "$rate" -gt 5 ] || gj_fail "no frame rate in the bottom right corner"
[ "$note" -gt 5 ] || gj_fail "no note of the screenshot on the lamp"
[ "$buttons" -gt 40 ] || gj_fail "the menu was not shown"
picture="$XDG_PICTURES_DIR/GlimmerjarScreenshot_0.bmp"
[ -f "$picture" ] || gj_fail "no screenshot written"
gj_expect_eq "$(white_in "$picture" 512x26+256+722)" 0 "white where the note is, in the screenshot itself"
gj_expect_eq "$(white_in "$picture" 260x28+764+740)" 0 "white where the frame rate is, in the screenshot itself"
sleep 4
import -window root "$GX_TMP/later.png" || gj_fail "no screenshot"
gj_expect_eq "$(white_in "$GX_TMP/later.png" 512x26+256+722)" 0 "the note four seconds later"
gj_expect_eq "$(white_in "$GX_TMP/later.png" 200x30+0+0)" 0 "white in the top left corner (the Help button's place)"
[ "$(white_in "$GX_TMP/later.png" 260x28+764+740)" -gt 5 ] || gj_fail "the frame rate went with the menu"
# H and C with nothing to open the manual or the settings file: the lamp says what to
# open by hand, for a few seconds.
for key in h c; do
    gx_key "$key"
    sleep 0.5
    import -window root "$GX_TMP/$key.png" || gj_fail "no screenshot"
    [ "$(white_in "$GX_TMP/$key.png" 512x26+256+722)" -gt 5 ] || gj_fail "no note on the lamp after $key"
    sleep 5.5
    import -window root "$GX_TMP/$key-later.png" || gj_fail "no screenshot"
    gj_expect_eq "$(white_in "$GX_TMP/$key-later.png" 512x26+256+722)" 0 "the note six seconds after $key"
done
grep -q 'man glimmerjar' "$GX_TMP/$fps.log" || gj_fail "no terminal line about the manual"
grep -q 'edit the settings in' "$GX_TMP/$fps.log" || gj_fail "no terminal line about the settings file"
# Closed as a window manager's close button closes it.
"$GX_BIN/tests/x11/test_window" close "$window"
gj_expect_eq "$(gx_wait_exit "$fps" 15)" 0 "exit code after the window manager's close"

# A scaled desktop (Xft.dpi 192, as desktops set it at 200 %): the menu keeps its physical
# size, so its buttons reach twice as far down.
gx_start small --size 1000x600
plain=$(menu_coverage "$small")
"$GX_BIN/tests/x11/test_window" resources "$(printf 'Xft.dpi:\t192\n')"
gx_start large --size 1000x600
scaled=$(menu_coverage "$large")
echo "menu in the corner: $plain at 96 DPI, $scaled at 192 DPI"
[ "$plain" -lt 10 ] && [ "$scaled" -gt 60 ] || gj_fail "the menu did not grow with the desktop's scale"
echo "ok"
