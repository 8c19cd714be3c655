// The invariant checks of the geometry, image, BMP and scene modules: one assertion that
// names the failed expression and the module, then ends the program. They guard
// preconditions that ordinary use never breaks; bad input is checked separately.
#pragma once

[[noreturn]] void moduleAssertFailed(const char* expression, const char* module,
                                     const char* file, int line);

#define GJ_ASSERT(expression, module)                                          \
    do {                                                                        \
        if (!(expression)) moduleAssertFailed(#expression, module, __FILE__, __LINE__); \
    } while (0)
