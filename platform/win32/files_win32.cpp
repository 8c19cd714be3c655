// The file-system seam on Windows: the shell's desktop folder (CSIDL_DESKTOPDIRECTORY),
// CreateDirectoryA, the C runtime's files.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "platform/files.h"
#include "platform/stdio_files.h"

namespace {

class Win32FileSystem : public FileSystem {
public:
    std::string pictureFolder() override {
        LPITEMIDLIST list = nullptr;
        char path[MAX_PATH] = "";
        if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, &list)) || !list) return "";
        const BOOL found = SHGetPathFromIDListA(list, path);
        CoTaskMemFree(list);
        if (!found || path[0] == 0) return "";
        std::string folder = path;
        if (folder.back() != '\\') folder += '\\';
        return folder;
    }
    bool exists(const std::string& path) override { return stdioFileExists(path); }
    bool makeFolder(const std::string& path) override { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }
    std::unique_ptr<OutputFile> create(const std::string& path) override { return createStdioFile(path); }
    bool remove(const std::string& path) override { return DeleteFileA(path.c_str()) != FALSE; }
    const char* separator() const override { return "\\"; }
};

}  // namespace

FileSystem& platformFileSystem() {
    static Win32FileSystem files;
    return files;
}
