#!/usr/bin/env bash
# Nothing a lamp waits for keeps it from ending, and nothing it cannot write is lost without
# a word: while another program holds the settings file's lock, a lamp told to end ends
# within five seconds (at once when told twice), leaves the file as it was and says which
# changes it did not keep; under a file-size limit a save fails with a message, not the
# signal that would end the lamp without one.
. "$(dirname "$0")/harness.sh"
gx_setup
command -v flock >/dev/null && command -v prlimit >/dev/null || gj_fail "flock and prlimit (util-linux) are needed"
mkdir -p "$(dirname "$GX_SETTINGS")"

# run_until_frames TAG ARGS...: starts a lamp and waits for its first frames, the pointer
# over it (where the keys go).
run_until_frames() {
    local tag=$1 window x y w h
    shift
    gx_start "$tag" "$@"
    gx_wait_frames "${!tag}" 3 30
    window=$(gx_wait_window 20)
    read -r x y w h <<<"$(gx_geometry "$window")"
    xdotool mousemove $((x + w / 2)) $((y + h / 2))
}

# A first run writes every setting, so that the next runs change only what they change.
run_until_frames first --size 300x300
kill -TERM "$(gx_pid "$first")"
gj_expect_eq "$(gx_wait_exit "$first" 10)" 0 "exit code of the first run"
cp "$GX_SETTINGS" "$GX_TMP/before"

# --- the lock held by another program ---
# The sleeping process itself holds the lock (its output away from the test's).
( exec 9>"$GX_SETTINGS.lock" && flock 9 && exec sleep 60 ) >/dev/null 2>&1 &
holder=$!
GX_PIDS+=("$holder")
run_until_frames held --size 300x300
gx_key p  # the polygons: one setting changed this run
sleep 0.3
started=$(date +%s%N)
kill -TERM "$(gx_pid "$held")"
gj_expect_eq "$(gx_wait_exit "$held" 5)" 0 "exit code while another program holds the lock"
took=$(( ($(date +%s%N) - started) / 1000000 ))
echo "ended in $took ms while the lock was held"
cmp -s "$GX_SETTINGS" "$GX_TMP/before" || gj_fail "the settings file changed while another program held its lock"
gx_log "$held" | grep -q "another program holds settings.lock); not kept: the lava and showPolygons" ||
    gj_fail "no word of what was not kept: $(gx_log "$held" | grep -v '^Frame\|^[0-9]' | tail -3)"

# Told twice, it waits no more.
run_until_frames twice --size 300x300
started=$(date +%s%N)
kill -TERM "$(gx_pid "$twice")"
sleep 0.2
kill -TERM "$(gx_pid "$twice")"
gj_expect_eq "$(gx_wait_exit "$twice" 5)" 0 "exit code when told twice"
took=$(( ($(date +%s%N) - started) / 1000000 ))
echo "ended in $took ms when told twice"
[ "$took" -lt 1500 ] || gj_fail "told twice to end, the lamp still waited $took ms for the lock"
kill "$holder"
wait "$holder" 2>/dev/null

# --- a file-size limit below the file's size ---
# The limit binds every file the lamp writes, its log too: its standard error goes through
# a pipe, its diagnostic lines nowhere.
"$GX_BIN/glimmerjar" --size 300x300 2> >(cat >"$GX_TMP/limited.err") >/dev/null &
limited=$!
GX_PIDS+=("$limited")
window=$(gx_wait_window 20)
sleep 1
read -r x y w h <<<"$(gx_geometry "$window")"
xdotool mousemove $((x + w / 2)) $((y + h / 2))
prlimit --fsize=1024 --pid "$limited" || gj_fail "prlimit failed"
gx_key p
sleep 0.3
kill -TERM "$limited"
wait "$limited"
gj_expect_eq "$?" 0 "exit code under a file-size limit (153 is the signal's)"
sleep 0.3
grep -q "cannot write .*File too large.*not kept: the lava and showPolygons" "$GX_TMP/limited.err" ||
    gj_fail "no word of the file-size limit: $(cat "$GX_TMP/limited.err")"
cmp -s "$GX_SETTINGS" "$GX_TMP/before" || gj_fail "the settings file changed under the file-size limit"
echo "ok"
