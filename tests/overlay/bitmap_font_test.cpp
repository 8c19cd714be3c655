// Drawing and measuring text with glyph lists, in an offscreen context whose glyphs are
// made here: "A" a 7-pixel block, the space an empty 4-pixel advance.
#include <gtest/gtest.h>

#include "overlay/bitmap_font.h"
#include "overlay/overlay_menu.h"
#include "platform/gl.h"
#include "platform/offscreen_context.h"

namespace {

class BitmapFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // one byte a row
        static const GLubyte block[8] = {0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE};
        glNewList(fontListBase + 'A', GL_COMPILE);
        glBitmap(7, 8, 0, 0, 7, 0, block);
        glEndList();
        static const GLubyte none[4] = {0, 0, 0, 0};
        glNewList(fontListBase + ' ', GL_COMPILE);
        glBitmap(1, 1, 0, 0, 4, 0, none);
        glEndList();
        glViewport(0, 0, 100, 40);
        setupOverlayProjection(100, 40);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // Lit pixels in the 100 x 40 picture.
    int litPixels() {
        glFinish();
        std::vector<unsigned char> rgba(100 * 40 * 4);
        glReadPixels(0, 0, 100, 40, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (size_t i = 0; i < rgba.size(); i += 4) lit += rgba[i] > 128;
        return lit;
    }
    OffscreenContext context{100, 40};
};

TEST_F(BitmapFontTest, MeasuresWithoutDrawing) {
    EXPECT_FLOAT_EQ(measureText("AA"), 14);
    EXPECT_FLOAT_EQ(measureText("A A"), 18);
    EXPECT_FLOAT_EQ(measureText(""), 0);
    EXPECT_FLOAT_EQ(measureText("\xff"), 0);  // byte 255 has no glyph
    EXPECT_EQ(litPixels(), 0);
}

TEST_F(BitmapFontTest, DrawsAtTheRasterPositionAndReturnsWhereItEnded) {
    EXPECT_FLOAT_EQ(drawText(10, 20, "A A"), 28);
    EXPECT_EQ(litPixels(), 2 * 7 * 8);
    EXPECT_FLOAT_EQ(drawText(50, 20, ""), 50);
    // A string starting outside the view is not drawn at all.
    glClear(GL_COLOR_BUFFER_BIT);
    drawText(-5, 20, "AAAA");
    EXPECT_EQ(litPixels(), 0);
}

}  // namespace
