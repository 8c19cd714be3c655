// Image storage, checked pixel access and "RAWPNG" loading.
#include "scene/image.h"

#include <cstring>

#include "platform/diagnostics.h"
#include "scene/module_assert.h"

Image::Image(int width, int height) {
    GJ_ASSERT(width > 0, "Image");
    GJ_ASSERT(height > 0, "Image");
    allocate(width, height);
    GJ_ASSERT(pixels != nullptr, "Image");
}

Image::~Image() { delete[] pixels; }

void Image::allocate(int w, int h) {
    delete[] pixels;
    width = w;
    height = h;
    pixels = new Pixel[static_cast<size_t>(w) * static_cast<size_t>(h)]();
}

void Image::copyFrom(const Image* src) {
    GJ_ASSERT(src->isValid(), "Image");
    GJ_ASSERT(src->width == width, "Image");
    GJ_ASSERT(src->height == height, "Image");
    std::memcpy(pixels, src->pixels, sizeof(Pixel) * static_cast<size_t>(width) * height);
}

Image::Pixel& Image::pixel(int x, int y) {
    GJ_ASSERT(isValid(), "Image");
    GJ_ASSERT((x >= 0) && (x < width), "Image");
    GJ_ASSERT((y >= 0) && (y < height), "Image");
    return pixels[static_cast<size_t>(y) * width + x];
}

void Image::setPixel(int x, int y, const Pixel* p) {
    GJ_ASSERT(isValid(), "Image");
    GJ_ASSERT(p != nullptr, "Image");
    GJ_ASSERT((x >= 0) && (x < width), "Image");
    GJ_ASSERT((y >= 0) && (y < height), "Image");
    pixels[static_cast<size_t>(y) * width + x] = *p;
}
