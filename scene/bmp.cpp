// BMP writing and reading. Every header field is moved byte by byte, little-endian, so the
// code does not depend on structure packing or the machine's byte order.
#include "scene/bmp.h"

#include <algorithm>
#include <vector>

#include "platform/diagnostics.h"
#include "scene/image.h"
#include "scene/module_assert.h"

void appendLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>((value >> (8 * i)) & 0xFF));
}

void appendBitmapInfoHeader(std::vector<uint8_t>& out, int32_t width, int32_t height, uint16_t bitsPerPixel,
                            uint32_t imageSize) {
    appendLittleEndian(out, BMP_BI_SIZE, 4);
    appendLittleEndian(out, static_cast<uint32_t>(width), 4);
    appendLittleEndian(out, static_cast<uint32_t>(height), 4);
    appendLittleEndian(out, 1, 2);  // planes
    appendLittleEndian(out, bitsPerPixel, 2);
    appendLittleEndian(out, 0, 4);  // BI_RGB
    appendLittleEndian(out, imageSize, 4);
    appendLittleEndian(out, BMP_PELS_PER_METER, 4);
    appendLittleEndian(out, BMP_PELS_PER_METER, 4);
    appendLittleEndian(out, 0, 4);  // colours used
    appendLittleEndian(out, 0, 4);  // colours important
}

namespace {

class FileSink : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool write(const void* data, size_t size) override { return std::fwrite(data, 1, size, file_) == size; }

private:
    std::FILE* file_;
};

// False at the end of the file.
bool get(std::FILE* fp, uint32_t& value, int bytes) {
    value = 0;
    for (int i = 0; i < bytes; ++i) {
        const int c = std::fgetc(fp);
        if (c == EOF) return false;
        value |= static_cast<uint32_t>(c) << (8 * i);
    }
    return true;
}

// The largest picture accepted: far beyond any screen, small enough to allocate.
constexpr uint64_t maxBmpPixels = 64u * 1024u * 1024u;

bool check(bool condition, const char* text) {
    if (!condition) diag("BMP check failed: %s\n", text);
    return condition;
}

}  // namespace

uint64_t bmpLineLength(int32_t width) {
    // In 64 bits: three bytes a pixel wrap 32 bits for widths above 0x55555555.
    const uint64_t bytes = static_cast<uint64_t>(static_cast<uint32_t>(width)) * 3u;
    return bytes % 4 == 0 ? bytes : (bytes / 4) * 4 + 4;
}

bool writeBmp(const Image* img, ByteSink& out, bool flipRows) {
    GJ_ASSERT(img->isValid(), "Bmp");
    const uint32_t lineLength = static_cast<uint32_t>(bmpLineLength(img->width));
    const uint32_t imageSize = lineLength * static_cast<uint32_t>(img->height);
    std::vector<uint8_t> bytes;
    bytes.reserve(std::max<size_t>(BMP_BF_OFF_BITS, lineLength));
    appendLittleEndian(bytes, BMP_BF_TYPE, 2);
    appendLittleEndian(bytes, BMP_BF_OFF_BITS + imageSize, 4);
    appendLittleEndian(bytes, 0, 2);
    appendLittleEndian(bytes, 0, 2);
    appendLittleEndian(bytes, BMP_BF_OFF_BITS, 4);
    appendBitmapInfoHeader(bytes, img->width, img->height, 24, imageSize);
    if (!out.write(bytes.data(), bytes.size())) return false;
    // A row at a time, padded to four bytes.
    for (int r = 0; r < img->height; ++r) {
        const int row = flipRows ? img->height - 1 - r : r;
        const Image::Pixel* p = img->pixels + static_cast<size_t>(row) * img->width;
        bytes.assign(lineLength, 0);
        for (int x = 0; x < img->width; ++x) {
            bytes[static_cast<size_t>(x) * 3] = p[x].b;
            bytes[static_cast<size_t>(x) * 3 + 1] = p[x].g;
            bytes[static_cast<size_t>(x) * 3 + 2] = p[x].r;
        }
        if (!out.write(bytes.data(), bytes.size())) return false;
    }
    return true;
}

bool writeBmp(const Image* img, std::FILE* fp, bool flipRows) {
    FileSink sink(fp);
    return writeBmp(img, sink, flipRows);
}

Image* readBmp(std::FILE* fp, bool flipRows) {
    if (!check(fp != nullptr, "fp != NULL")) return nullptr;

    uint32_t bfType, bfSize, bfReserved1, bfReserved2, bfOffBits;
    if (!check(get(fp, bfType, 2) && get(fp, bfSize, 4) && get(fp, bfReserved1, 2) &&
                   get(fp, bfReserved2, 2) && get(fp, bfOffBits, 4),
               "the file header is complete"))
        return nullptr;
    if (!check(bfType == BMP_BF_TYPE, "bmfh.bfType == BMP_BF_TYPE")) return nullptr;
    if (!check(bfOffBits == BMP_BF_OFF_BITS, "bmfh.bfOffBits == BMP_BF_OFF_BITS")) return nullptr;

    uint32_t biSize, biWidth, biHeight, biPlanes, biBitCount, biCompression, biSizeImage;
    uint32_t biXPelsPerMeter, biYPelsPerMeter, biClrUsed, biClrImportant;
    if (!check(get(fp, biSize, 4) && get(fp, biWidth, 4) && get(fp, biHeight, 4) &&
                   get(fp, biPlanes, 2) && get(fp, biBitCount, 2) && get(fp, biCompression, 4) &&
                   get(fp, biSizeImage, 4) && get(fp, biXPelsPerMeter, 4) &&
                   get(fp, biYPelsPerMeter, 4) && get(fp, biClrUsed, 4) && get(fp, biClrImportant, 4),
               "the info header is complete"))
        return nullptr;
    const int32_t width = static_cast<int32_t>(biWidth);
    const int32_t height = static_cast<int32_t>(biHeight);
    if (!check(biSize == BMP_BI_SIZE, "bmih.biSize == BMP_BI_SIZE")) return nullptr;
    if (!check(width > 0, "bmih.biWidth > 0")) return nullptr;
    if (!check(height > 0, "bmih.biHeight > 0")) return nullptr;
    if (!check(biPlanes == 1, "bmih.biPlanes == 1")) return nullptr;
    if (!check(biBitCount == 24, "bmih.biBitCount == 24")) return nullptr;
    if (!check(biCompression == 0, "bmih.biCompression == BI_RGB")) return nullptr;
    const uint64_t lineLength = bmpLineLength(width);
    if (!check(lineLength * static_cast<uint64_t>(height) == biSizeImage,
               "bmih.biSizeImage == (DWORD) lineLength * (DWORD) bmih.biHeight"))
        return nullptr;
    if (!check(static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <= maxBmpPixels,
               "bmih.biWidth * bmih.biHeight <= 64 Mi pixels"))
        return nullptr;

    // A header may promise far more than the file holds: measure the file before making
    // room for the picture.
    const long headerEnd = std::ftell(fp);
    if (!check(headerEnd >= 0 && std::fseek(fp, 0, SEEK_END) == 0, "the file's length can be measured"))
        return nullptr;
    const long fileLength = std::ftell(fp);
    if (!check(fileLength >= static_cast<long>(bfOffBits) &&
                   static_cast<uint64_t>(fileLength - static_cast<long>(bfOffBits)) >= lineLength * static_cast<uint64_t>(height),
               "the file holds every row"))
        return nullptr;
    if (!check(std::fseek(fp, static_cast<long>(bfOffBits), SEEK_SET) == 0,
               "fseek(fp, bmfh.bfOffBits, SEEK_SET) == 0"))
        return nullptr;
    std::vector<unsigned char> triples(lineLength);
    Image* img = new Image(width, height);
    for (int32_t r = 0; r < height; ++r) {
        const size_t got = std::fread(triples.data(), 1, lineLength, fp);
        if (!check(std::ferror(fp) == 0, "ferror(fp) == 0") ||
            !check(got == lineLength, "fread(triples, 1, lineLength, fp) == lineLength")) {
            delete img;
            return nullptr;
        }
        const int32_t row = flipRows ? height - 1 - r : r;
        Image::Pixel* p = img->pixels + static_cast<size_t>(row) * width;
        for (int32_t x = 0; x < width; ++x)
            p[x] = {triples[3 * x + 2], triples[3 * x + 1], triples[3 * x], 0};
    }
    return img;
}
