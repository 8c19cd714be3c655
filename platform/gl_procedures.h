// Seam: OpenGL's entry points beyond 1.1, which Windows' opengl32 does not export and every
// platform hands out through its own call, for the context current on the calling thread.
#pragma once

// The entry point of that name for the current context, or null where there is none.
void* glProcedure(const char* name);
