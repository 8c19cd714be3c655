// The file-system seam on POSIX systems: pictures go to the user's pictures folder, as the
// desktop's user-dirs settings name it ($XDG_PICTURES_DIR, else the line in
// $XDG_CONFIG_HOME/user-dirs.dirs), else to the home folder; mkdir and the C library's files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

FileRead readRegularFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error) {
    text.clear();
    // Non-blocking: opening a fifo with no writer would otherwise wait for one.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return FileRead::Missing;
        error = std::strerror(errno);
        return FileRead::Failed;
    }
    struct stat info {};
    FileRead result = FileRead::Done;
    if (fstat(fd, &info) != 0) {
        error = std::strerror(errno);
        result = FileRead::Failed;
    } else if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? "a folder, not a file" : "not a regular file";
        result = FileRead::Failed;
    } else if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        error = "larger than " + std::to_string(maxBytes) + " bytes";
        result = FileRead::TooLarge;
    }
    char buffer[65536];
    while (result == FileRead::Done) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            error = std::strerror(errno);
            result = FileRead::Failed;
        } else if (text.size() + static_cast<size_t>(got) > maxBytes) {
            error = "larger than " + std::to_string(maxBytes) + " bytes";  // it grew while read
            result = FileRead::TooLarge;
        } else {
            text.append(buffer, static_cast<size_t>(got));
        }
    }
    close(fd);
    if (result != FileRead::Done) text.clear();
    return result;
}
