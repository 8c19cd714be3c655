// Command-line rules: find the program's own name, skip blanks, dashes, slashes and quotes,
// and let the first letter that remains choose the run mode.
#include "shell/command_line.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "shell/window_geometry.h"

namespace {

std::string lowerCase(const std::string& text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Skips spaces and ':' after the switch letter, then reads a decimal number the way the C
// library does (leading white space and a sign allowed, stops at the first non-digit).
int64_t readHandle(const char* rest) {
    while (*rest == ' ' || *rest == ':') ++rest;
    return std::strtoll(rest, nullptr, 10);
}

}  // namespace

StartRequest parseCommandLine(const std::string& fullCommandLine,
                              const std::string& entryArguments) {
    StartRequest request;
    const std::string full = lowerCase(fullCommandLine);

    static const std::string programFile = "glimmerjar.exe";
    static const std::string saverFile = "glimmerjar.scr";
    if (size_t at = full.find(programFile); at != std::string::npos) {
        request.argumentText = full.substr(at + programFile.size());
        request.startedAsProgramFile = true;
    } else if (size_t at2 = full.find(saverFile); at2 != std::string::npos) {
        request.argumentText = full.substr(at2 + saverFile.size());
    } else {
        // A copy under another name behaves like the screen-saver file.
        request.argumentText = lowerCase(entryArguments);
    }

    const char* p = request.argumentText.c_str();
    while (*p == ' ' || *p == '-' || *p == '/' || *p == '"') ++p;

    const char letter = *p;
    const char* afterLetter = letter ? p + 1 : p;
    switch (letter) {
        case 'a':
            request.action = StartAction::ChangePassword;
            break;
        case 'c':
            request.action = StartAction::RunWindow;
            request.mode = Configure;
            request.ownerFromHandle = true;
            request.handle = readHandle(afterLetter);
            break;
        case '\0':
            request.action = StartAction::RunWindow;
            if (request.startedAsProgramFile) {
                request.modeFromStartFullScreen = true;
                request.mode = Windowed;
            } else {
                request.mode = Configure;
            }
            break;
        case 'p':
        case 'l':
            request.action = StartAction::RunWindow;
            request.mode = Preview;
            request.handle = readHandle(afterLetter);
            break;
        case 's':
            request.action = StartAction::RunWindow;
            request.mode = ScreenSaver;
            break;
        case 'w': {
            request.action = StartAction::RunWindow;
            request.mode = Windowed;
            // A size that does not parse, numbers too large among them, is no size.
            int w = 0, h = 0;
            if (parseWindowSize(afterLetter, w, h)) {
                request.width = w;
                request.height = h;
            }
            break;
        }
        case 'f':
            request.action = StartAction::RunWindow;
            request.mode = FullScreen;
            break;
        default:
            request.action = StartAction::Reject;
            break;
    }
    return request;
}
