// Diagnostic lines through the C library's standard streams (the Linux program sends its
// standard output nowhere unless GLIMMERJAR_DIAGNOSTICS asks for it).
#include "platform/diagnostics.h"

#include <cstdarg>
#include <cstdio>

void diag(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fflush(stdout);
}

void diagError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fflush(stderr);
}
