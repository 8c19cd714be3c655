// The file-system seam on Windows: the shell's desktop folder (CSIDL_DESKTOPDIRECTORY),
// CreateDirectoryA, the C runtime's files.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

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

bool isRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

FileRead readRegularFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error) {
    text.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return FileRead::Missing;
        error = "cannot open it (error " + std::to_string(code) + ")";
        return FileRead::Failed;
    }
    FileRead result = FileRead::Done;
    BY_HANDLE_FILE_INFORMATION info{};
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = "not a regular file";
        result = FileRead::Failed;
    } else if (!GetFileSizeEx(file, &size) || static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        error = "larger than " + std::to_string(maxBytes) + " bytes";
        result = FileRead::TooLarge;
    }
    char buffer[65536];
    while (result == FileRead::Done) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            error = "cannot read it";
            result = FileRead::Failed;
        } else if (got == 0) {
            break;
        } else if (text.size() + got > maxBytes) {
            error = "larger than " + std::to_string(maxBytes) + " bytes";
            result = FileRead::TooLarge;
        } else {
            text.append(buffer, got);
        }
    }
    CloseHandle(file);
    if (result != FileRead::Done) text.clear();
    return result;
}
