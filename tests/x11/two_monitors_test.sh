#!/usr/bin/env bash
# Two monitors (Xvfb's two screens joined by Xinerama, both at the origin: 1024 x 768, and
# 400 x 300 in its top left corner, as the Windows program's test has them): on the root
# window the screen saver draws a lamp centred on each monitor, and full screen covers the
# primary monitor only.
. "$(dirname "$0")/harness.sh"
gx_setup -screen 0 1024x768x24 -screen 1 400x300x24 +xinerama

gx_start saver --root
gx_wait_frames "$saver" 12 30
import -window root "$GX_TMP/two.png" || gj_fail "no screenshot"
two_lamps_shown "$GX_TMP/two.png"
kill -TERM "$(gx_pid "$saver")"
gj_expect_eq "$(gx_wait_exit "$saver" 10)" 0 "exit code of the saver"

gx_start full --fullscreen
window=$(gx_wait_window 20)
gj_expect_eq "$(gx_geometry "$window")" "0 0 1024 768" "full screen on the primary monitor"
xdotool mousemove 500 500
gx_key Escape
gj_expect_eq "$(gx_wait_exit "$full" 15)" 0 "exit code"
echo "ok"
