#!/usr/bin/env bash
# The real program shows the lamp, with the lava in the colour chosen everywhere: green and
# blue lava, as surfaces and as particles, after it has circulated for 20 seconds; no pixel
# of the window is red, the default lava's colour (the pool lit by the bulb kept it once),
# the chosen hue shows, the liquid glows, and nothing is drawn outside the window.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/../lamp_pixels.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_cleanup' EXIT

# check_colour HUE DEGREES NAME: a run with lavaHue HUE; the window shot as surfaces, then
# (after O) as particles.
check_colour() {
    local hue=$1 degrees=$2 name=$3 line view red near
    wine reg delete "$key" /f >/dev/null 2>&1
    wine reg add "$key" /v lavaHue /t REG_SZ /d "$hue" /f >/dev/null 2>&1 || gj_fail "could not store lavaHue"
    gj_start glimmerjar.exe lamp /w 533x600
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    sleep 20
    import -window root "$GJ_TMP/screen.png" || gj_fail "no screenshot of the display"
    read -r _ glow black <<<"$(lamp_pixel_counts "$GJ_TMP/screen.png" \
        "$(gj_field "$line" w)x$(gj_field "$line" h)+$(gj_field "$line" x)+$(gj_field "$line" y)")"
    [ "$glow" -gt 2000 ] && [ "$black" -gt 50000 ] || gj_fail "no glowing liquid on black ($glow, $black)"
    outside=$(convert "$GJ_TMP/screen.png" -crop 200x200+0+0 +repage -format '%[fx:maxima.r]' info:)
    awk -v m="$outside" 'BEGIN { exit !(m < 0.05) }' || gj_fail "something is drawn outside the window"
    for view in surfaces particles; do
        gj_client_shot "$line" "$GJ_TMP/$name-$view.png"
        read -r red near <<<"$(lava_hue_counts "$GJ_TMP/$name-$view.png" 533x600+0+0 "$degrees")"
        echo "$name lava as $view: red pixels $red, of its own hue $near"
        [ "$red" -le 10 ] || gj_fail "$name lava as $view: $red red pixels"
        [ "$near" -ge 1500 ] || gj_fail "$name lava as $view: only $near pixels of its hue"
        gj_key o
        sleep 1
    done
    gj_key Escape
    gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
}

check_colour 0.330000 119 green
check_colour 0.600000 216 blue
echo "ok"
