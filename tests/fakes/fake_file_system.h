// A file system in memory, with a Windows desktop: writes fail once a budget of bytes is
// spent, as on a full disk, and a desktop can be made unwritable.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/files.h"

class FakeFileSystem : public FileSystem {
public:
    class File : public OutputFile {
    public:
        File(FakeFileSystem& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        bool write(const void* data, size_t size) override {
            if (owner_.budget < size) {
                owner_.files[path_].append(static_cast<const char*>(data), owner_.budget);
                owner_.budget = 0;
                return false;
            }
            owner_.budget -= size;
            owner_.files[path_].append(static_cast<const char*>(data), size);
            return true;
        }
        bool close() override { return true; }

    private:
        FakeFileSystem& owner_;
        std::string path_;
    };

    std::string pictureFolder() override { return desktop; }
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool makeFolder(const std::string& path) override {
        if (folders.count(path) || unwritable) return false;
        folders.insert(path);
        return true;
    }
    std::unique_ptr<OutputFile> create(const std::string& path) override {
        if (unwritable) return nullptr;
        files[path].clear();
        return std::make_unique<File>(*this, path);
    }
    bool remove(const std::string& path) override { return files.erase(path) != 0; }
    const char* separator() const override { return "\\"; }

    std::string desktop = "C:\\Desktop\\";
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    size_t budget = static_cast<size_t>(-1);
    bool unwritable = false;
};
