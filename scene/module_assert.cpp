// Reporting a broken module invariant.
#include "scene/module_assert.h"

#include <cstdio>
#include <cstdlib>

void moduleAssertFailed(const char* expression, const char* module, const char* file, int line) {
    std::fprintf(stderr, "Assertion failed: %s, module %s (%s:%d)\n", expression, module, file,
                 line);
    std::fflush(stderr);
    std::abort();
}
