#!/usr/bin/env bash
# The saver file without arguments (also copied under another name) opens the Configure
# window of 350x500 left of the screen's centre, with the configuration dialog; the program
# ends when the dialog is closed.
. "$(dirname "$0")/harness.sh"
gj_load

cp "$GJ_BIN/glimmerjar.scr" "$GJ_TMP/Lava Lamp.scr"
for run in "glimmerjar.scr" "Lava Lamp.scr" "glimmerjar.scr /c" "glimmerjar.scr /c:0"; do
    case "$run" in
        "Lava Lamp.scr") gj_start_file "$GJ_TMP/Lava Lamp.scr" pid ;;
        *" "*) gj_start "${run%% *}" pid "${run#* }" ;;
        *) gj_start "$run" pid ;;
    esac
    line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    gj_expect_eq "$(gj_field "$line" x),$(gj_field "$line" y),$(gj_field "$line" w)x$(gj_field "$line" h)" \
        "162,134,350x500" "Configure window for '$run'"
    dialog=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Configuration' 15)" hwnd)
    cancel=$(gj_helper children "$dialog" | grep ' id=2 ')
    xdotool mousemove $(( $(gj_field "$cancel" x) + 10 )) $(( $(gj_field "$cancel" y) + 5 )) click 1
    gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code of '$run'"
done
echo "ok"
