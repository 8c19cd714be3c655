#!/usr/bin/env bash
# The help viewer's link opens the web site through the shell: at once in a window, after a
# note in full screen (where the browser would open unseen behind the lamp); a click just
# beside the link does nothing. A recorder stands in for the browser as the https handler.
. "$(dirname "$0")/harness.sh"
gj_load

visits=$GJ_TMP/visits.txt
handler_key='HKCR\https\shell\open\command'
saved_handler=$(gj_reg_query "$handler_key" /ve | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p')
restore_handler() {
    if [ -n "$saved_handler" ]; then
        wine reg add "$handler_key" /ve /d "$saved_handler" /f >/dev/null 2>&1
    else
        wine reg delete "$handler_key" /ve /f >/dev/null 2>&1
    fi
}
trap 'restore_handler; gj_cleanup' EXIT
wine reg add "$handler_key" /ve /d "\"$(winepath -w "$GJ_BIN/gjtest.exe")\" record \"$(winepath -w "$visits")\" \"%1\"" \
    /f >/dev/null 2>&1 || gj_fail "cannot register the https recorder"

# click_at X Y: a real click of the left button.
click_at() { xdotool mousemove "$1" "$2" click 1; }

# open_help: presses h in the newest lamp and prints the link's description line.
open_help() {
    gj_key h
    dialog=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Help' 15)" hwnd)
    gj_helper children "$dialog" | grep ' id=1072 '
}

# close_help: a real click on the help viewer's OK button.
close_help() {
    local ok
    ok=$(gj_helper children "$dialog" | grep ' id=1 ')
    click_at $(( $(gj_field "$ok" x) + $(gj_field "$ok" w) / 2 )) $(( $(gj_field "$ok" y) + $(gj_field "$ok" h) / 2 ))
    gj_wait_no_window '#32770' 'Glimmerjar Help' 10
}

wait_for_visit() {
    local i
    for i in $(seq 1 60); do
        [ -s "$visits" ] && return 0
        sleep 0.25
    done
    gj_fail "the web site was not opened"
}

# --- a window: the link opens the site at once ---
gj_start glimmerjar.exe lamp /w
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
open_help >"$GJ_TMP/link"
link=$(cat "$GJ_TMP/link")
x=$(gj_field "$link" x) y=$(gj_field "$link" y) w=$(gj_field "$link" w) h=$(gj_field "$link" h)
# Just outside the link's right edge, and on its top edge: nothing happens.
click_at $((x + w + 2)) $((y + h / 2))
click_at $((x + w / 2)) "$y"
sleep 2
[ ! -s "$visits" ] || gj_fail "a click beside the link opened the site: $(cat "$visits")"
# On the link text: the site opens, without a note.
click_at $((x + 20)) $((y + h / 2))
wait_for_visit
gj_expect_eq "$(tr -d '\r' <"$visits")" "https://glimmerjar.app/" "address opened"
gj_expect_eq "$(gj_count_windows '#32770' Note)" 0 "notes shown in a window"
close_help
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "windowed exit code"

# --- full screen: a note comes first ---
: >"$visits"
gj_start glimmerjar.exe full /f
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
open_help >"$GJ_TMP/link"
link=$(cat "$GJ_TMP/link")
click_at $(( $(gj_field "$link" x) + 20 )) $(( $(gj_field "$link" y) + $(gj_field "$link" h) / 2 ))
gj_wait_window '#32770' Note 10 >/dev/null
sleep 1
[ ! -s "$visits" ] || gj_fail "the site opened before the note was read"
xdotool key Return
gj_wait_no_window '#32770' Note 10
wait_for_visit
gj_expect_eq "$(tr -d '\r' <"$visits")" "https://glimmerjar.app/" "address opened from full screen"
close_help
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$full" 15)" 0 "full-screen exit code"
echo "ok"
