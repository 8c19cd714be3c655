// Reading the Linux program's command line.
#include "shell/program_options.h"

#include <cerrno>
#include <cstdlib>

#include "shell/window_geometry.h"

namespace {

// X window ids come in decimal or, from XScreenSaver and xwininfo, in hex ("0x1e00007").
bool windowIdOf(const char* text, uint64_t& id) {
    if (!text || !*text) return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (errno != 0 || *end != '\0' || value == 0 || value > 0xFFFFFFFFull || text[0] == '-') return false;
    id = value;
    return true;
}

// The spellings of --fullscreen, read by the parser and left out of a restart's arguments.
bool isFullScreenOption(const std::string& name) { return name == "fullscreen" || name == "full-screen" || name == "f"; }

}  // namespace

ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments, const char* xscreensaverWindow) {
    ProgramOptions options;
    auto reject = [&options](const std::string& error) {
        options.action = ProgramAction::Reject;
        options.error = error;
        return options;
    };
    for (size_t i = 0; i < arguments.size();) {
        std::string error, note;
        switch (readSettingOption(arguments, i, options.settings, error, note)) {
            case OptionRead::Taken:
                if (!note.empty()) options.notes.push_back(note);
                continue;
            case OptionRead::Bad:
                return reject(error);
            case OptionRead::NotASetting:
                break;
        }
        std::string name, value;
        bool hasInline = false;
        splitOption(arguments[i], name, value, hasInline);
        // The value of an option that takes one: inline or the next argument.
        auto takeValue = [&]() -> bool {
            if (hasInline) return true;
            if (i + 1 >= arguments.size()) return false;
            value = arguments[++i];
            return true;
        };
        if (name == "help" || name == "h") {
            options.action = ProgramAction::Help;
        } else if (name == "version") {
            options.action = ProgramAction::Version;
        } else if (name == "print-settings") {
            options.action = ProgramAction::PrintSettings;
        } else if (name == "xscreensaver-config") {
            options.action = ProgramAction::PrintConfig;
        } else if (isFullScreenOption(name)) {
            options.target = ProgramTarget::FullScreen;
            options.targetChosen = true;
        } else if (name == "window") {
            options.target = ProgramTarget::OwnWindow;
            options.targetChosen = true;
        } else if (name == "root") {
            options.target = ProgramTarget::Root;
            options.targetChosen = true;
        } else if (name == "window-id") {
            if (!takeValue() || !windowIdOf(value.c_str(), options.windowId))
                return reject("--window-id needs the number of an X window, like 0x1e00007");
            options.target = ProgramTarget::ForeignWindow;
            options.targetChosen = true;
        } else if (name == "fps") {
            options.showFrameRate = true;
        } else if (name == "size") {
            if (!takeValue() || !parseWindowSize(value.c_str(), options.width, options.height))
                return reject("--size needs a width and a height, like 800x600");
        } else if (name == "install" || name == "mono") {
            // Older XScreenSaver versions pass these; a true-colour GL window needs neither.
        } else if (name == "visual") {
            if (!takeValue()) return reject("--visual needs a visual");
        } else {
            return reject("unknown option " + quotedArgument(arguments[i]) + " (glimmerjar --help lists them)");
        }
        ++i;
    }
    // XScreenSaver names the window it wants the hack in; --root then means that window.
    uint64_t saverWindow = 0;
    if (options.target == ProgramTarget::Root && windowIdOf(xscreensaverWindow, saverWindow)) {
        options.target = ProgramTarget::ForeignWindow;
        options.windowId = saverWindow;
    } else if (options.target == ProgramTarget::Root && xscreensaverWindow && *xscreensaverWindow) {
        options.notes.push_back(std::string("XSCREENSAVER_WINDOW is \"") + quotedArgument(xscreensaverWindow) +
                                "\", not the number of a window; drawing on the root window");
    }
    return options;
}

std::vector<std::string> argumentsForScreenMode(const std::vector<std::string>& arguments, bool fullScreen) {
    std::vector<std::string> kept{fullScreen ? "--fullscreen" : "--window"};
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name, value;
        bool inlineValue = false;
        splitOption(arguments[i], name, value, inlineValue);
        if (isFullScreenOption(name) || name == "window" || name == "root") continue;
        if (name == "window-id") {
            if (!inlineValue) ++i;
            continue;
        }
        kept.push_back(arguments[i]);
    }
    return kept;
}

std::string programUsage(const std::string& manualOptions, const std::string& manualInput) {
    std::string usage =
        "Usage: glimmerjar [OPTION]...\n"
        "A lava lamp, simulated and drawn as you watch. More in the manual: man glimmerjar\n\n" +
        manualOptions + "Settings:\n";
    for (const std::string& line : settingOptionLines()) usage += "  " + line + "\n";
    return usage + "\n" + manualInput;
}
