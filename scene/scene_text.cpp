// Scene-file text helpers.
#include "scene/scene_text.h"

#include <cstdarg>

void writeIndent(int depth, std::FILE* file) {
    for (int i = 0; i < depth; ++i) std::fputc(' ', file);
}

void writeLine(int depth, std::FILE* file, const char* format, ...) {
    writeIndent(depth, file);
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
}

void writePoint(int depth, std::FILE* file, const Point3D& p) {
    writeLine(depth, file, "  %f %f %f\n", static_cast<double>(p.x), static_cast<double>(p.y),
              static_cast<double>(p.z));
}
