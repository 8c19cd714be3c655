// Fuzzes the command-line parsers. Windows: the input's first line is the full command
// line, the rest the argument text the entry point is given. Linux: the input's lines are
// the arguments, the first also $XSCREENSAVER_WINDOW.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "shell/program_options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t newline = text.find('\n');
    const std::string full = text.substr(0, newline);
    const std::string arguments = newline == std::string::npos ? text : text.substr(newline + 1);
    parseCommandLine(full, arguments);
    parseCommandLine(text, "");

    std::vector<std::string> lines;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const ProgramOptions options = parseProgramOptions(lines, lines[0].c_str());
    if (options.action == ProgramAction::Reject && options.error.empty()) __builtin_trap();
    return 0;
}
