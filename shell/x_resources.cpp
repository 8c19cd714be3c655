// Reading the X resource database's text.
#include "shell/x_resources.h"

#include <cstdlib>

float pixelScaleFromResources(const std::string& resources) {
    const std::string key = "Xft.dpi:";
    size_t start = 0;
    float scale = 1;
    while (start < resources.size()) {
        size_t end = resources.find('\n', start);
        if (end == std::string::npos) end = resources.size();
        const std::string line = resources.substr(start, end - start);
        start = end + 1;
        if (line.compare(0, key.size(), key) != 0) continue;
        char* after = nullptr;
        const float dpi = std::strtof(line.c_str() + key.size(), &after);
        // The last line of a name counts, as in the database itself.
        if (after != line.c_str() + key.size() && dpi >= 48 && dpi <= 960) scale = dpi / 96.0f;
    }
    return scale;
}
