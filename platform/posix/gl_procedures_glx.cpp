// OpenGL entry points for the X program's GLX context.
#include "platform/gl_procedures.h"

#include <GL/glx.h>

void* glProcedure(const char* name) {
    return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}
