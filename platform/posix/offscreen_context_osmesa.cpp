// Offscreen context, OSMesa: Mesa's software renderer drawing into a buffer of ours; and
// the GL context seam of the tests, tools and benchmarks that draw into one: a frame is
// shown when it is finished.
#include <GL/osmesa.h>

#include <cstddef>

#include "platform/gl_context.h"
#include "platform/offscreen_context.h"

void swapFrameBuffers() { glFinish(); }

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

OffscreenContext::~OffscreenContext() {
    if (context) OSMesaDestroyContext(static_cast<OSMesaContext>(context));
}
