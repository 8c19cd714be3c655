#!/usr/bin/env bash
# Without the rich-edit library the help viewer says so instead of opening, the lamp goes
# on, and the next try asks for the library again.
. "$(dirname "$0")/harness.sh"
gj_load

# Wine's own msftedit.dll is switched off for this program only.
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;msftedit=" gj_start glimmerjar.exe lamp /w
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null

for attempt in 1 2; do
    gj_key h
    box=$(gj_field "$(gj_wait_window '#32770' ERROR 15)" hwnd)
    message=$(gj_helper children "$box" | grep 'class=Static' | sed -n 's/.* title=//p' | grep .)
    gj_expect_eq "$message" \
        "Can not load MSFTEDIT.DLL. Please contact support by going to the lava lamp web site." \
        "message of attempt $attempt"
    gj_expect_eq "$(gj_count_windows '#32770' 'Glimmerjar Help')" 0 "help viewers on attempt $attempt"
    xdotool key Return
    gj_wait_no_window '#32770' ERROR 10
done
gj_expect_eq "$(grep -c 'Loaded the rich-edit library' "$lamp_LOG")" 0 "library loads reported"

# The lamp was not left paused.
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 5)
crop="$(gj_field "$line" w)x$(gj_field "$line" h)+$(gj_field "$line" x)+$(gj_field "$line" y)"
import -window root -crop "$crop" +repage "$GJ_TMP/a.png"
sleep 1.5
import -window root -crop "$crop" +repage "$GJ_TMP/b.png"
changed=$(compare -metric AE "$GJ_TMP/a.png" "$GJ_TMP/b.png" null: 2>&1)
[ "${changed%%.*}" -gt 0 ] 2>/dev/null || gj_fail "the lamp stayed paused after the failed help (changed: $changed)"

gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
echo "ok"
