// Fuzzes the BMP reader with whatever bytes a file may hold: no crash, no sanitizer
// report, and an image it accepts is as large as its header says.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "scene/bmp.h"
#include "scene/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file) return 0;
    for (bool flip : {false, true}) {
        std::rewind(file);
        std::unique_ptr<Image> image(readBmp(file, flip));
        if (image && (image->width <= 0 || image->height <= 0 || !image->pixels)) std::abort();
    }
    std::fclose(file);
    return 0;
}
