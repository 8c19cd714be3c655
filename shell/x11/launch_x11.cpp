// Programs started beside the lamp (posix_spawnp): the manual page in a terminal, the
// settings file in the user's editor; and what the lamp says when there is none to start.
#include "shell/x11/launch_x11.h"

#include <spawn.h>

#include "platform/diagnostics.h"
#include "shell/lamp_life.h"
#include "shell/x11/settings_watch_x11.h"

extern char** environ;

namespace {
// Said on the lamp too: a lamp started from a menu has no terminal to read the line on.
constexpr float launchNoteSeconds = 5;
}  // namespace

std::vector<char*> argumentVector(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(&word[0]);
    argv.push_back(nullptr);
    return argv;
}

bool launchBeside(const std::vector<std::string>& command) {
    std::vector<std::string> words = command;
    const std::vector<char*> argv = argumentVector(words);
    pid_t child = 0;
    return posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
}

void openManual(LampLife& life) {
    if (launchBeside({"x-terminal-emulator", "-e", "man", "glimmerjar"})) return;
    if (launchBeside({"xterm", "-e", "man", "glimmerjar"})) return;
    diagError("glimmerjar: read the manual with \"man glimmerjar\"\n");
    life.showNote("No terminal found: read the manual with \"man glimmerjar\"", launchNoteSeconds,
                    "Read the manual: man glimmerjar");
}

void openSettingsFile(LampLife& life) {
    if (!life.started()) return;
    // Saved first: the person edits what the lamp shows.
    life.saveSettings();
    const std::string path = settingsFilePath(life);
    if (path.empty()) {
        diagError("glimmerjar: there is no settings file (is $HOME set?)\n");
        life.showNote("There is no settings file: HOME is not set", launchNoteSeconds);
        return;
    }
    if (launchBeside({"xdg-open", path})) return;
    diagError("glimmerjar: edit the settings in %s\n", path.c_str());
    life.showNote("No editor found: edit the settings in " + path, launchNoteSeconds,
                    "Edit the settings in " + path.substr(path.rfind('/') + 1));
}
