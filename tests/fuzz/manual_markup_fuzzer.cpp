// Fuzzes the manual's converter with arbitrary text; pictures are read from the input too.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <cstdlib>
#include <string>
#include <vector>

#include "help/manual_markup.h"
#include "scene/bmp.h"
#include "scene/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<uint8_t> bytes(data, data + size);
    const PictureLoader loader = [&](const std::string&, std::string&) {
        std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
        if (!file) return std::unique_ptr<Image>();
        std::unique_ptr<Image> picture(readBmp(file, false));
        std::fclose(file);
        return picture;
    };
    const ManualDocument document = convertManual(text, loader);
    // Braces balance whatever the text held.
    int depth = 0;
    for (size_t i = 0; i < document.rtf.size(); ++i) {
        if (document.rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += document.rtf[i] == '{' ? 1 : document.rtf[i] == '}' ? -1 : 0;
        if (depth < 0) std::abort();
    }
    if (depth != 0) std::abort();
    return 0;
}
