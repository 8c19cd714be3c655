// Pictures from the program's resources.
#include "scene/image_resource.h"

#include <cstring>

#include "platform/diagnostics.h"
#include "platform/resources.h"
#include "scene/image.h"

namespace {
int32_t readInt32(const unsigned char* bytes) {
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}
}  // namespace

std::unique_ptr<Image> imageFromResource(int id) {
    auto image = std::make_unique<Image>();
    const ResourceBytes resource = findProgramResource("RAWPNG", id);
    switch (resource.status) {
        case ResourceStatus::NotFound:
            diag("Could not find resource %d\n", id);
            return image;
        case ResourceStatus::NotLoaded:
            diag("Could not load resource %d\n", id);
            return image;
        case ResourceStatus::NotLocked:
            diag("Could not lock resource %d\n", id);
            return image;
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
        return image;
    }
    image = std::make_unique<Image>(w, h);
    std::memcpy(image->pixels, resource.data + 8, bytes);
    return image;
}
