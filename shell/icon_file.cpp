// Reading .ico and .cur files: a directory of images, each a BITMAPINFOHEADER of twice the
// image's height (the colour rows, then the 1-bit mask), rows bottom first.
#include "shell/icon_file.h"

namespace {

uint32_t little(const unsigned char* at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
    return value;
}

}  // namespace

std::vector<IconImage> readIconFile(const unsigned char* data, size_t size) {
    std::vector<IconImage> images;
    if (!data || size < 6 || little(data, 2) != 0) return images;
    const uint32_t kind = little(data + 2, 2);  // 1 icon, 2 cursor
    const uint32_t count = little(data + 4, 2);
    if (kind != 1 && kind != 2) return images;
    for (uint32_t n = 0; n < count; ++n) {
        const size_t entry = 6 + 16 * static_cast<size_t>(n);
        if (entry + 16 > size) break;
        const uint32_t length = little(data + entry + 8, 4), offset = little(data + entry + 12, 4);
        if (offset > size || length > size - offset || length < 40) continue;
        const unsigned char* bitmap = data + offset;
        const int32_t width = static_cast<int32_t>(little(bitmap + 4, 4));
        const int32_t doubledHeight = static_cast<int32_t>(little(bitmap + 8, 4));
        const uint32_t header = little(bitmap, 4), bits = little(bitmap + 14, 2), compression = little(bitmap + 16, 4);
        if (header < 40 || bits != 32 || compression != 0 || width <= 0 || width > 1024 || doubledHeight <= 0 ||
            doubledHeight > 2048 || doubledHeight % 2 != 0)
            continue;
        const int height = doubledHeight / 2;
        const size_t pixelBytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
        if (header > length || pixelBytes > length - header) continue;
        IconImage image;
        image.width = width;
        image.height = height;
        if (kind == 2) {
            image.hotX = static_cast<int>(little(data + entry + 4, 2));
            image.hotY = static_cast<int>(little(data + entry + 6, 2));
        }
        image.argb.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
        const unsigned char* pixels = bitmap + header;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)  // BGRA in the file, bottom row first
                image.argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
                    little(pixels + (static_cast<size_t>(height - 1 - y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4, 4);
        images.push_back(std::move(image));
    }
    return images;
}
