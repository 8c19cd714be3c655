// The file-system seam on POSIX systems: pictures go to the user's pictures folder, as the
// desktop's user-dirs settings name it ($XDG_PICTURES_DIR, else the line in
// $XDG_CONFIG_HOME/user-dirs.dirs), else to the home folder; mkdir and the C library's files.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/files.h"
#include "platform/posix/user_folders_posix.h"
#include "platform/stdio_files.h"

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The pictures folder from user-dirs.dirs: XDG_PICTURES_DIR="$HOME/Pictures" (the file's
// only form: a quoted path, absolute or starting with $HOME/).
std::string userDirsPicturesFolder(const std::string& home) {
    std::ifstream in(userConfigFolder() + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=\"";
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0 || line.back() != '"') continue;
        std::string path = line.substr(key.size(), line.size() - key.size() - 1);
        if (path.compare(0, 6, "$HOME/") == 0) path = home + path.substr(5);
        if (!path.empty() && path[0] == '/') return path;
    }
    return "";
}

}  // namespace

std::string userConfigFolder() {
    const std::string config = environment("XDG_CONFIG_HOME");
    if (!config.empty() && config[0] == '/') return config;
    const std::string home = environment("HOME");
    return home.empty() ? "" : home + "/.config";
}

namespace {

class PosixFileSystem : public FileSystem {
public:
    std::string pictureFolder() override {
        const std::string home = environment("HOME");
        for (const std::string& folder : {environment("XDG_PICTURES_DIR"), home.empty() ? "" : userDirsPicturesFolder(home), home})
            if (isFolder(folder)) return folder.back() == '/' ? folder : folder + "/";
        return "";
    }
    bool exists(const std::string& path) override { return stdioFileExists(path); }
    bool makeFolder(const std::string& path) override { return mkdir(path.c_str(), 0755) == 0; }
    std::unique_ptr<OutputFile> create(const std::string& path) override { return createStdioFile(path); }
    bool remove(const std::string& path) override { return std::remove(path.c_str()) == 0; }
    const char* separator() const override { return "/"; }
};

}  // namespace

FileSystem& platformFileSystem() {
    static PosixFileSystem files;
    return files;
}
