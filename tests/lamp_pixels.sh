#!/usr/bin/env bash
# What a screenshot shows of the lamp, for the tests of both programs.
#
# lamp_pixel_counts SHOT WxH+X+Y: prints "lava glow black", the numbers of lava-red, glowing
# liquid and black pixels in that part of the screenshot.
lamp_pixel_counts() {
    /usr/bin/convert "$1" -crop "$2" +repage txt:- | awk -F'[(),]' '
        NR > 1 {
            r = $3 + 0; g = $4 + 0; b = $5 + 0
            if (r > 120 && g < 60 && b < 60) lava++
            if (r > 200 && g > 100 && b < 80) glow++
            if (r < 8 && g < 8 && b < 8) black++
        }
        END { printf "%d %d %d\n", lava, glow, black }'
}

# coloured_share SHOT X Y SIZE: the share of strongly coloured pixels (the lamp's, not the
# black background's or grey's) in a square of the screenshot.
coloured_share() {
    /usr/bin/convert "$1" -crop "$4x$4+$2+$3" +repage -colorspace HSL -channel G -separate +channel \
        -threshold 40% -format '%[fx:mean]' info:
}

# greater A B: A > B, for decimals.
greater() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# two_lamps_shown SHOT: the screenshot of a screen saver on Xvfb's two monitors joined by
# Xinerama (both at the origin: 1024 x 768, and 400 x 300 in its top left corner) shows a
# lamp in the middle of each and background between and below them.
two_lamps_shown() {
    greater "$(coloured_share "$1" 497 300 30)" 0.3 || gj_fail "no lamp in the middle of the primary monitor"
    greater "$(coloured_share "$1" 190 110 20)" 0.3 || gj_fail "no lamp in the middle of the second monitor"
    greater 0.05 "$(coloured_share "$1" 300 200 30)" || gj_fail "something drawn between the two lamps"
    greater 0.05 "$(coloured_share "$1" 190 450 30)" || gj_fail "something drawn below the second monitor's lamp"
}

# lava_hue_counts SHOT WxH+X+Y HUE: prints "red chosen", the numbers of vivid pixels (bright
# and strongly coloured) in that part of the screenshot that are red, the default lava's
# colour (within 12 degrees of hue 0), and that are within 25 degrees of HUE (degrees). No
# other part of the lamp is red: the liquid is orange, the bulb yellow, the metal violet.
lava_hue_counts() {
    /usr/bin/convert "$1" -crop "$2" +repage -depth 8 txt:- | awk -F'[(),]' -v chosen="$3" '
        function distance(a, b) { d = a - b; if (d < 0) d = -d; return d > 180 ? 360 - d : d }
        NR > 1 {
            r = $3 + 0; g = $4 + 0; b = $5 + 0
            high = r; if (g > high) high = g; if (b > high) high = b
            low = r; if (g < low) low = g; if (b < low) low = b
            if (high < 77 || high - low < high / 2) next
            d = high - low
            if (high == r) h = 60 * (g - b) / d; else if (high == g) h = 60 * ((b - r) / d + 2); else h = 60 * ((r - g) / d + 4)
            if (h < 0) h += 360
            if (distance(h, 0) < 12) red++
            if (distance(h, chosen) < 25) near++
        }
        END { printf "%d %d\n", red, near }'
}
