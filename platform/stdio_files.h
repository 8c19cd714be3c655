// The file part of the file-system seam over the C library's streams, shared by the
// platforms' implementations.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform/files.h"

class StdioOutputFile : public OutputFile {
public:
    explicit StdioOutputFile(std::FILE* file) : file_(file) {}
    ~StdioOutputFile() override {
        if (file_) std::fclose(file_);
    }
    bool write(const void* data, size_t size) override { return file_ && std::fwrite(data, 1, size, file_) == size; }
    bool close() override {
        const bool ok = file_ && std::fclose(file_) == 0;
        file_ = nullptr;
        return ok;
    }

private:
    std::FILE* file_;
};

inline std::unique_ptr<OutputFile> createStdioFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    return file ? std::make_unique<StdioOutputFile>(file) : nullptr;
}

inline bool stdioFileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return false;
    std::fclose(file);
    return true;
}
