#!/usr/bin/env bash
# The frame timer ticks at the stored frame rate from the very first tick on (a fresh
# registry: 25 frames per second, 40 ms apart; the timer's 35 ms start interval is never
# used), measured tick by tick, and every tick draws a frame: the frame statistics report
# about 25 per second.
. "$(dirname "$0")/harness.sh"
gj_load

# The pointer stays outside: a menu shown on the first frames would make them slower.
xdotool mousemove 1 1
gj_start glimmerjar.exe pid /w 300x300
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
gj_wait_tick_reports "$pid" 3
gj_key Escape
gj_wait_exit "$pid" 15 >/dev/null

ticks=$(gj_ticks "$pid")
[ "$(echo "$ticks" | wc -l)" -ge 10 ] || gj_fail "too few ticks reported one by one: $ticks"
echo "$ticks" | awk '
    # Every tick, the first included, runs at 40 ms. A tick can be late (the first draw is
    # slow, and a busy machine delays any of them), but the timer keeps to its grid and the
    # ticks after a late one catch up, where 35 ms ticks would drift 5 ms a tick off it. So
    # the spacing is the median of the slopes between every two ticks (one late tick cannot
    # move it) and the grid runs through the median offset from that spacing.
    { if ($3 != 40) { print "tick " $1 " ran with interval " $3 " ms"; bad = 1 }
      n++; t[n] = $2 }
    function median(a, k,    i, j, v) {
        for (i = 2; i <= k; i++) { v = a[i]; for (j = i - 1; j >= 1 && a[j] > v; j--) a[j + 1] = a[j]; a[j + 1] = v }
        return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2 }
    END { for (i = 1; i < n; i++) for (j = i + 1; j <= n; j++) slopes[++m] = (t[j] - t[i]) / (j - i)
          spacing = median(slopes, m)
          for (i = 1; i <= n; i++) rest[i] = t[i] - (i - 1) * 40
          origin = median(rest, n)
          for (i = 1; i <= n; i++) { off = t[i] - (i - 1) * 40 - origin; offs = offs " " off
                                     if (off < -25) { print "tick " i " is " off " ms early on the 40 ms grid"; bad = 1 }
                                     if (off > 25) late++ }
          print "offsets from the 40 ms grid:" offs " (spacing " spacing ")"
          if (late > 2) { print late " ticks more than 25 ms late"; bad = 1 }
          if (spacing < 37.5 || spacing > 43) { print "ticks " spacing " ms apart, not 40"; bad = 1 }
          exit bad }' || gj_fail "the first ticks are not 40 ms apart"

lines=$(tr -d '\r' <"$pid_LOG" | grep '^Frame timer:')
[ "$(echo "$lines" | wc -l)" -ge 3 ] || gj_fail "too few frame timer reports: $lines"
echo "$lines"
echo "$lines" | grep -qv 'interval 40 ms' && gj_fail "a period ran at another interval than 40 ms"
echo "$lines" | sed -n 's/.*ticks, \([0-9.]*\) ms apart.*/\1/p' | while read -r spacing; do
    awk -v s="$spacing" 'BEGIN { exit !(s >= 37 && s <= 46) }' || gj_fail "ticks $spacing ms apart"
done
# The smoothed frame rate, printed every 10 frames, settles near 25.
rates=$(tr -d '\r' <"$pid_LOG" | grep -E '^[0-9]+\.[0-9]{2}$' | tail -n +4)
[ -n "$rates" ] || gj_fail "no frame-rate lines: the frames are not drawn"
echo "frame rates: $(echo $rates)"
echo "$rates" | while read -r rate; do
    awk -v r="$rate" 'BEGIN { exit !(r >= 20 && r <= 30) }' || gj_fail "frame rate $rate, not about 25"
done
echo "ok"
