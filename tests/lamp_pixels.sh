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
