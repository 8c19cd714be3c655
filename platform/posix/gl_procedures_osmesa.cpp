// OpenGL entry points for the offscreen context of the tests, tools and benchmarks.
#include "platform/gl_procedures.h"

#include <GL/osmesa.h>

void* glProcedure(const char* name) { return reinterpret_cast<void*>(OSMesaGetProcAddress(name)); }
