#!/usr/bin/env bash
# Movies on the Wine desktop: Ctrl+Shift+M twice records a numbered folder of consecutive
# frames that change from one to the next; resizing the window during a recording stops
# it and keeps the frames. A desktop that cannot be written to never stops the lamp and
# leaves no file behind.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
desktop=$(gj_desktop)
restore_desktop() {
    [ -d "$desktop.away" ] && { rm -rf "$desktop"; mv "$desktop.away" "$desktop"; }
    rm -rf "$desktop"/GlimmerjarMovie* "$desktop"/GlimmerjarScreenshot_*
}
trap 'wine reg delete "$key" /f >/dev/null 2>&1; restore_desktop; gj_cleanup' EXIT
wine reg delete "$key" /f >/dev/null 2>&1
restore_desktop

frames() { ls "$desktop/GlimmerjarMovie$1" 2>/dev/null | grep -c '^[0-9]\{5\}\.bmp$'; }
# settled N: the frame count of movie N once it has stopped growing for a second (a busy
# machine may take a while to handle the key and write the last frames); fails after 15 s.
settled() {
    local before=-1 now i
    for i in $(seq 1 15); do
        now=$(frames "$1")
        [ "$now" = "$before" ] && { echo "$now"; return 0; }
        before=$now
        sleep 1
    done
    gj_fail "movie $1 still grows 15 s after it was stopped ($now frames)"
}

xdotool mousemove 1 1
gj_start glimmerjar.exe lamp /w 400x400
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_key ctrl+shift+m
sleep 2
gj_key ctrl+shift+m
count=$(settled 0)
[ "$count" -ge 10 ] || gj_fail "only $count movie frames in 2 seconds"
sleep 1.5
gj_expect_eq "$(frames 0)" "$count" "frames after the recording stopped"
last=$((count - 1))
# Consecutive numbers from 00000, each a picture of the window, the lava moving between them.
for n in $(seq 0 "$last"); do
    [ -f "$desktop/GlimmerjarMovie0/$(printf '%05d' "$n").bmp" ] || gj_fail "frame $n is missing"
done
gj_expect_eq "$(identify -format '%w %h' "$desktop/GlimmerjarMovie0/00000.bmp")" \
    "$(gj_field "$line" cw) $(gj_field "$line" ch)" "frame size"
changed=$(compare -metric AE "$desktop/GlimmerjarMovie0/00000.bmp" \
    "$desktop/GlimmerjarMovie0/$(printf '%05d' "$last").bmp" null: 2>&1)
[ "${changed%%.*}" -gt 0 ] 2>/dev/null || gj_fail "the movie's first and last frames are the same"

# Resizing during a recording stops it; the frames stay.
gj_key ctrl+shift+m
sleep 1
[ "$(frames 1)" -ge 3 ] || gj_fail "the second recording did not start"
gj_helper move "$(gj_field "$line" hwnd)" "$(gj_field "$line" x)" "$(gj_field "$line" y)" 500 420 >/dev/null
kept=$(settled 1)
sleep 1.5
gj_expect_eq "$(frames 1)" "$kept" "frames after the resize"
tr -d '\r' <"$lamp_LOG" | grep -q '^Error: screen resized during movie recording. Stopping movie recording.$' ||
    gj_fail "no word of the stopped recording"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"

# A desktop that is a file: nothing can be written there, and the lamp goes on.
mv "$desktop" "$desktop.away"
echo "not a folder" >"$desktop"
gj_start glimmerjar.exe lamp /w 400x400
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
gj_key s
gj_key ctrl+shift+m
sleep 1
gj_key ctrl+shift+m
sleep 1
gj_running "$lamp" || gj_fail "the lamp ended when its desktop could not be written"
gj_expect_eq "$(cat "$desktop")" "not a folder" "the file in the desktop's place"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code with an unwritable desktop"
grep -q "Couldn't open .*GlimmerjarScreenshot_0.bmp for writing" "$lamp_LOG" || gj_fail "no word of the failed screenshot"
grep -q "Couldn't create folder for movie" "$lamp_LOG" || gj_fail "no word of the failed movie"
echo "ok"
