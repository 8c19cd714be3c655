// Fuzzes the manual's converter with arbitrary text; pictures are read from the input too.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "help/manual_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<uint8_t> bytes(data, data + size);
    const PictureLoader loader = [&](const std::string&, ManualPicture& picture, std::string& error) {
        return pictureFromBmp(bytes, picture, error);
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
