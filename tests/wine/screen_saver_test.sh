#!/usr/bin/env bash
# The screen saver covers the screen on top, runs once only, ignores closes it did not ask
# for, and ends on Escape.
. "$(dirname "$0")/harness.sh"
gj_load

gj_start glimmerjar.scr first /s
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_expect_eq "$(gj_field "$line" x),$(gj_field "$line" y),$(gj_field "$line" w)x$(gj_field "$line" h)" \
    "0,0,1024x768" "saver rectangle"
(( (0x$(gj_field "$line" style) & 0x80000000) != 0 )) || gj_fail "saver is not a pop-up"
(( (0x$(gj_field "$line" exstyle) & 0x8) != 0 )) || gj_fail "saver is not topmost"
hwnd=$(gj_field "$line" hwnd)

# A second saver finds the first and leaves.
gj_start glimmerjar.scr second /S
gj_expect_eq "$(gj_wait_exit "$second" 20)" 0 "second saver's exit code"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass -)" 1 "saver windows"
gj_running "$first" || gj_fail "the first saver ended"

# Closes from outside (another program, Alt+F4) are swallowed.
gj_helper post "$hwnd" WM_CLOSE
sleep 1.5
gj_running "$first" || gj_fail "an outside WM_CLOSE ended the saver"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass Glimmerjar)" 1 "saver windows after WM_CLOSE"

gj_key Escape
gj_expect_eq "$(gj_wait_exit "$first" 15)" 0 "saver exit code after Escape"
echo "ok"
