#!/usr/bin/env bash
# The saver file without arguments (also copied under another name) opens the Configure
# window of 350x500 left of the screen's centre.
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
    gj_helper post "$(gj_field "$line" hwnd)" WM_CLOSE
    gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code of '$run'"
done
echo "ok"
