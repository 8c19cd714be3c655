// BMP files: exact layout of what is written, round trips, and hostile files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "scene/bmp.h"
#include "scene/image.h"

namespace {

std::string bmpBytes(const Image& image, bool flip) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&buffer, &size);
    writeBmp(&image, file, flip);
    std::fclose(file);
    std::string bytes(buffer, size);
    std::free(buffer);
    return bytes;
}

uint32_t field(const std::string& bytes, size_t offset, int size) {
    uint32_t v = 0;
    for (int i = 0; i < size; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return v;
}

void setField(std::string& bytes, size_t offset, int size, uint32_t value) {
    for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Reads bytes as a file; returns the image (or null) and what was printed.
Image* readBytes(const std::string& bytes, bool flip, std::string* printed = nullptr) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    testing::internal::CaptureStdout();
    Image* image = readBmp(file, flip);
    const std::string out = testing::internal::GetCapturedStdout();
    if (printed) *printed = out;
    std::fclose(file);
    return image;
}

Image* patterned(int w, int h) {
    Image* image = new Image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Image::Pixel p{static_cast<uint8_t>(x * 40 + y), static_cast<uint8_t>(y * 50 + 3),
                                 static_cast<uint8_t>(x * y + 7), 200};
            image->setPixel(x, y, &p);
        }
    return image;
}

}  // namespace

TEST(Bmp, TheFileIsLaidOutAsWindowsReadsIt) {
    EXPECT_EQ(bmpLineLength(1), 4u);
    EXPECT_EQ(bmpLineLength(4), 12u);
    EXPECT_EQ(bmpLineLength(533), 1600u);
    // Three bytes a pixel overflow 32 bits for widths above 0x55555555.
    EXPECT_EQ(bmpLineLength(0x55555556), 0x100000004ull);
    Image image(1, 1);
    const Image::Pixel p{10, 20, 30, 255};
    image.setPixel(0, 0, &p);
    const std::string bytes = bmpBytes(image, false);
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(field(bytes, 2, 4), 58u);   // bfSize
    EXPECT_EQ(field(bytes, 10, 4), 54u);  // bfOffBits
    EXPECT_EQ(field(bytes, 28, 2), 24u);  // biBitCount
    EXPECT_EQ(field(bytes, 34, 4), 4u);   // biSizeImage
    // Blue, green, red, one byte of padding.
    EXPECT_EQ(bytes.substr(54), std::string("\x1e\x14\x0a\x00", 4));
}

TEST(Bmp, RoundTripsKeepColoursAndRowOrder) {
    std::unique_ptr<Image> image(patterned(5, 3));
    for (bool flip : {false, true}) {
        std::unique_ptr<Image> back(readBytes(bmpBytes(*image, flip), flip));
        ASSERT_TRUE(back);
        ASSERT_EQ(back->width, 5);
        ASSERT_EQ(back->height, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const Image::Pixel& a = image->pixel(x, y);
                const Image::Pixel& b = back->pixel(x, y);
                EXPECT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b && b.a == 0) << x << "," << y;
            }
    }
    // Written flipped, read straight: the rows come back upside down.
    std::unique_ptr<Image> upsideDown(readBytes(bmpBytes(*image, true), false));
    EXPECT_EQ(upsideDown->pixel(1, 0).g, image->pixel(1, 2).g);
}

// Each header check refuses the file and says which check failed.
TEST(Bmp, AnyOtherKindOfBmpIsRefused) {
    std::unique_ptr<Image> image(patterned(3, 2));
    const std::string good = bmpBytes(*image, false);
    const std::tuple<size_t, int, uint32_t> cases[] = {
        {0, 2, 0x4142},       // not "BM"
        {10, 4, 1078},        // a colour table before the pixels
        {14, 4, 124},         // another header
        {18, 4, 0xFFFFFFFD},  // a negative width
        {22, 4, 0xFFFFFFFE},  // top-down rows
        {26, 2, 2},           // planes
        {28, 2, 8},           // 8 bits a pixel
        {30, 4, 1},           // compressed
        {34, 4, 0},           // the rows' size does not match
    };
    for (const auto& [offset, size, value] : cases) {
        std::string bytes = good;
        setField(bytes, offset, size, value);
        std::string printed;
        EXPECT_EQ(readBytes(bytes, false, &printed), nullptr) << offset;
        EXPECT_NE(printed.find("BMP check failed"), std::string::npos) << printed;
    }
}

TEST(Bmp, AFileThatCannotHoldItsPictureIsRefusedBeforeRoomIsMade) {
    std::unique_ptr<Image> image(patterned(5, 3));
    const std::string whole = bmpBytes(*image, false);
    for (size_t length : {size_t(0), size_t(13), size_t(54), whole.size() - 1})
        EXPECT_EQ(readBytes(whole.substr(0, length), false), nullptr) << length;
    // A consistent header of 8192 x 8192 pixels (256 MiB) with none of them: refused on the
    // file's length, before room for them is made.
    std::string bytes = whole.substr(0, 54);
    setField(bytes, 18, 4, 8192);
    setField(bytes, 22, 4, 8192);
    setField(bytes, 34, 4, static_cast<uint32_t>(bmpLineLength(8192) * 8192));
    std::string printed;
    EXPECT_EQ(readBytes(bytes, false, &printed), nullptr);
    EXPECT_NE(printed.find("the file holds every row"), std::string::npos) << printed;
    // Sizes whose row length wraps 32 bits, or whose product does.
    bytes = whole;
    setField(bytes, 18, 4, 0x55555556);
    setField(bytes, 22, 4, 1);
    setField(bytes, 34, 4, 4);  // what the wrapped length times 1 would give
    EXPECT_EQ(readBytes(bytes, false), nullptr);
    setField(bytes, 18, 4, 0x7FFFFFFF);
    setField(bytes, 22, 4, 0x7FFFFFFF);
    setField(bytes, 34, 4, static_cast<uint32_t>(bmpLineLength(0x7FFFFFFF) * 0x7FFFFFFFu));
    EXPECT_EQ(readBytes(bytes, false), nullptr);
}
