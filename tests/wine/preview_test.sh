#!/usr/bin/env bash
# Preview mode draws inside a parent window that another program owns, and ends when that
# window goes away.
. "$(dirname "$0")/harness.sh"
gj_load

parent_out="$GJ_TMP/parent.out"
wine "$GJ_BIN/gjtest.exe" parent 152 112 6 >"$parent_out" 2>/dev/null &
GJ_PIDS+=("$!")
for _ in $(seq 1 40); do grep -q '^hwnd=' "$parent_out" && break; sleep 0.25; done
parent=$(tr -d '\r' <"$parent_out" | sed -n 's/^hwnd=//p')
[ -n "$parent" ] || gj_fail "the helper made no parent window"

gj_start glimmerjar.scr preview /p "$parent"
child=""
for _ in $(seq 1 40); do
    child=$(gj_helper children "$parent" | grep 'class=WindowsScreenSaverClass' || true)
    [ -n "$child" ] && break
    sleep 0.25
done
[ -n "$child" ] || gj_fail "no preview window inside the parent"
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
