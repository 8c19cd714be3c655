// Seam: the few file operations the program's captures need: the user's desktop folder, a
// folder made, a file that exists, a file written and removed. Win32: the shell's desktop
// folder and the C runtime's files; POSIX: $HOME/Desktop; tests: a fake that can fail.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

class OutputFile {
public:
    virtual ~OutputFile() = default;
    // False when not all the bytes could be written.
    virtual bool write(const void* data, size_t size) = 0;
    // False when the file could not be completed.
    virtual bool close() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The desktop folder with its trailing separator, or "" when there is none.
    virtual std::string desktopFolder() = 0;
    virtual bool exists(const std::string& path) = 0;
    // True when this call made the folder (false when it was there already or failed).
    virtual bool makeFolder(const std::string& path) = 0;
    // Null when the file cannot be made.
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
    virtual bool remove(const std::string& path) = 0;
    // The separator between a folder and a name: "\\" on Windows, "/" elsewhere.
    virtual const char* separator() const = 0;
};

FileSystem& platformFileSystem();
