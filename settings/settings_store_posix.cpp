// The settings store on Linux: the settings text file in the user's configuration folder,
// $GLIMMERJAR_SETTINGS_FILE, else $XDG_CONFIG_HOME/glimmerjar/settings, else
// ~/.config/glimmerjar/settings. Problems in it are reported on standard error.
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "platform/diagnostics.h"
#include "platform/posix/user_folders_posix.h"
#include "settings/settings_file.h"

namespace {

// Makes the folder and any missing folders above it (a fresh account may have no
// ~/.config yet).
void makeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0755);
    mkdir(folder.c_str(), 0755);
}

std::string settingsFilePath() {
    if (const char* path = std::getenv("GLIMMERJAR_SETTINGS_FILE"); path && *path) return path;
    const std::string base = userConfigFolder();
    if (base.empty()) return "";
    makeFolders(base + "/glimmerjar");
    return base + "/glimmerjar/settings";
}

}  // namespace

SettingsStore* openPlatformSettingsStore() {
    const std::string path = settingsFilePath();
    if (path.empty()) return nullptr;
    return new SettingsFile(path, [](const std::string& message) { diagError("%s\n", message.c_str()); });
}
