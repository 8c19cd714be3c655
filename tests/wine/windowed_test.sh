#!/usr/bin/env bash
# Windowed mode: requested and default sizes, centred on the 1024x768 display; Escape and a
# close message from outside both end it with 0.
. "$(dirname "$0")/harness.sh"
gj_load

check_window() {  # args expected: x y w h
    local line=$1
    gj_expect_eq "$(gj_field "$line" x),$(gj_field "$line" y)" "$2,$3" "window position"
    gj_expect_eq "$(gj_field "$line" w)x$(gj_field "$line" h)" "$4x$5" "window size"
}

gj_start glimmerjar.exe pid /w 800x600
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
check_window "$line" 112 84 800 600
style=$(gj_field "$line" style)
# Overlapped window: caption and sizing frame, not a pop-up, not topmost.
(( (0x$style & 0x00C00000) == 0x00C00000 )) || gj_fail "no caption: style $style"
(( (0x$style & 0x80000000) == 0 )) || gj_fail "pop-up style in a window: $style"
(( (0x$(gj_field "$line" exstyle) & 0x8) == 0 )) || gj_fail "windowed lamp is topmost"
sleep 0.5
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after Escape"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass -)" 0 "windows left after Escape"

for args in "/w" "/w 800x0" "/wide"; do
    # shellcheck disable=SC2086
    gj_start glimmerjar.exe pid $args
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    check_window "$line" 341 192 341 384
    sleep 0.3
    gj_key space
    gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after Space ('$args')"
done

# A close message the program did not ask for closes an ordinary window.
gj_start glimmerjar.exe pid /w 400x300
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after WM_CLOSE"
echo "ok"
