#!/usr/bin/env bash
# The lava in the colour chosen, everywhere: green and blue lava, as surfaces and as
# particles, after it has circulated for 20 seconds; no pixel of the window is red, the
# default lava's colour (the pool lit by the bulb kept it once), and the chosen hue shows.
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
