// Seam: an offscreen OpenGL context for tests and tools: RGBA colour, depth and stencil buffers
// in memory, made current on construction.
#pragma once

#include <cstdint>
#include <vector>

class OffscreenContext {
public:
    OffscreenContext(int width, int height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool ok() const { return context != nullptr; }
    // OpenGL's entry points beyond 1.1 for the current offscreen context, by name.
    static void* procedure(const char* name);
    int width() const { return w; }
    int height() const { return h; }
    // RGBA bytes, bottom row first (as OpenGL reads them).
    const std::vector<uint8_t>& pixels() const { return buffer; }

private:
    void* context = nullptr;
    int w, h;
    std::vector<uint8_t> buffer;
};
