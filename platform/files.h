// Seam: the few file operations the program's captures need: the folder pictures go to, a
// folder made, a file that exists, a file written and removed. Win32: the shell's desktop
// folder and the C runtime's files; POSIX: the user's pictures folder (XDG), else the home
// folder; tests: a fake that can fail.
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
    // The folder screenshots and movies go to, with its trailing separator; "" for none.
    virtual std::string pictureFolder() = 0;
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

// Reading a file someone else wrote (a scene file, the settings file): only a regular
// file, at most maxBytes of it, and never waiting (a fifo or a device is refused at once,
// not read from). Missing: there is no such file; TooLarge: more than maxBytes; Failed:
// `error` says why.
enum class FileRead { Done, Missing, TooLarge, Failed };
FileRead readRegularFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error);
// Whether the path names a regular file (not a folder, a fifo or a device), asked without
// opening it.
bool isRegularFile(const std::string& path);
