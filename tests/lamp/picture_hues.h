// The hues in a picture of the lamp, for tests that check the lava's colour: how many
// vivid pixels are red (the default lava's colour, which no other part of the lamp has: the
// liquid is orange, the bulb yellow, the metal blue-violet) and how many have a chosen hue.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "scene/image.h"

// The hue of a bright, strongly coloured pixel in degrees, or -1 for the dark, pale and
// grey ones (the background, the glass's sheen, the edges).
inline float vividHue(const Image::Pixel& p) {
    const int high = std::max({p.r, p.g, p.b}), low = std::min({p.r, p.g, p.b});
    if (high < 77 || high - low < high / 2) return -1;
    const float d = static_cast<float>(high - low);
    float h = high == p.r ? 60 * (p.g - p.b) / d : high == p.g ? 60 * ((p.b - p.r) / d + 2) : 60 * ((p.r - p.g) / d + 4);
    return h < 0 ? h + 360 : h;
}

inline float hueDistance(float a, float b) {
    const float d = std::fabs(a - b);
    return d > 180 ? 360 - d : d;
}

struct HueCount {
    int red = 0, chosen = 0;
};

// The lamp's own parts are orange (the liquid), yellow (the bulb) and blue-violet (the
// metal): no part of it is red but lava of the default colour.
inline HueCount countHues(const Image& frame, float chosenDegrees) {
    HueCount count;
    for (size_t n = 0; n < static_cast<size_t>(frame.width) * frame.height; ++n) {
        const float h = vividHue(frame.pixels[n]);
        if (h < 0) continue;
        count.red += hueDistance(h, 0) < 12;
        count.chosen += hueDistance(h, chosenDegrees) < 25;
    }
    return count;
}
