#!/usr/bin/env bash
# While the system reports the display off, or the window is minimised, the lamp neither
# moves nor draws and costs next to nothing; when it is seen again it goes on where it was.
. "$(dirname "$0")/harness.sh"
gj_load

gj_start glimmerjar.exe lamp /w 1000x720
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
hwnd=$(gj_field "$line" hwnd)
unix_pid=$(pgrep -P "$lamp" | head -1)
[ -n "$unix_pid" ] || gj_fail "no process for the lamp"

# cpu_ticks: user and system time of the lamp's process so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$unix_pid/stat"; }
# cpu_over SECONDS: the ticks the lamp spends in that many seconds.
cpu_over() {
    local before after
    before=$(cpu_ticks)
    sleep "$1"
    after=$(cpu_ticks)
    echo $((after - before))
}
# moving: whether two pictures of the lamp a second apart differ.
moving() {
    gj_client_shot "$line" "$GJ_TMP/a.png"
    sleep 1
    gj_client_shot "$line" "$GJ_TMP/b.png"
    [ "$(compare -metric AE "$GJ_TMP/a.png" "$GJ_TMP/b.png" null: 2>&1 || true)" != 0 ]
}

sleep 2
moving || gj_fail "the lamp does not move with the display on"
on=$(cpu_over 5)

gj_helper display "$hwnd" off || gj_fail "the display-off notification could not be sent"
sleep 0.5
off=$(cpu_over 5)
echo "CPU over 5 s: display on $on ticks, off $off ticks"
(( off * 10 < on )) || gj_fail "with the display off the lamp still costs $off ticks in 5 s (on: $on)"
moving && gj_fail "the lamp still draws with the display off"

# Dimmed is still shown.
gj_helper display "$hwnd" dim || gj_fail "the dimmed notification could not be sent"
sleep 0.5
moving || gj_fail "the lamp does not move with the display dimmed"

gj_helper display "$hwnd" off
sleep 0.5
gj_helper display "$hwnd" on || gj_fail "the display-on notification could not be sent"
sleep 0.5
moving || gj_fail "the lamp did not come back with the display"
again=$(cpu_over 3)
(( again * 5 > on )) || gj_fail "after the display came back the lamp costs only $again ticks in 3 s"

# Minimised, nobody sees it either.
gj_helper post "$hwnd" WM_SYSCOMMAND 0xF020  # SC_MINIMIZE
sleep 1
minimised=$(cpu_over 3)
echo "CPU over 3 s minimised: $minimised ticks"
(( minimised * 10 * 5 < on * 3 )) || gj_fail "minimised the lamp still costs $minimised ticks in 3 s (on: $on in 5 s)"
gj_helper post "$hwnd" WM_SYSCOMMAND 0xF120  # SC_RESTORE
sleep 1
moving || gj_fail "the lamp did not come back from the task bar"

gj_helper post "$hwnd" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "lamp exit code"
echo "ok"
