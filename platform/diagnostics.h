// Diagnostic lines: printf-style, to standard output (errors of the password hooks to
// standard error). Without a console or redirection they go nowhere; nothing depends on
// them. Each line is flushed so a log survives a killed process.
#pragma once

#if defined(__GNUC__)
#define GJ_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define GJ_PRINTF_LIKE(f, a)
#endif

void diag(const char* format, ...) GJ_PRINTF_LIKE(1, 2);
void diagError(const char* format, ...) GJ_PRINTF_LIKE(1, 2);
