// Image storage, checked pixel access and "RAWPNG" loading.
#include "scene/image.h"

#include <cstring>

#include "platform/diagnostics.h"
#include "platform/resources.h"
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

namespace {
int32_t readInt32(const unsigned char* bytes) {
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}
}  // namespace

void Image::loadResource(int id) {
    const ResourceBytes resource = findProgramResource("RAWPNG", id);
    switch (resource.status) {
        case ResourceStatus::NotFound:
            diag("Could not find resource %d\n", id);
            return;
        case ResourceStatus::NotLoaded:
            diag("Could not load resource %d\n", id);
            return;
        case ResourceStatus::NotLocked:
            diag("Could not lock resource %d\n", id);
            return;
        case ResourceStatus::Found:
            break;
    }
    // A resource is built into the program, but a damaged one must still not be read past
    // its end.
    const int32_t w = resource.size >= 8 ? readInt32(resource.data) : 0;
    const int32_t h = resource.size >= 8 ? readInt32(resource.data + 4) : 0;
    const uint64_t bytes = w > 0 && h > 0 ? static_cast<uint64_t>(w) * static_cast<uint64_t>(h) * 4u : 0;
    if (bytes == 0 || bytes > resource.size - 8) {
        diag("Resource %d is not a picture\n", id);
        return;
    }
    allocate(w, h);
    std::memcpy(pixels, resource.data + 8, bytes);
}
