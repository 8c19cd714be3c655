// The colour model, with its table of worked values.
#include <gtest/gtest.h>

#include "settings/colour_model.h"

namespace {
void expectRgb(const Point3D& c, float r, float g, float b) {
    EXPECT_NEAR(c.x, r, 5e-5f);
    EXPECT_NEAR(c.y, g, 5e-5f);
    EXPECT_NEAR(c.z, b, 5e-5f);
}
}  // namespace

TEST(ColourModel, WorkedValues) {
    expectRgb(hueSatLumToRgb(0, 1, 0.44f), 0.7621f, 0, 0);
    expectRgb(hueSatLumToRgb(0.1f, 1, 0.75f), 1.1139f, 0.6683f, 0);
    expectRgb(hueSatLumToRgb(0.06f, 1, 0.64f), 1.0430f, 0.3755f, 0);
    expectRgb(hueSatLumToRgb(0.7f, 0.7f, 0.35f), 0.2354f, 0.1605f, 0.5351f);
    expectRgb(hueSatLumToRgb(0, 1, 0), 0, 0, 0);
    expectRgb(hueSatLumToRgb(1.0f / 6.0f, 1, 1), 1.2247f, 1.2247f, 0);
    for (float h : {0.0f, 0.3f, 0.77f}) expectRgb(hueSatLumToRgb(h, 0, 0.5f), 0.5f, 0.5f, 0.5f);
}

TEST(ColourModel, HueWrapsAndPrimariesHaveTheLengthOfWhite) {
    const Point3D zero = hueSatLumToRgb(0, 0.8f, 0.6f), one = hueSatLumToRgb(1, 0.8f, 0.6f);
    expectRgb(one, zero.x, zero.y, zero.z);
    expectRgb(hueSatLumToRgb(0, 1, 1), 1.7320508f, 0, 0);
    expectRgb(hueSatLumToRgb(1.0f / 3.0f, 1, 1), 0, 1.7320508f, 0);
}

TEST(ColourModel, HueRotation) {
    EXPECT_NEAR(rotateHue(0.995f, 0.01f), 0.005f, 1e-6f);
    EXPECT_FLOAT_EQ(rotateHue(0.5f, 0.25f), 0.75f);
    EXPECT_FLOAT_EQ(rotateHue(0.75f, 0.25f), 0.0f);  // exactly 1 wraps to 0
    float hue = 0.25f;
    for (int frame = 0; frame < 100; ++frame) hue = rotateHue(hue, 0.01f);
    EXPECT_NEAR(hue, 0.25f, 1e-4f);  // once round in 100 frames
}
