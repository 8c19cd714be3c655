// Converts a picture in the PAM format (RGB_ALPHA, 8 bits, as ImageMagick writes it) into
// the program's "RAWPNG" resource layout: width and height as little-endian 32-bit
// numbers, then the pixels row after row, R G B A.
//   rawpng_from_pam < picture.pam > picture.rawpng
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool readHeader(std::FILE* in, int& width, int& height) {
    char line[256];
    if (!std::fgets(line, sizeof line, in) || std::strncmp(line, "P7", 2) != 0) return false;
    int depth = 0, maxval = 0;
    std::string tupleType;
    while (std::fgets(line, sizeof line, in)) {
        char key[64] = "", value[64] = "";
        if (std::sscanf(line, "%63s %63s", key, value) < 1) continue;
        const std::string k = key;
        if (k == "ENDHDR") break;
        if (k == "WIDTH") width = std::atoi(value);
        if (k == "HEIGHT") height = std::atoi(value);
        if (k == "DEPTH") depth = std::atoi(value);
        if (k == "MAXVAL") maxval = std::atoi(value);
        if (k == "TUPLTYPE") tupleType = value;
    }
    return width > 0 && height > 0 && depth == 4 && maxval == 255 && tupleType == "RGB_ALPHA";
}

void putInt32(std::FILE* out, int value) {
    const unsigned v = static_cast<unsigned>(value);
    for (int i = 0; i < 4; ++i) std::fputc(static_cast<int>((v >> (8 * i)) & 0xFF), out);
}

}  // namespace

int main() {
    int width = 0, height = 0;
    if (!readHeader(stdin, width, height)) {
        std::fprintf(stderr, "rawpng_from_pam: input is not an 8-bit RGB_ALPHA PAM picture\n");
        return 1;
    }
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    if (std::fread(pixels.data(), 1, pixels.size(), stdin) != pixels.size()) {
        std::fprintf(stderr, "rawpng_from_pam: the picture ends early\n");
        return 1;
    }
    putInt32(stdout, width);
    putInt32(stdout, height);
    std::fwrite(pixels.data(), 1, pixels.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
