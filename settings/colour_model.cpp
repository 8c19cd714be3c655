// Hue, saturation and brightness to RGB.
#include "settings/colour_model.h"

#include <cmath>

namespace {

float pureHue(float t) {
    if (t < 0) {
        t += 1.0f;
    } else if (t > 1) {
        t -= 1.0f;
    }
    if (t < 1.0f / 6.0f) return 6.0f * t;
    if (t < 0.5f) return 1.0f;
    if (t < 2.0f / 3.0f) return (2.0f / 3.0f - t) * 6.0f;
    return 0.0f;
}

}  // namespace

Point3D hueSatLumToRgb(float h, float s, float l) {
    float channel[3] = {pureHue(h + 1.0f / 3.0f), pureHue(h), pureHue(h - 1.0f / 3.0f)};
    for (float& v : channel) v = (1.0f - s) + s * v;
    const float n = std::sqrt(channel[0] * channel[0] + channel[1] * channel[1] + channel[2] * channel[2]) /
                    std::sqrt(3.0f);
    for (float& v : channel) v = l * (v / n);
    return Point3D(channel[0], channel[1], channel[2]);
}

float rotateHue(float hue, float step) {
    const float turned = hue + step;
    return turned >= 1.0f ? turned - 1.0f : turned;
}
