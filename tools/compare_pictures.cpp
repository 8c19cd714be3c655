// Compares two pictures of one size pixel by pixel, as the picture tests do: a pixel
// differs when one of its colours differs by more than LEVEL (1 unless given).
//   compare_pictures A.bmp B.bmp [--level L] [--allow N]
// Prints the number of differing pixels and the largest difference; exits 1 when more than
// N pixels differ (8 unless given), 2 when a file cannot be read or the sizes differ.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "scene/bmp.h"
#include "scene/image.h"

namespace {

std::unique_ptr<Image> readPicture(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::fprintf(stderr, "compare_pictures: cannot open %s\n", path);
        return nullptr;
    }
    std::unique_ptr<Image> image(readBmp(file, false));
    std::fclose(file);
    if (!image) std::fprintf(stderr, "compare_pictures: %s is not a picture this tool reads\n", path);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: compare_pictures A.bmp B.bmp [--level L] [--allow N]\n", stderr);
        return 2;
    }
    int level = 1, allow = 8;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--level") level = std::atoi(argv[i + 1]);
        else if (option == "--allow") allow = std::atoi(argv[i + 1]);
        else {
            std::fprintf(stderr, "compare_pictures: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    const std::unique_ptr<Image> a = readPicture(argv[1]);
    const std::unique_ptr<Image> b = readPicture(argv[2]);
    if (!a || !b) return 2;
    if (a->width != b->width || a->height != b->height) {
        std::fprintf(stderr, "compare_pictures: %dx%d and %dx%d\n", a->width, a->height, b->width, b->height);
        return 2;
    }
    long differing = 0;
    int largest = 0;
    for (long n = 0; n < static_cast<long>(a->width) * a->height; ++n) {
        const Image::Pixel& p = a->pixels[n];
        const Image::Pixel& q = b->pixels[n];
        const int difference = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
        largest = std::max(largest, difference);
        differing += difference > level;
    }
    std::printf("%ld pixels differ by more than %d (largest difference %d)\n", differing, level, largest);
    return differing > allow ? 1 : 0;
}
