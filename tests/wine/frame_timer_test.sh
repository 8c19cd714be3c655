#!/usr/bin/env bash
# The frame timer of a fresh window ticks every 35 ms, read from the program's diagnostics.
. "$(dirname "$0")/harness.sh"
gj_load

gj_start glimmerjar.exe pid /w 300x300
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
for _ in $(seq 1 40); do
    [ "$(grep -c '^Frame timer' "$pid_LOG")" -ge 3 ] && break
    sleep 0.25
done
gj_key Escape
gj_wait_exit "$pid" 15 >/dev/null
lines=$(tr -d '\r' <"$pid_LOG" | grep '^Frame timer')
[ "$(echo "$lines" | wc -l)" -ge 3 ] || gj_fail "too few frame timer reports: $lines"
echo "$lines"
echo "$lines" | grep -q 'interval 35 ms' || gj_fail "the timer does not run at 35 ms"
# Skip the first period (start-up); the rest must be close to 35 ms apart.
echo "$lines" | tail -n +2 | sed -n 's/.*ticks, \([0-9.]*\) ms apart.*/\1/p' | while read -r spacing; do
    awk -v s="$spacing" 'BEGIN { exit !(s >= 30 && s <= 45) }' || gj_fail "ticks $spacing ms apart"
done
echo "ok"
