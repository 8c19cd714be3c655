#!/usr/bin/env bash
# The frame timer ticks at the stored frame rate from the first frame on (a fresh registry:
# 25 frames per second, 40 ms apart; the timer's 35 ms start interval is never used for
# drawing), and every tick draws a frame: the frame statistics report about 25 per second.
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
echo "$lines" | grep -q 'interval 35 ms' && gj_fail "a frame was timed with the 35 ms start interval"
echo "$lines" | grep -q 'interval 40 ms' || gj_fail "the timer does not run at 40 ms"
# Skip the first period (start-up); the rest must be close to 40 ms apart.
echo "$lines" | tail -n +2 | sed -n 's/.*ticks, \([0-9.]*\) ms apart.*/\1/p' | while read -r spacing; do
    awk -v s="$spacing" 'BEGIN { exit !(s >= 35 && s <= 50) }' || gj_fail "ticks $spacing ms apart"
done
# The smoothed frame rate, printed every 10 frames, settles near 25.
rates=$(tr -d '\r' <"$pid_LOG" | grep -E '^[0-9]+\.[0-9]{2}$' | tail -n +4)
[ -n "$rates" ] || gj_fail "no frame-rate lines: the frames are not drawn"
echo "frame rates: $(echo $rates)"
echo "$rates" | while read -r rate; do
    awk -v r="$rate" 'BEGIN { exit !(r >= 20 && r <= 30) }' || gj_fail "frame rate $rate, not about 25"
done
echo "ok"
