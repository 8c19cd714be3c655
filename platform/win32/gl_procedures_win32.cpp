// OpenGL entry points from the context's driver, through wglGetProcAddress.
#include "platform/gl_procedures.h"

#include <cstdint>

#include "platform/gl.h"

void* glProcedure(const char* name) {
    PROC found = wglGetProcAddress(name);
    // Some drivers answer a name they do not know with a small number instead of null.
    const auto value = reinterpret_cast<intptr_t>(found);
    if (value >= -1 && value <= 3) return nullptr;
    return reinterpret_cast<void*>(found);
}
