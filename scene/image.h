// Image: a width x height array of 4-byte pixels (red, green, blue, alpha), row after row.
// Button pictures (image_resource.h), BMP files and screenshots use it.
#pragma once

#include <cstdint>

class Image {
public:
    struct Pixel {
        uint8_t r, g, b, a;
    };

    // An empty, invalid image (what a failed resource load leaves).
    Image() = default;
    // Asserts "width > 0" and "height > 0"; the pixels start zero.
    Image(int width, int height);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    bool isValid() const { return width >= 1 && height >= 1 && pixels != nullptr; }
    void copyFrom(const Image* src);
    Pixel& pixel(int x, int y);
    void setPixel(int x, int y, const Pixel* p);

    int width = 0;
    int height = 0;
    Pixel* pixels = nullptr;

private:
    void allocate(int w, int h);
};
