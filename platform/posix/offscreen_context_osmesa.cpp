// Offscreen context, OSMesa: Mesa's software renderer drawing into a buffer of ours.
#include <GL/osmesa.h>

#include <cstddef>

#include "platform/offscreen_context.h"

OffscreenContext::OffscreenContext(int width, int height)
    : w(width), h(height), buffer(static_cast<std::size_t>(width) * height * 4) {
    OSMesaContext created = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (!created) return;
    if (!OSMesaMakeCurrent(created, buffer.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(created);
        return;
    }
    context = created;
}

void* OffscreenContext::procedure(const char* name) { return reinterpret_cast<void*>(OSMesaGetProcAddress(name)); }

OffscreenContext::~OffscreenContext() {
    if (context) OSMesaDestroyContext(static_cast<OSMesaContext>(context));
}
