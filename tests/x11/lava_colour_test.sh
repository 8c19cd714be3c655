#!/usr/bin/env bash
# The lava in the colour chosen, everywhere: green and blue lava, as surfaces and as
# particles, after it has circulated for 20 seconds; no pixel of the window is red, the
# default lava's colour (the pool lit by the bulb kept it once), and the chosen hue shows.
. "$(dirname "$0")/harness.sh"
gx_setup

# check_colour HUE DEGREES NAME: a run with --lava-hue HUE; the window shot as surfaces,
# then (after O) as particles.
check_colour() {
    local hue=$1 degrees=$2 name=$3 run window x y w h view red near
    gx_start run --size 533x600 --lava-hue "$hue"
    window=$(gx_wait_window 20)
    read -r x y w h <<<"$(gx_geometry "$window")"
    sleep 20
    for view in surfaces particles; do
        import -window root "$GX_TMP/$name-$view.png" || gj_fail "no screenshot"
        read -r red near <<<"$(lava_hue_counts "$GX_TMP/$name-$view.png" "${w}x${h}+${x}+${y}" "$degrees")"
        echo "$name lava as $view: red pixels $red, of its own hue $near"
        [ "$red" -le 10 ] || gj_fail "$name lava as $view: $red red pixels"
        [ "$near" -ge 1500 ] || gj_fail "$name lava as $view: only $near pixels of its hue"
        # The key goes to the window under the pointer; the menu the move shows fades
        # before the next picture.
        xdotool mousemove $((x + w / 2)) $((y + h - 20))
        gx_key o
        sleep 4
    done
    gx_key Escape
    gj_expect_eq "$(gx_wait_exit "$run" 15)" 0 "exit code"
}

check_colour 0.33 119 green
check_colour 0.6 216 blue
echo "ok"
