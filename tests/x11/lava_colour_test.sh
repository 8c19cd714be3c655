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
    # Keys go to the window under the pointer. It is put there once, now: the menu a move
    # shows has long faded by the first picture, and no later move shows it again.
    xdotool mousemove $((x + w / 2)) $((y + h - 20))
    sleep 20
    for view in surfaces particles; do
        import -window root "$GX_TMP/$name-$view.png" || gj_fail "no screenshot"
        read -r red near <<<"$(lava_hue_counts "$GX_TMP/$name-$view.png" "${w}x${h}+${x}+${y}" "$degrees")"
        echo "$name lava as $view: red pixels $red, of its own hue $near"
        [ "$red" -le 10 ] || gj_fail "$name lava as $view: $red red pixels"
        [ "$near" -ge 1500 ] || gj_fail "$name lava as $view: only $near pixels of its hue"
        gx_key o
        sleep 1
    done
    gx_key Escape
    gj_expect_eq "$(gx_wait_exit "$run" 15)" 0 "exit code"
}

check_colour 0.33 119 green
check_colour 0.6 216 blue
echo "ok"
