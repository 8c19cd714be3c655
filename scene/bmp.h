// The Bmp module: uncompressed 24-bit bottom-up Windows BMP files, written from an Image
// and read back into one. Only that one kind of BMP is produced and accepted.
#pragma once

#include <cstdint>
#include <cstddef>
#include <cstdio>
#include <vector>

class Image;

constexpr uint16_t BMP_BF_TYPE = 0x4D42;  // "BM"
constexpr uint32_t BMP_BF_OFF_BITS = 54;
constexpr uint32_t BMP_BI_SIZE = 40;
// The resolution written into a header: 2925 pixels a metre, about 74 an inch.
constexpr uint32_t BMP_PELS_PER_METER = 2925;

// Appends `value` as `bytes` little-endian bytes.
void appendLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes);
// Appends the 40-byte header of an uncompressed (BI_RGB) bottom-up bitmap: the file's after
// its own header, and the whole of a device-independent bitmap's (a picture in RTF).
void appendBitmapInfoHeader(std::vector<uint8_t>& out, int32_t width, int32_t height, uint16_t bitsPerPixel,
                            uint32_t imageSize);

// Bytes of one pixel row: width x 3 rounded up to a multiple of 4.
uint64_t bmpLineLength(int32_t width);

// Where a BMP is written to: a file, or anything that takes bytes and can fail.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when not all the bytes could be written (a full disk).
    virtual bool write(const void* data, size_t size) = 0;
};

// Writes the whole file; file row 0 (the bottom row) is image row 0, or image row
// height - 1 when flipRows. Alpha is dropped. Asserts a valid image. False as soon as a
// write fails.
bool writeBmp(const Image* img, ByteSink& out, bool flipRows);
// The same at the stream's position.
bool writeBmp(const Image* img, std::FILE* fp, bool flipRows);

// Reads a file from the start of the stream into a new Image (alpha 0), or returns null
// after printing the failed check: a header that is not this kind of BMP, a size that does
// not fit in the file, or a file that ends early.
Image* readBmp(std::FILE* fp, bool flipRows);
