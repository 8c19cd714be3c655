#!/usr/bin/env bash
# The overlay menu in the first window a person opens and in full screen: at 341x384 and
# 418x373 (the default window on 1024x768 and 1280x800 screens) and full screen on a
# 1920x1080 screen, the row of buttons, shown by a motion of the mouse, lies inside the
# window with gaps between its buttons and clear of the corner text (tests/menu_fits.py
# holds the program's own layout against a screenshot).
. "$(dirname "$0")/harness.sh"
gx_setup -screen 0 1920x1080x24

# check_menu ARGS...: starts the lamp with ARGS, shows the menu and checks it.
check_menu() {
    local lamp window x y w h
    gx_start lamp "$@"
    gx_wait_frames "$lamp" 5 30
    window=$(gx_wait_window 20)
    read -r x y w h <<<"$(gx_geometry "$window")"
    # A motion well away from the buttons, then time for them to fade in.
    xdotool mousemove $((x + w / 2)) $((y + h * 3 / 4))
    sleep 0.2
    xdotool mousemove $((x + w / 2 + 20)) $((y + h * 3 / 4 + 10))
    sleep 0.8
    import -window root -crop "${w}x$h+$x+$y" +repage "$GX_TMP/menu-${w}x$h.png" || gj_fail "no screenshot"
    python3 "$(dirname "$0")/../menu_fits.py" "$GX_TMP/$lamp.log" "$w" "$h" "$GX_TMP/menu-${w}x$h.png" ||
        gj_fail "the menu does not fit a ${w}x$h window"
    gx_key Escape
    gj_expect_eq "$(gx_wait_exit "$lamp" 15)" 0 "exit code"
}

check_menu --size 341x384
check_menu --size 418x373
check_menu --fullscreen
echo "ok"
