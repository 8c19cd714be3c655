#!/usr/bin/env bash
# The settings file is the person's, among editors and other lamps: a first run says nothing
# of changes it did not see; a value changed and a
# comment added in an editor while the lamp runs are in the file after its exit (the lamp
# takes the value as it runs); a command-line setting never writes over the person's own
# value, also when they edit it during the run; a settings file that is a link stays a
# link, and its target keeps its mode; two lamps ended by SIGTERM at the same instant
# leave a whole file, again and again.
. "$(dirname "$0")/harness.sh"
gx_setup
mkdir -p "$(dirname "$GX_SETTINGS")"

# edit FILE SED-SCRIPT: an editor's save: a new file renamed over the old one.
edit() {
    sed "$2" "$1" >"$1.editing" && mv "$1.editing" "$1"
}

# --- two first runs, with no file yet: one saves the settings as they came, and the
# other, seeing the file appear, has nothing to take and says nothing of it ---
gx_start other --size 200x200
gx_start first --size 300x300
gx_wait_frames "$other" 5 30
gx_wait_frames "$first" 5 30
window=$(xdotool search --onlyvisible --name '^Glimmerjar$' | while read -r id; do
    [ "$(gx_geometry "$id" | cut -d' ' -f3)" = 300 ] && echo "$id"; done)
read -r x y w h <<<"$(gx_geometry "$window")"
xdotool mousemove $((x + 150)) $((y + 150))
gx_key c  # saves the file first, for the editor
sleep 2.5  # a lamp looks at its file once a second
[ -f "$GX_SETTINGS" ] || gj_fail "C saved no settings file"
for tag in "$first" "$other"; do
    kill -TERM "$(gx_pid "$tag")"
    gj_expect_eq "$(gx_wait_exit "$tag" 10)" 0 "exit code"
    gx_log "$tag" | grep 'changed setting' && gj_fail "a first run said it took changed settings"
done
rm -f "$GX_SETTINGS"

# --- edits while the lamp runs ---
printf '# mine\nlavaHue = 0\nspeed = 100\n' >"$GX_SETTINGS"
gx_start lamp --size 300x300
gx_wait_frames "$lamp" 3 30
edit "$GX_SETTINGS" 's/^lavaHue = .*/lavaHue = 0.6/'
for _ in $(seq 1 30); do gx_log "$lamp" | grep -q "took 1 changed setting from .*: lavaHue$" && break; sleep 0.2; done
gx_log "$lamp" | grep -q "took 1 changed setting from .*: lavaHue$" || gj_fail "the lamp did not take the edit: $(gx_log "$lamp")"
# Edited just before the end: no time to take it, and still it stays.
edit "$GX_SETTINGS" 's/^speed = .*/speed = 150\n# faster, I like it/'
kill -TERM "$(gx_pid "$lamp")"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code"
gj_expect_eq "$(gx_setting lavaHue)" 0.6 "lavaHue edited while the lamp ran"
gj_expect_eq "$(gx_setting speed)" 150 "speed edited just before the end"
grep -qx "# faster, I like it" "$GX_SETTINGS" || gj_fail "the comment is gone"
gj_expect_eq "$(gx_setting noBlobsSaved)" 175 "blobs saved"

# --- a command-line setting, and the same value edited in the file during the run ---
gx_start lamp --size 300x300 --lava-hue 0.2
gx_wait_frames "$lamp" 3 30
window=$(gx_wait_window 20)
read -r x y w h <<<"$(gx_geometry "$window")"
xdotool mousemove $((x + 150)) $((y + 150))
gx_key c  # saves the file first, as before the person edits it
sleep 0.5
gj_expect_eq "$(gx_setting lavaHue)" 0.6 "lavaHue after C: the person's, not the option's"
edit "$GX_SETTINGS" 's/^lavaHue = .*/lavaHue = 0.7/'
sleep 1.5
kill -TERM "$(gx_pid "$lamp")"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code"
gj_expect_eq "$(gx_setting lavaHue)" 0.7 "lavaHue edited during a run with --lava-hue"

# --- a settings file that is a link into a folder of the person's own ---
mkdir -p "$HOME/dotfiles"
mv "$GX_SETTINGS" "$HOME/dotfiles/glimmerjar-settings"
chmod 600 "$HOME/dotfiles/glimmerjar-settings"
ln -s "$HOME/dotfiles/glimmerjar-settings" "$GX_SETTINGS"
gx_start lamp --size 300x300 --num-particles 90
gx_wait_frames "$lamp" 3 30
kill -TERM "$(gx_pid "$lamp")"
gj_expect_eq "$(gx_wait_exit "$lamp" 10)" 0 "exit code"
[ -L "$GX_SETTINGS" ] || gj_fail "the settings file is no longer a link"
gj_expect_eq "$(stat -c %a "$HOME/dotfiles/glimmerjar-settings")" 600 "the target's mode"
gj_expect_eq "$(gx_setting noBlobsSaved)" 90 "blobs saved through the link"
[ -z "$(ls "$HOME/dotfiles" | grep -v '^glimmerjar-settings$')" ] || gj_fail "files left beside the target: $(ls "$HOME/dotfiles")"

# --- two lamps ended at the same instant, twenty times ---
rm "$GX_SETTINGS"
for round in $(seq 1 20); do
    gx_start one --size 200x200
    gx_start two --size 200x200
    gx_wait_frames "$one" 3 30
    gx_wait_frames "$two" 3 30
    kill -TERM "$(gx_pid "$one")" "$(gx_pid "$two")"
    gj_expect_eq "$(gx_wait_exit "$one" 10),$(gx_wait_exit "$two" 10)" "0,0" "exit codes in round $round"
    "$GX_BIN/glimmerjar" --print-settings >/dev/null 2>"$GX_TMP/read.err"
    [ ! -s "$GX_TMP/read.err" ] || gj_fail "round $round: the file reads with reports: $(cat "$GX_TMP/read.err")"
    gj_expect_eq "$(gx_setting noBlobsSaved)" 175 "blob count in round $round"
    gj_expect_eq "$(grep -c '^blob[0-9][0-9][0-9] = ' "$GX_SETTINGS")" 175 "blob records in round $round"
done
if grep -q "not kept" "$GX_TMP"/*.log; then gj_fail "a save failed: $(grep -h "not kept" "$GX_TMP"/*.log)"; fi
echo "ok"
