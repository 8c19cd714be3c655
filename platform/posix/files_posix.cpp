// The file-system seam on POSIX systems: $HOME/Desktop, mkdir, the C library's files.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "platform/files.h"
#include "platform/stdio_files.h"

namespace {

class PosixFileSystem : public FileSystem {
public:
    std::string desktopFolder() override {
        const char* home = std::getenv("HOME");
        if (!home || !*home) return "";
        const std::string folder = std::string(home) + "/Desktop";
        struct stat info {};
        if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return "";
        return folder + "/";
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
