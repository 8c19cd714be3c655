#!/usr/bin/env bash
# The settings in the real registry: a fresh prefix starts with the defaults (a warm lamp at
# idle priority) and a run leaves all 41 values, startFullScreen and the lava state behind;
# stored values change the lamp (the frame rate from the first tick, the lava colour); the
# lava resumes where it stopped, without a warm-up.
. "$(dirname "$0")/harness.sh"
gj_load
key='HKLM\Software\Tessvane\Glimmerjar\V1.0'
trap 'wine reg delete "$key" /f >/dev/null 2>&1; gj_cleanup' EXIT
wine reg delete "$key" /f >/dev/null 2>&1

# share_of FILE FX: the share of a picture's pixels for which the ImageMagick expression holds.
share_of() { convert "$1" -fx "$2" -format '%[fx:mean]' info:; }
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }
stored() { gj_reg_query "$key" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
# The position fields (2 to 4) of every stored blob.
positions() { gj_reg_query "$key" | sed -n 's/^ *blob[0-9]* *REG_SZ *[^,]*,\([^,]*,[^,]*,[^,]*\),.*/\1/p'; }

# --- a fresh prefix: defaults, warm lava, idle priority ---
gj_start glimmerjar.exe lamp /w
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
sleep 3
gj_client_shot "$line" "$GJ_TMP/fresh.png"
# Lava (strong red) in the upper half of the window: lumps already rise.
upper=$(convert "$GJ_TMP/fresh.png" -crop 100%x50%+0+0 +repage -fx 'r > 0.55 && g < 0.3 && b < 0.3' \
    -format '%[fx:mean]' info:)
greater "$upper" 0.004 || gj_fail "no lava in the upper half three seconds after a fresh start (share $upper)"
gj_expect_eq "$(gj_helper priority "$(gj_field "$line" pid)")" "priority=idle" "priority class by default"
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code"

for name in rot_angle rot_speed zoom translateX shiftX translateY rotateViewX rotateViewY showParticles \
            showPolygons resumeFromLastPos shiftLeftRightWin speed viscosity buoyancy surfaceTension coolingRate \
            heatDiffusion frameRate priority renderAccuracy lampHeat numParticles lavaHue lavaSaturation \
            lavaLuminance differentHotColor lavaHueHot lavaRotateColor lavaSaturationHot lavaLuminanceHot liquidHue \
            lavaRotateColorHot liquidSaturation liquidLuminance lampHue lampSaturation lampLuminance bgHue \
            bgSaturation bgLuminance startFullScreen noBlobsSaved; do
    [ -n "$(stored "$name")" ] || gj_fail "no $name in the registry after a run"
done
gj_expect_eq "$(stored lavaLuminance)" "0.440000" "stored lavaLuminance"
gj_expect_eq "$(stored numParticles)" "0xaf" "stored numParticles"
gj_expect_eq "$(stored noBlobsSaved)" "0xaf" "stored blob count"
gj_expect_eq "$(positions | wc -l)" 175 "stored blob records"

# --- the lava resumes where it stopped: with time standing still (speed 0) the blobs are
# where they were saved, which no warm-up would leave them ---
positions >"$GJ_TMP/before.txt"
wine reg add "$key" /v speed /t REG_DWORD /d 0 /f >/dev/null 2>&1
gj_start glimmerjar.exe lamp /w
gj_wait_window WindowsScreenSaverClass Glimmerjar 20 >/dev/null
sleep 2
gj_key Escape
gj_expect_eq "$(gj_wait_exit "$lamp" 15)" 0 "exit code of the resumed run"
positions >"$GJ_TMP/after.txt"
cmp -s "$GJ_TMP/before.txt" "$GJ_TMP/after.txt" ||
    gj_fail "the blobs moved although time stood still: $(diff "$GJ_TMP/before.txt" "$GJ_TMP/after.txt" | head -4)"
wine reg add "$key" /v speed /t REG_DWORD /d 100 /f >/dev/null 2>&1

# --- stored values change the lamp: 50 frames a second from the first tick, a green lava ---
wine reg add "$key" /v frameRate /t REG_DWORD /d 11 /f >/dev/null 2>&1
wine reg add "$key" /v lavaHue /t REG_SZ /d 0.330000 /f >/dev/null 2>&1
gj_start glimmerjar.exe lamp /w
line=$(gj_wait_window WindowsScreenSaverClass Glimmerjar 20)
gj_wait_tick_reports "$lamp" 2
gj_client_shot "$line" "$GJ_TMP/green.png"
gj_key Escape
gj_wait_exit "$lamp" 15 >/dev/null
ticks=$(gj_ticks "$lamp")
[ "$(echo "$ticks" | wc -l)" -ge 10 ] || gj_fail "too few ticks reported: $ticks"
echo "$ticks" | awk '
    { if ($3 != 20) { print "tick " $1 " ran with interval " $3 " ms"; bad = 1 } }
    NR == 2 { first = $2 }
    NR >= 2 { last = $2 }
    END { mean = (last - first) / (NR - 2); print "mean spacing " mean " ms"
          if (mean < 17 || mean > 26) bad = 1
          exit bad }' || gj_fail "the ticks are not 20 ms apart from the first one on"
# Clearly green pixels: the lamp at its default colours has none.
green=$(share_of "$GJ_TMP/green.png" 'g > r + 0.25 && g > b + 0.25')
greater "$green" 0.01 || gj_fail "no green lava at lavaHue 0.33 (green share $green)"
echo "ok"
