// Images and the program's button pictures.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/resources.h"
#include "scene/image.h"
#include "scene/image_resource.h"

TEST(Image, StartsZeroedAndChecksItsBounds) {
    Image image(3, 2);
    EXPECT_TRUE(image.isValid());
    EXPECT_EQ(image.pixel(2, 1).a, 0);
    const Image::Pixel p{1, 2, 3, 4};
    image.setPixel(2, 1, &p);
    EXPECT_EQ(image.pixels[5].b, 3);
    Image copy(3, 2);
    copy.copyFrom(&image);
    EXPECT_EQ(copy.pixel(2, 1).a, 4);
    EXPECT_FALSE(Image().isValid());
}

TEST(Image, EveryButtonPictureLoads) {
    for (int id : {130, 135, 136, 140, 158, 159}) {
        const std::unique_ptr<Image> loaded = imageFromResource(id);
        Image& image = *loaded;
        ASSERT_TRUE(image.isValid()) << id;
        EXPECT_EQ(image.width, 108);
        EXPECT_EQ(image.height, 108);
        // The pixels are the resource's bytes from offset 8 on.
        const ResourceBytes raw = findProgramResource("RAWPNG", id);
        ASSERT_EQ(raw.size, 46664u);
        EXPECT_EQ(std::memcmp(image.pixels, raw.data + 8, 108 * 108 * 4), 0);
        for (auto [x, y] : {std::pair{0, 0}, {107, 0}, {0, 107}, {107, 107}})
            EXPECT_EQ(image.pixel(x, y).a, 0) << id << " corner " << x << "," << y;
        EXPECT_EQ(image.pixel(54, 54).a, 255) << id;
        EXPECT_EQ(image.pixel(20, 54).a, 255) << id;
    }
}

TEST(Image, MissingResourceLeavesItEmpty) {
    testing::internal::CaptureStdout();
    const std::unique_ptr<Image> image = imageFromResource(4242);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not find resource 4242\n");
    EXPECT_FALSE(image->isValid());
    EXPECT_EQ(image->width, 0);
}

