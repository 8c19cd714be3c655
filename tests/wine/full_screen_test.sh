#!/usr/bin/env bash
# The 'f' key relaunches the running program file (from any folder, under any name) in the
# other mode, and the mode is remembered for a start without arguments.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
wine reg delete "$key" /f >/dev/null 2>&1

mkdir -p "$GJ_TMP/elsewhere"
cp "$GJ_BIN/glimmerjar.exe" "$GJ_TMP/elsewhere/glimmerjar.exe"
program="$GJ_TMP/elsewhere/glimmerjar.exe"

gj_start_file "$program" pid /w 400x300
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
sleep 0.3
gj_key f
gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code of the windowed program"
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_expect_eq "$(gj_field "$line" w)x$(gj_field "$line" h)" "1024x768" "relaunched full-screen size"
(( (0x$(gj_field "$line" exstyle) & 0x8) != 0 )) || gj_fail "full screen is not topmost"
gj_reg_query "$key" /v startFullScreen | grep -q '0x0' || gj_fail "windowed run did not store startFullScreen 0"

# Back to a window with 'f' again, from the relaunched process.
sleep 0.3
gj_key f
for _ in $(seq 1 60); do
    line=$(gj_helper find WindowsScreenSaverClass Glimmerjar | grep '^hwnd=' || true)
    # The new window, once it is shown (while being made it is hidden and has no size yet).
    [ -n "$line" ] && [ "$(gj_field "$line" visible)" = 1 ] && [ "$(gj_field "$line" w)" != 1024 ] &&
        [ "$(gj_field "$line" w)" != 0 ] && break
    sleep 0.25
done
gj_expect_eq "$(gj_field "$line" w)x$(gj_field "$line" h)" "341x384" "relaunched window size"
gj_reg_query "$key" /v startFullScreen | grep -q '0x1' || gj_fail "full-screen run did not store startFullScreen 1"
sleep 0.5  # the new window takes the focus a moment after it appears
gj_key Escape
gj_wait_no_window WindowsScreenSaverClass - 10

# Without arguments the program comes back as it was left: windowed now...
gj_start_file "$program" pid
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_expect_eq "$(gj_field "$line" w)x$(gj_field "$line" h)" "341x384" "start without arguments after a windowed run"
gj_key Escape
gj_wait_exit "$pid" 15 >/dev/null
# ...and full screen when that was stored.
wine reg add "$key" /v startFullScreen /t REG_DWORD /d 1 /f >/dev/null 2>&1
gj_start_file "$program" pid
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_expect_eq "$(gj_field "$line" w)x$(gj_field "$line" h)" "1024x768" "start without arguments after a full-screen run"
gj_key Escape
gj_wait_exit "$pid" 15 >/dev/null
echo "ok"
