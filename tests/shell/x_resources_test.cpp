// The desktop's scale from the X resource database's text.
#include <gtest/gtest.h>

#include "shell/x_resources.h"

TEST(XResources, ScaleFromXftDpi) {
    EXPECT_FLOAT_EQ(pixelScaleFromResources(""), 1);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xft.dpi:\t192\n"), 2);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xcursor.size:\t24\nXft.dpi:\t144\nXft.hinting:\t1\n"), 1.5f);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xft.dpi: 96"), 1);
    // Not a DPI, or not this resource: the menu keeps its size.
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xft.dpi:\tlarge\n"), 1);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xft.dpi:\t0\n"), 1);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xft.dpi:\t100000\n"), 1);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("*Xft.dpi:\t192\n"), 1);
    EXPECT_FLOAT_EQ(pixelScaleFromResources("Xft.dpiX:\t192\n"), 1);
}
