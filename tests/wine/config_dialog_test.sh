#!/usr/bin/env bash
# The configuration dialog of the real program: the Configure run (/c, and the saver file
# without arguments) shows it at once beside its lamp and ends with it, by OK or Cancel; in
# a windowed lamp the c key opens it beside the lamp, every control holds its text (and
# the help viewer's), a trackbar dragged with the mouse changes the lamp at once, Cancel
# puts the lamp back, and OK stores the change.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_cleanup' EXIT
wine reg delete "$key" /f >/dev/null 2>&1

config_dialog() { gj_wait_window '#32770' 'Glimmerjar Configuration' 15; }
child_line() { gj_helper children "$1" | grep " id=$2 "; }
# beside LAMP_LINE DIALOG_LINE WHAT: the dialog lies wholly on the screen and off the lamp.
beside() {
    local lx=$(gj_field "$1" x) ly=$(gj_field "$1" y) lw=$(gj_field "$1" w) lh=$(gj_field "$1" h)
    local dx=$(gj_field "$2" x) dy=$(gj_field "$2" y) dw=$(gj_field "$2" w) dh=$(gj_field "$2" h)
    echo "$3: lamp $lx,$ly ${lw}x$lh, dialog $dx,$dy ${dw}x$dh"
    [ "$dx" -ge 0 ] && [ "$dy" -ge 0 ] && [ $((dx + dw)) -le "$screen_w" ] && [ $((dy + dh)) -le "$screen_h" ] ||
        gj_fail "$3: the dialog is not wholly on the screen"
    [ $((dx + dw)) -le "$lx" ] || [ "$dx" -ge $((lx + lw)) ] || [ $((dy + dh)) -le "$ly" ] || [ "$dy" -ge $((ly + lh)) ] ||
        gj_fail "$3: the dialog covers the lamp"
}
# holds_its_text HWND WHAT: the helper finds no control whose text is cut.
holds_its_text() {
    gj_helper fit "$1" >"$GJ_TMP/fit.txt" || gj_fail "$2: a control's text does not fit: $(grep 'fits=0' "$GJ_TMP/fit.txt")"
    grep -q 'text=Slowly shift lamp left and right to avoid burn-in' "$GJ_TMP/fit.txt" || [ "$2" != "the dialog" ] ||
        gj_fail "$2: the helper did not measure the check boxes"
}
centre_of() { echo "$(( $(gj_field "$1" x) + $(gj_field "$1" w) / 2 )) $(( $(gj_field "$1" y) + $(gj_field "$1" h) / 2 ))"; }
click_control() { xdotool mousemove $(centre_of "$(child_line "$1" "$2")") click 1; }
# The share of clearly green pixels: none in the lamp at its default colours.
green_share() { convert "$1" -fx 'g > r + 0.25 && g > b + 0.25' -format '%[fx:mean]' info:; }
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# --- the Configure run ---
read -r screen_w screen_h <<<"$(gj_helper screen)"
for run in "glimmerjar.scr /c" "glimmerjar.scr"; do
    if [ "$run" = glimmerjar.scr ]; then gj_start glimmerjar.scr pid; else gj_start glimmerjar.scr pid /c; fi
    lamp_line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
    dialog_line=$(config_dialog)
    beside "$lamp_line" "$dialog_line" "'$run'"
    # Right of the lamp, a small gap apart.
    lamp_right=$(( $(gj_field "$lamp_line" x) + $(gj_field "$lamp_line" w) ))
    [ $(( $(gj_field "$dialog_line" x) - lamp_right )) -le 16 ] || gj_fail "the dialog is not beside the lamp in '$run'"
    # One run ends by OK, the other by Cancel.
    if [ "$run" = "glimmerjar.scr /c" ]; then id=1; else id=2; fi
    click_control "$(gj_field "$dialog_line" hwnd)" $id
    gj_expect_eq "$(gj_wait_exit "$pid" 15)" 0 "exit code of '$run' after button $id"
done

# --- a windowed lamp: c opens the dialog; a dragged trackbar changes the lamp live ---
gj_start glimmerjar.exe lamp /w
lamp_line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_helper move "$(gj_field "$lamp_line" hwnd)" 10 60 341 384 >/dev/null
sleep 1
lamp_line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 5)
gj_client_shot "$lamp_line" "$GJ_TMP/before.png"
before=$(green_share "$GJ_TMP/before.png")
greater 0.002 "$before" || gj_fail "green in the lamp before any change (share $before)"

gj_key c
dialog_line=$(config_dialog)
dialog=$(gj_field "$dialog_line" hwnd)
beside "$lamp_line" "$dialog_line" "c in a window"
holds_its_text "$dialog" "the dialog"
gj_expect_eq "$(child_line "$dialog" 1032 | sed -n 's/.* title=//p')" "175" "particle count label"
# Drag the lava Color trackbar's thumb from its left end (hue 0, red) a third of the way
# along (green).
hue=$(child_line "$dialog" 1023)
y=$(( $(gj_field "$hue" y) + $(gj_field "$hue" h) / 2 ))
x0=$(( $(gj_field "$hue" x) + 6 ))
xdotool mousemove "$x0" "$y" mousedown 1
for step in 1 2 3; do xdotool mousemove $((x0 + step * $(gj_field "$hue" w) / 10)) "$y"; sleep 0.05; done
xdotool mouseup 1
sleep 1
gj_client_shot "$lamp_line" "$GJ_TMP/dragged.png"
dragged=$(green_share "$GJ_TMP/dragged.png")
greater "$dragged" 0.004 || gj_fail "the lava did not turn green during the drag (green share $dragged)"

# Cancel: the lamp is red again and nothing was stored.
click_control "$dialog" 2
gj_wait_no_window '#32770' 'Glimmerjar Configuration' 10
sleep 1
gj_client_shot "$lamp_line" "$GJ_TMP/cancelled.png"
cancelled=$(green_share "$GJ_TMP/cancelled.png")
greater 0.002 "$cancelled" || gj_fail "Cancel did not bring the red lava back (green share $cancelled)"
gj_expect_eq "$(gj_reg_query "$key" /v lavaHue | sed -n 's/^ *lavaHue *REG_SZ *//p')" "0.000000" \
    "stored lavaHue after Cancel"

# OK: the change is stored. On the way, Help opens the help viewer over the dialog.
gj_key c
dialog=$(gj_field "$(config_dialog)" hwnd)
click_control "$dialog" 1060
help=$(gj_field "$(gj_wait_window '#32770' 'Glimmerjar Help' 15)" hwnd)
holds_its_text "$help" "the help viewer"
click_control "$help" 1
gj_wait_no_window '#32770' 'Glimmerjar Help' 10
hue=$(child_line "$dialog" 1023)
xdotool mousemove "$x0" "$y" mousedown 1
for step in 1 2 3; do xdotool mousemove $((x0 + step * $(gj_field "$hue" w) / 10)) "$y"; sleep 0.05; done
xdotool mouseup 1
sleep 0.5
click_control "$dialog" 1
gj_wait_no_window '#32770' 'Glimmerjar Configuration' 10
stored=$(gj_reg_query "$key" /v lavaHue | sed -n 's/^ *lavaHue *REG_SZ *//p')
greater "$stored" 0.15 || gj_fail "OK did not store the dragged lava colour (lavaHue $stored)"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
echo "ok"
