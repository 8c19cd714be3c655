#!/usr/bin/env bash
# The lamp in a window someone else made, as XScreenSaver runs its hacks: --window-id draws
# into the window and the lamp ends (saving the lava) when the window is destroyed;
# XSCREENSAVER_WINDOW with --root does the same; and the command line that the installed
# glimmerjar.xml gives, started as XScreenSaver starts a hack, draws the lamp; a junk
# XSCREENSAVER_WINDOW is said; a window of its own names its process and is never smaller
# than 160 pixels a side; a lamp whose display goes away saves the lava.
. "$(dirname "$0")/harness.sh"
gx_setup

# make_window OUTVAR: a 400 x 300 window of the test's own at the top left; OUTVAR gets its
# id, OUTVAR_PID the process that keeps it.
make_window() {
    "$GX_BIN/tests/x11/test_window" 400 300 >"$GX_TMP/window-$1.out" 2>&1 &
    local keeper=$! deadline=$((SECONDS + 10))
    GX_PIDS+=("$keeper")
    until grep -q '^window=' "$GX_TMP/window-$1.out"; do
        [ $SECONDS -lt $deadline ] || gj_fail "the test window did not appear: $(cat "$GX_TMP/window-$1.out")"
        sleep 0.1
    done
    printf -v "$1" '%s' "$(sed -n 's/^window=//p' "$GX_TMP/window-$1.out")"
    printf -v "$1_PID" '%s' "$keeper"
}

# lamp_in_window_ends TAG WINDOW KEEPER WHAT: the lamp draws into the window and ends,
# with 0, within two seconds of the window being destroyed.
lamp_in_window_ends() {
    gx_wait_frames "$1" 12 30
    gx_lamp_shows "400x300+0+0" "$4"
    # No window of its own: the lamp drew into the one it was given.
    [ -z "$(xdotool search --name '^Glimmerjar$' 2>/dev/null)" ] || gj_fail "$4 opened a window of its own"
    kill "$3"
    gj_expect_eq "$(gx_wait_exit "$1" 2)" 0 "exit code after the window went ($4)"
    gj_expect_eq "$(gx_setting noBlobsSaved)" 175 "blobs saved ($4)"
}

# A window that does not exist: a message and 1.
message=$("$GX_BIN/glimmerjar" --window-id 0x7777777 2>&1 >/dev/null)
gj_expect_eq "$?" 1 "exit code for a window that is not there"
gj_expect_eq "$message" "glimmerjar: there is no X window 0x7777777" "message for a window that is not there"

make_window target
echo "test window $target"
gx_start lamp --window-id "$target"
lamp_in_window_ends "$lamp" "$target" "$target_PID" "--window-id"
rm -f "$GX_SETTINGS"

make_window saver
XSCREENSAVER_WINDOW=$saver gx_start lamp --root
lamp_in_window_ends "$lamp" "$saver" "$saver_PID" "XSCREENSAVER_WINDOW"
rm -f "$GX_SETTINGS"

# The installed description's command: the program, the <command> arguments and every
# setting at its default, as XScreenSaver's settings tool writes them into ~/.xscreensaver.
xml="$GX_BIN/glimmerjar.xml"
[ -f "$xml" ] || gj_fail "no $xml"
mapfile -t command < <(python3 - "$xml" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
for element in root.iter():
    if element.tag == "command":
        print(element.get("arg"))
    elif element.tag == "number":
        for word in element.get("arg").replace("%", element.get("default")).split():
            print(word)
PY
)
echo "the description's command: glimmerjar ${command[*]}"
make_window hack
gx_start lamp "${command[@]}" --window-id "$hack"
lamp_in_window_ends "$lamp" "$hack" "$hack_PID" "the description's command"

# An XSCREENSAVER_WINDOW that names no window is said, not passed over in silence.
XSCREENSAVER_WINDOW=junk gx_start lamp --root
gx_wait_frames "$lamp" 3 30
gx_log "$lamp" | grep -q 'XSCREENSAVER_WINDOW is "junk", not the number of a window; drawing on the root window' ||
    gj_fail "no word of a junk XSCREENSAVER_WINDOW"
kill -TERM "$(gx_pid "$lamp")"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code with a junk XSCREENSAVER_WINDOW"

# A window of its own says whose it is (process, machine, class) and is never too small
# to see the lamp in.
gx_start lamp --size 1x1
window=$(gx_wait_window 20)
read -r x y w h <<<"$(gx_geometry "$window")"
gj_expect_eq "$w x $h" "160 x 160" "the window asked for at 1x1"
gj_expect_eq "$(xprop -id "$window" _NET_WM_PID)" "_NET_WM_PID(CARDINAL) = $(gx_pid "$lamp")" "_NET_WM_PID"
xprop -id "$window" WM_CLIENT_MACHINE | grep -q "\"$(hostname)\"" || gj_fail "no WM_CLIENT_MACHINE"
gj_expect_eq "$(xprop -id "$window" WM_CLASS)" 'WM_CLASS(STRING) = "glimmerjar", "Glimmerjar"' "WM_CLASS"
kill -TERM "$(gx_pid "$lamp")"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code of the small window"

# The X server goes away under a running lamp: it saves the lava and ends with 0.
rm -f "$GX_SETTINGS"
gx_start lamp --root
gx_wait_frames "$lamp" 3 30
kill "$GX_XVFB"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code when the display went"
gj_expect_eq "$(gx_setting noBlobsSaved)" 175 "blobs saved when the display went"
echo "ok"
