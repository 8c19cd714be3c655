// The program's own icon and cursor files read as pictures, as the X11 shell shows them;
// broken files give nothing rather than reading past their end.
#include <gtest/gtest.h>

#include <vector>

#include "platform/resources.h"
#include "resources/resource_ids.h"
#include "shell/icon_file.h"

TEST(IconFile, TheProgramsIconHasEverySizeWithItsPixels) {
    const ResourceBytes file = findProgramResource("ICON", RES_ICON_PROGRAM);
    ASSERT_EQ(file.status, ResourceStatus::Found);
    const std::vector<IconImage> images = readIconFile(file.data, file.size);
    ASSERT_EQ(images.size(), 10u);
    for (const IconImage& image : images) {
        ASSERT_EQ(image.argb.size(), static_cast<size_t>(image.width * image.height));
        // Opaque in the middle, clear in the corner: the lamp on nothing.
        EXPECT_EQ(image.argb[static_cast<size_t>(image.height / 2 * image.width + image.width / 2)] >> 24, 255u)
            << image.width;
        EXPECT_EQ(image.argb[0] >> 24, 0u) << image.width;
    }
    EXPECT_EQ(images.front().width, 16);
    EXPECT_EQ(images.back().width, 256);
}

TEST(IconFile, CursorsKeepTheirHotSpot) {
    const ResourceBytes file = findProgramResource("CURSOR", RES_CURSOR_MOVE);
    ASSERT_EQ(file.status, ResourceStatus::Found);
    const std::vector<IconImage> images = readIconFile(file.data, file.size);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].hotX, 16);
    EXPECT_EQ(images[0].hotY, 16);
}

TEST(IconFile, BrokenFilesGiveNothing) {
    const ResourceBytes file = findProgramResource("CURSOR", RES_CURSOR_MOVE);
    ASSERT_EQ(file.status, ResourceStatus::Found);
    const std::vector<unsigned char> bytes(file.data, file.data + file.size);
    for (size_t cut = 0; cut < bytes.size(); cut += 97) EXPECT_TRUE(readIconFile(bytes.data(), cut).empty() || cut >= bytes.size());
    std::vector<unsigned char> wrongKind = bytes;
    wrongKind[2] = 3;
    EXPECT_TRUE(readIconFile(wrongKind.data(), wrongKind.size()).empty());
    std::vector<unsigned char> farOffset = bytes;
    farOffset[6 + 12 + 3] = 0x7F;  // the image's offset far beyond the file
    EXPECT_TRUE(readIconFile(farOffset.data(), farOffset.size()).empty());
    std::vector<unsigned char> hugeWidth = bytes;
    hugeWidth[22 + 4 + 3] = 0x40;  // the bitmap claims to be a billion pixels wide
    EXPECT_TRUE(readIconFile(hugeWidth.data(), hugeWidth.size()).empty());
    EXPECT_TRUE(readIconFile(nullptr, 0).empty());
}
