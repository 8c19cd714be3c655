#!/usr/bin/env bash
# The screen saver is a toy too: moving the mouse and clicking never end it, Escape does. A
# preview takes no input: keys and drags on it change nothing.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_cleanup' EXIT
wine reg delete "$key" /f >/dev/null 2>&1
stored() { gj_reg_query "$key" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }

gj_start glimmerjar.scr saver /s
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
gj_key Shift
for spot in "100 100" "500 400" "900 700" "300 600"; do
    xdotool mousemove $spot
    sleep 0.2
done
xdotool mousemove 512 500 click 1
sleep 0.2
xdotool click 3
sleep 0.2
xdotool click 2
sleep 0.3
# A drag of two steps to the right, a moment apart as a hand makes them.
xdotool mousedown 1
sleep 0.2
xdotool mousemove 540 500
sleep 0.2
xdotool mousemove 570 500
sleep 0.2
xdotool mouseup 1
sleep 1.5
gj_running "$saver" || gj_fail "mouse motion or clicks ended the screen saver"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$saver" 15)" 0 "saver exit code"
# The drag turned the lamp even in the saver.
angle=$(stored rot_angle)
awk -v a="$angle" 'BEGIN { exit !(a > 50 && a < 70) }' || gj_fail "the saver's drag left rot_angle at $angle"

# The Configure run's lamp takes no input either while its dialog is open.
wine reg delete "$key" /f >/dev/null 2>&1
gj_start glimmerjar.scr configure /c
lamp_line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
dialog=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Configuration' 15)" hwnd)
x=$(( $(gj_field "$lamp_line" x) + 150 )) y=$(( $(gj_field "$lamp_line" y) + 250 ))
xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + 20)) "$y" mousemove $((x + 40)) "$y" mouseup 1
xdotool mousemove "$x" "$y" click 5 click 5
sleep 0.5
gj_helper post "$dialog" 0x111 2 >/dev/null  # Cancel
gj_expect_eq "$(gj_wait_exit "$configure" 15)" 0 "Configure exit code"
for name in rot_angle rot_speed; do
    value=$(stored "$name")
    [ "$value" = "0.000000" ] || gj_fail "$name is $value after input on the Configure lamp"
done

# A preview: keys and drags do nothing.
wine reg delete "$key" /f >/dev/null 2>&1
parent_out="$GJ_TMP/parent.out"
( wine "$GJ_BIN/gjtest.exe" parent 200 150 12 >"$parent_out" 2>/dev/null ) &
GJ_PIDS+=("$!")
for _ in $(seq 1 40); do grep -q '^hwnd=' "$parent_out" 2>/dev/null && break; sleep 0.25; done
parent=$(sed -n 's/^hwnd=//p' "$parent_out" | tr -d '\r')
[ -n "$parent" ] || gj_fail "no preview parent window"
gj_start glimmerjar.scr preview /p "$parent"
sleep 3
pxid=$(xdotool search --name '^Preview parent$' | head -1)
[ -n "$pxid" ] && timeout 2 xdotool windowfocus --sync "$pxid" 2>/dev/null
xdotool mousemove 110 110 mousedown 1 mousemove 130 110 mousemove 150 110 mouseup 1
xdotool key Right Right ctrl+Down Escape p o
gj_running "$preview" || gj_fail "the preview ended on input"
gj_expect_eq "$(gj_wait_exit "$preview" 20)" 0 "preview exit code after its parent went"
for name in rot_angle rot_speed zoom; do
    value=$(stored "$name")
    [ "$value" = "0.000000" ] || gj_fail "$name is $value after input on a preview"
done
gj_expect_eq "$(stored showPolygons)" "0x0" "showPolygons after p on a preview"
echo "ok"
