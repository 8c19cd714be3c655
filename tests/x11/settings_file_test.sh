#!/usr/bin/env bash
# The Linux program's settings file as a person uses it, and the program's other ways in
# and out: a hand-written file's comments and unknown lines survive a run, each bad line is
# reported once, command-line settings hold for their run only; S takes numbered
# screenshots in the pictures folder; F switches to full screen and back; a bad command line
# or a missing display ends with a message and 1. (Edits while the lamp runs, SIGTERM and
# other lamps: settings_kept_test.sh.)
. "$(dirname "$0")/harness.sh"
gx_setup

mkdir -p "$(dirname "$GX_SETTINGS")"
cat >"$GX_SETTINGS" <<'SETTINGS'
# my lamp
lavaHue = 0.5
speed = fast
sparkle = 11
numParticles = 120
SETTINGS

gx_start lamp --lava-hue 0.2 --size 400x400
window=$(gx_wait_window 20)
read -r x y w h <<<"$(gx_geometry "$window")"
gj_expect_eq "$w x $h" "400 x 400" "the size asked for"
gx_wait_frames "$lamp" 3 30
reports=$(gx_log "$lamp" | grep -c "settings line [0-9]*:")
gx_log "$lamp"
gj_expect_eq "$reports" 2 "problems reported"
xdotool mousemove $((x + 200)) $((y + 300))

# S, twice: two numbered screenshots, as big as the window.
gx_key s
sleep 1
gx_key s
sleep 1
for n in 0 1; do
    shot="$XDG_PICTURES_DIR/GlimmerjarScreenshot_$n.bmp"
    [ -f "$shot" ] || gj_fail "no $shot; the folder has: $(ls "$XDG_PICTURES_DIR")"
done
gj_expect_eq "$(identify -format '%wx%h' "$XDG_PICTURES_DIR/GlimmerjarScreenshot_1.bmp")" 400x400 "screenshot size"

# F: the lamp starts again full screen, and is full screen again at its next start (no
# option says where it goes); F there brings the window back.
gx_key f
gx_wait_frames "$lamp" 3 30 2
full=$(gx_wait_window 20)
read -r fx fy fw fh <<<"$(gx_geometry "$full")"
gj_expect_eq "$fx,$fy $fw x $fh" "0,0 1024 x 768" "full screen"
gx_key Escape
gj_expect_eq "$(gx_wait_exit "$lamp" 15)" 0 "exit code in full screen"
gj_expect_eq "$(gx_setting startFullScreen)" true "startFullScreen after full screen"
gx_start lamp --lava-hue 0.2 --size 400x400
gx_wait_frames "$lamp" 3 30
full=$(gx_wait_window 20)
read -r fx fy fw fh <<<"$(gx_geometry "$full")"
gj_expect_eq "$fx,$fy $fw x $fh" "0,0 1024 x 768" "full screen as it was left"
xdotool mousemove 500 500
gx_key f
gx_wait_frames "$lamp" 3 30 2
back=$(gx_wait_window 20)
read -r bx by bw bh <<<"$(gx_geometry "$back")"
gj_expect_eq "$bw x $bh" "400 x 400" "the window again"
xdotool mousemove $((bx + 200)) $((by + 300))
gx_key Escape
gj_expect_eq "$(gx_wait_exit "$lamp" 15)" 0 "exit code"

# The person's lines are where they were; the bad one is now a good one; the setting the
# command line gave for the run is not saved over theirs.
gj_expect_eq "$(sed -n 2p "$GX_SETTINGS")" "# my lamp" "the comment"
gj_expect_eq "$(sed -n 3p "$GX_SETTINGS")" "lavaHue = 0.5" "lavaHue"
gj_expect_eq "$(sed -n 4p "$GX_SETTINGS")" "speed = 100" "speed"
gj_expect_eq "$(sed -n 5p "$GX_SETTINGS")" "sparkle = 11" "the unknown line"
gj_expect_eq "$(gx_setting numParticles)" 120 "numParticles"
gj_expect_eq "$(gx_setting noBlobsSaved)" 120 "blobs saved"
gj_expect_eq "$(gx_setting startFullScreen)" false "startFullScreen"

# Bad command lines and a missing display: a message and 1, nothing touched.
before=$(md5sum <"$GX_SETTINGS")
for bad in "--speed 5000" "--lava-hue red" "--window-id nothing" "--sparkle" "--show-particles=yes" "--size 0x10"; do
    # shellcheck disable=SC2086
    message=$("$GX_BIN/glimmerjar" $bad 2>&1 >/dev/null)
    code=$?
    echo "$bad: $message"
    gj_expect_eq "$code" 1 "exit code of $bad"
    case "$message" in "glimmerjar: "*) ;; *) gj_fail "no message for $bad" ;; esac
done
DISPLAY=:999 "$GX_BIN/glimmerjar" >/dev/null 2>"$GX_TMP/no-display.err"
gj_expect_eq "$?" 1 "exit code without a display"
message=$(tail -1 "$GX_TMP/no-display.err")  # after the report of the unknown line
gj_expect_eq "$message" 'glimmerjar: cannot open the X display ":999"' "message without a display"
gj_expect_eq "$(md5sum <"$GX_SETTINGS")" "$before" "the settings file after refused starts"
echo "ok"
