#!/usr/bin/env bash
# The screen saver covers the screen on top, runs once only, ignores closes it did not ask
# for, and ends on Escape. A lamp open in a window does not keep it from starting.
. "$(dirname "$0")/harness.sh"
gj_load

# The windows of both lamps share class and title; the saver's is the pop-up.
saver_line() {
    gj_helper find WindowsScreenSaverClass Glimmerjar | grep '^hwnd=' |
        while read -r l; do (( (0x$(gj_field "$l" style) & 0x80000000) != 0 )) && echo "$l"; done
}

gj_start glimmerjar.exe lamp /w
lamp_line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
lamp_hwnd=$(gj_field "$lamp_line" hwnd)

gj_start glimmerjar.scr first /s
line=""
for _ in $(seq 1 80); do
    line=$(saver_line)
    [ -n "$line" ] && break
    gj_running "$first" || gj_fail "the saver ended at once (exit code $(gj_wait_exit "$first" 1)) while a lamp was open"
    sleep 0.25
done
[ -n "$line" ] || gj_fail "no saver window beside the open lamp"
gj_expect_eq "$(gj_field "$line" x),$(gj_field "$line" y),$(gj_field "$line" w)x$(gj_field "$line" h)" \
    "0,0,1024x768" "saver rectangle"
(( (0x$(gj_field "$line" style) & 0x80000000) != 0 )) || gj_fail "saver is not a pop-up"
(( (0x$(gj_field "$line" exstyle) & 0x8) != 0 )) || gj_fail "saver is not topmost"
hwnd=$(gj_field "$line" hwnd)

# A second saver finds the first and leaves.
gj_start glimmerjar.scr second /S
gj_expect_eq "$(gj_wait_exit "$second" 20)" 0 "second saver's exit code"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass -)" 2 "lamp windows (the lamp and one saver)"
gj_running "$first" || gj_fail "the first saver ended"

# Closes from outside (another program, Alt+F4) are swallowed.
gj_helper post "$hwnd" WM_CLOSE
sleep 1.5
gj_running "$first" || gj_fail "an outside WM_CLOSE ended the saver"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass Glimmerjar)" 2 "lamp windows after WM_CLOSE"

gj_key Escape
gj_expect_eq "$(gj_wait_exit "$first" 15)" 0 "saver exit code after Escape"
gj_running "$lamp" || gj_fail "the windowed lamp ended with the saver"

# With the saver gone the lamp closes as any window does.
gj_helper post "$lamp_hwnd" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "lamp exit code"
echo "ok"
