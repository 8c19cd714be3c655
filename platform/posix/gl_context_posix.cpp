// GL context seam, POSIX builds (offscreen contexts): a frame is finished, not swapped.
#include "platform/gl.h"
#include "platform/gl_context.h"

void swapFrameBuffers() { glFinish(); }
