// Fuzzes the command-line parser: the input's first line is the full command line, the
// rest the argument text the entry point is given.
#include <cstdint>
#include <string>

#include "shell/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t newline = text.find('\n');
    const std::string full = text.substr(0, newline);
    const std::string arguments = newline == std::string::npos ? text : text.substr(newline + 1);
    parseCommandLine(full, arguments);
    parseCommandLine(text, "");
    return 0;
}
