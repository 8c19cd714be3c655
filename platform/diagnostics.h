// Diagnostic lines: printf-style, for developers and the tests; nothing depends on them.
// Linux: standard output (errors on standard error), which the program sends nowhere unless
// GLIMMERJAR_DIAGNOSTICS asks for it. Windows: the debugger's output (OutputDebugString),
// and the standard streams only when GLIMMERJAR_DIAGNOSTICS asks. Each line is flushed so a
// log survives a killed process.
#pragma once

#if defined(__GNUC__)
#define GJ_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define GJ_PRINTF_LIKE(f, a)
#endif

void diag(const char* format, ...) GJ_PRINTF_LIKE(1, 2);
void diagError(const char* format, ...) GJ_PRINTF_LIKE(1, 2);
