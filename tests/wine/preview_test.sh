#!/usr/bin/env bash
# Preview mode draws inside a parent window that another program owns, follows its size,
# and ends when that window goes away: destroyed, or with its whole process killed.
. "$(dirname "$0")/harness.sh"
gj_load

# start_parent SECONDS: a parent window of 152 x 112 from the helper, destroyed after
# SECONDS; sets parent, parent_out and parent_pid.
start_parent() {
    parent_out="$GJ_TMP/parent.$RANDOM.out"
    wine "$GJ_BIN/gjtest.exe" parent 152 112 "$1" >"$parent_out" 2>/dev/null &
    parent_pid=$!
    GJ_PIDS+=("$parent_pid")
    for _ in $(seq 1 40); do grep -q '^hwnd=' "$parent_out" && break; sleep 0.25; done
    parent=$(tr -d '\r' <"$parent_out" | sed -n 's/^hwnd=//p')
    [ -n "$parent" ] || gj_fail "the helper made no parent window"
}

# wait_child: the preview window inside the parent, once it is there.
wait_child() {
    child=""
    for _ in $(seq 1 40); do
        child=$(gj_helper children "$parent" | grep 'class=WindowsScreenSaverClass' || true)
        [ -n "$child" ] && return 0
        sleep 0.25
    done
    gj_fail "no preview window inside the parent"
}

# A parent that lives until its process is killed; the preview follows it as it grows.
start_parent 600
gj_start glimmerjar.scr preview /p "$parent"
wait_child
gj_expect_eq "$(gj_field "$child" cw)x$(gj_field "$child" ch)" "152x112" "preview client size"
gj_helper move "$parent" 10 10 320 260 || gj_fail "the parent could not be resized"
parent_line=$(gj_helper find GjTestParent - | grep '^hwnd=')
want="$(gj_field "$parent_line" cw)x$(gj_field "$parent_line" ch)"
[ "$want" != "152x112" ] || gj_fail "the parent kept its size: $parent_line"
for _ in $(seq 1 20); do
    child=$(gj_helper children "$parent" | grep 'class=WindowsScreenSaverClass' || true)
    [ "$(gj_field "$child" cw)x$(gj_field "$child" ch)" = "$want" ] && break
    sleep 0.1
done
gj_expect_eq "$(gj_field "$child" cw)x$(gj_field "$child" ch)" "$want" "preview size after the parent grew"
kill -9 "$parent_pid"
gj_expect_eq "$(gj_wait_exit "$preview" 1)" 0 "preview exit code after its parent's process was killed"

# A parent that destroys its window after 6 s.
start_parent 6
gj_start glimmerjar.scr preview /p "$parent"
wait_child
gj_expect_eq "$(gj_field "$child" cw)x$(gj_field "$child" ch)" "152x112" "preview client size"
echo "$child" | grep -q 'title=Preview' || gj_fail "preview title: $child"
(( (0x$(gj_field "$child" style) & 0x40000000) != 0 )) || gj_fail "preview is not a child window"
gj_expect_eq "$(gj_count_windows WindowsScreenSaverClass -)" 0 "top-level preview windows"

# The parent is destroyed after 6 s; the preview must be gone within a second of that.
for _ in $(seq 1 120); do
    grep -q '^destroyed' "$parent_out" && break
    sleep 0.1
done
grep -q '^destroyed' "$parent_out" || gj_fail "the helper never destroyed its window"
gj_expect_eq "$(gj_wait_exit "$preview" 1)" 0 "preview exit code"
echo "ok"
