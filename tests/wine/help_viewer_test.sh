#!/usr/bin/env bash
# The help viewer of the real program: h and F1 open it over a windowed lamp with the whole
# manual and its pictures; the lamp stands still while it is open and goes on after OK;
# resizing keeps OK at the bottom right and the link at the bottom left; the rich-edit
# library is loaded once however often help opens.
. "$(dirname "$0")/harness.sh"
gj_load

manual_text=$GJ_BIN/generated/glimmerjar_manual.txt
[ -f "$manual_text" ] || gj_fail "no manual text at $manual_text"

# help_dialog: waits for the help viewer and prints its description line.
help_dialog() { gj_wait_window '#32770' 'Glimmerjar Help' 15; }

# child_line DIALOG ID: the description line of the dialog's control with that id.
child_line() { gj_helper children "$1" | grep " id=$2 "; }

# shot_of LINE FILE: a screenshot of the screen area a description line gives.
shot_of() {
    import -window root -crop "$(gj_field "$1" w)x$(gj_field "$1" h)+$(gj_field "$1" x)+$(gj_field "$1" y)" \
        +repage "$2"
}

# The share of a picture's pixels that are strongly coloured (saturation over 50%).
coloured_share() {
    convert "$1" -colorspace HSL -channel G -separate +channel -threshold 50% -format '%[fx:mean]' info:
}

# Ends the dialog with a real click on its OK button.
click_ok() {
    local ok
    ok=$(child_line "$1" 1)
    xdotool mousemove $(( $(gj_field "$ok" x) + $(gj_field "$ok" w) / 2 )) \
        $(( $(gj_field "$ok" y) + $(gj_field "$ok" h) / 2 )) click 1
}

gj_start glimmerjar.exe lamp /w
lamp_line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
sleep 1

# --- h opens the manual ---
gj_key h
dialog_line=$(help_dialog)
dialog=$(gj_field "$dialog_line" hwnd)
text_line=$(child_line "$dialog" 1070)
echo "$text_line" | grep -q 'class=RichEdit50W' || gj_fail "no rich-edit control in the help viewer: $text_line"
link_line=$(child_line "$dialog" 1072)
gj_expect_eq "$(echo "$link_line" | sed -n 's/.* title=//p')" "Go to glimmerjar.app." "link text"

length=$(gj_helper text "$(gj_field "$text_line" hwnd)" "$(winepath -w "$GJ_TMP/shown.txt")" | sed -n 's/^length=//p')
[ "${length:-0}" -gt 10000 ] || gj_fail "the help text holds only ${length:-no} characters"
gj_expect_eq "$(head -1 "$GJ_TMP/shown.txt" | tr -d '\r')" "Glimmerjar" "first heading"
# The control shows the whole manual: its text is the manual's, paragraph for paragraph
# (pictures read back as one character, a space here or U+FFFC on Windows).
tr -d '\r' <"$GJ_TMP/shown.txt" | sed 's/\xEF\xBF\xBC/ /g' >"$GJ_TMP/shown.norm"
sed 's/\xEF\xBF\xBC/ /g' "$manual_text" | head -c -1 >"$GJ_TMP/manual.norm"
cmp -s "$GJ_TMP/shown.norm" "$GJ_TMP/manual.norm" ||
    gj_fail "the help text differs from the manual: $(diff "$GJ_TMP/shown.norm" "$GJ_TMP/manual.norm" | head -5)"

# The manual's first picture is in view: the document area holds strongly coloured pixels
# (the text is black on white and the frame grey).
sleep 1
shot_of "$text_line" "$GJ_TMP/document.png"
share=$(coloured_share "$GJ_TMP/document.png")
awk -v s="$share" 'BEGIN { exit !(s > 0.04) }' || gj_fail "no picture in the help viewer (coloured share $share)"

# --- the lamp stands still behind it ---
# Make the dialog small and put it beside the lamp, then compare the lamp a while apart.
lamp_right=$(( $(gj_field "$lamp_line" x) + $(gj_field "$lamp_line" w) ))
gj_helper move "$dialog" $((lamp_right + 4)) 40 340 420 >/dev/null
sleep 1
dialog_line=$(help_dialog)
[ "$(gj_field "$dialog_line" w)" = 340 ] || gj_fail "the dialog did not take its new size: $dialog_line"
shot_of "$lamp_line" "$GJ_TMP/paused1.png"
sleep 2
shot_of "$lamp_line" "$GJ_TMP/paused2.png"
lit=$(convert "$GJ_TMP/paused1.png" -colorspace Gray -threshold 10% -format '%[fx:mean]' info:)
awk -v s="$lit" 'BEGIN { exit !(s > 0.05) }' || gj_fail "the lamp is not drawn behind the help (lit share $lit)"
gj_expect_eq "$(compare -metric AE "$GJ_TMP/paused1.png" "$GJ_TMP/paused2.png" null: 2>&1)" 0 \
    "pixels of the lamp that changed while help was open"

# --- resizing keeps OK at the bottom right and the link at the bottom left ---
client_w=$(gj_field "$dialog_line" cw)
client_h=$(gj_field "$dialog_line" ch)
# Client origin on screen: the frame is as thick on the left, right and bottom.
border=$(( ($(gj_field "$dialog_line" w) - client_w) / 2 ))
client_x=$(( $(gj_field "$dialog_line" x) + border ))
client_y=$(( $(gj_field "$dialog_line" y) + $(gj_field "$dialog_line" h) - border - client_h ))
ok_line=$(child_line "$dialog" 1)
gj_expect_eq "$(( $(gj_field "$ok_line" x) - client_x )),$(( $(gj_field "$ok_line" y) - client_y ))" \
    "$((client_w - 80)),$((client_h - 30))" "OK button position in the resized dialog"
link_line=$(child_line "$dialog" 1072)
gj_expect_eq "$(( $(gj_field "$link_line" x) - client_x )),$(( $(gj_field "$link_line" y) - client_y ))" \
    "5,$((client_h - 25))" "link position in the resized dialog"
text_line=$(child_line "$dialog" 1070)
gj_expect_eq "$(gj_field "$text_line" w)x$(gj_field "$text_line" h)" "$((client_w - 10))x$((client_h - 40))" \
    "document size in the resized dialog"

# --- OK closes it and the lamp goes on ---
click_ok "$dialog"
gj_wait_no_window '#32770' 'Glimmerjar Help' 10
sleep 1
shot_of "$lamp_line" "$GJ_TMP/running1.png"
sleep 1.5
shot_of "$lamp_line" "$GJ_TMP/running2.png"
changed=$(compare -metric AE "$GJ_TMP/running1.png" "$GJ_TMP/running2.png" null: 2>&1)
[ "${changed%%.*}" -gt 0 ] 2>/dev/null || gj_fail "the lamp did not go on after OK (changed: $changed)"

# --- F1 opens it again; the library was loaded only the first time ---
gj_key F1
dialog=$(gj_field "$(help_dialog)" hwnd)
click_ok "$dialog"
gj_wait_no_window '#32770' 'Glimmerjar Help' 10
gj_expect_eq "$(grep -c 'Loaded the rich-edit library' "$lamp_LOG")" 1 "loads of the rich-edit library"

gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"
echo "ok"
