#!/usr/bin/env bash
# Windowed mode: requested and default sizes, centred on the 1024x768 display; a size
# larger than the display, or too large a number, still gives a window wholly on it that
# shows the lamp; Escape and a close message from outside both end it with 0. The lava goes
# to OpenGL through buffer objects, and through vertex arrays where the driver offers less
# than OpenGL 1.5 (Mesa told to offer 1.4): the lamp is drawn either way.
. "$(dirname "$0")/harness.sh"
. "$(dirname "$0")/../lamp_pixels.sh"
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
grep -q "Lava surfaces through buffer objects" "$pid_LOG" || gj_fail "the lava did not go through buffer objects"

MESA_GL_VERSION_OVERRIDE=1.4 gj_start glimmerjar.exe pid /w 533x600
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
sleep 2
import -window root "$GJ_TMP/arrays.png" || gj_fail "no screenshot"
read -r lava glow _ <<<"$(lamp_pixel_counts "$GJ_TMP/arrays.png" \
    "$(gj_field "$line" w)x$(gj_field "$line" h)+$(gj_field "$line" x)+$(gj_field "$line" y)")"
[ "$lava" -gt 300 ] && [ "$glow" -gt 600 ] || gj_fail "no lamp drawn through vertex arrays ($lava, $glow)"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after Escape (OpenGL 1.4)"
grep -q "Lava surfaces through vertex arrays" "$pid_LOG" || gj_fail "the lava did not go through vertex arrays with OpenGL 1.4"

for args in "/w" "/w 800x0" "/wide"; do
    # shellcheck disable=SC2086
    gj_start glimmerjar.exe pid $args
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    check_window "$line" 341 192 341 384
    sleep 0.3
    gj_key space
    gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after Space ('$args')"
done

# Too large for the screen, or no number at all: a window on the screen, with the lamp in it.
for size in 100000x100000 99999999999999999999x5; do
    gj_start glimmerjar.exe pid /w "$size"
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    x=$(gj_field "$line" x); y=$(gj_field "$line" y); w=$(gj_field "$line" w); h=$(gj_field "$line" h)
    echo "/w $size: $x,$y ${w}x$h"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
        gj_fail "the window for /w $size is not wholly on the screen: $x,$y ${w}x$h"
    sleep 2
    import -window root "$GJ_TMP/large.png" || gj_fail "no screenshot"
    read -r lava glow black <<<"$(lamp_pixel_counts "$GJ_TMP/large.png" "${w}x${h}+${x}+${y}")"
    [ "$lava" -gt 300 ] && [ "$glow" -gt 600 ] || gj_fail "no lamp in the window for /w $size ($lava, $glow)"
    gj_key Escape
    gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after Escape (/w $size)"
done

# A close message the program did not ask for closes an ordinary window.
gj_start glimmerjar.exe pid /w 400x300
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE
gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code after WM_CLOSE"
echo "ok"
