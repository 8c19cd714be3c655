// Diagnostic lines on Windows: the debugger's output (OutputDebugString), where Windows
// programs leave what only a developer reads; also standard output and error when asked
// (GLIMMERJAR_DIAGNOSTICS set to anything but 0: the tests, a console build), never by
// default, since a person may have redirected the program's output for their own ends.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/diagnostics.h"

namespace {

bool toStandardStreams() {
    static const bool wanted = [] {
        const char* value = std::getenv("GLIMMERJAR_DIAGNOSTICS");
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    return wanted;
}

void say(std::FILE* stream, const char* format, va_list args) {
    char line[1024];
    std::vsnprintf(line, sizeof line, format, args);
    OutputDebugStringA(line);
    if (!toStandardStreams()) return;
    std::fputs(line, stream);
    std::fflush(stream);
}

}  // namespace

void diag(const char* format, ...) {
    va_list args;
    va_start(args, format);
    say(stdout, format, args);
    va_end(args);
}

void diagError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    say(stderr, format, args);
    va_end(args);
}
