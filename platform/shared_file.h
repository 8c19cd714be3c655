// Seam: a small text file that a person edits and several running programs read and save
// (the Linux program's settings file). A read sees the file as one save left it, never a
// mix of two; a save is a read, a change and a write made under a lock every instance
// takes, so two saves never lose each other's changes, and a program saving again and
// again lets one that waits have its turn; a save lands whole or not at all, also when
// the process is killed half way (the new text goes to a new file, flushed to the disk,
// then renamed over the old one); it keeps the file's mode, and a symbolic link stays a
// link (its target is replaced, or made when it does not exist yet); a file its owner
// made read-only is not replaced. POSIX only: flock, open-file-description locks, mkstemp,
// fsync, rename.
#pragma once

#include <cstdint>
#include <cstddef>
#include <functional>
#include <string>

// What identifies one version of the file: it changes whenever the file is written or
// replaced (its device, inode, size and modification time).
struct FileStamp {
    uint64_t device = 0, inode = 0, size = 0, seconds = 0, nanoseconds = 0;
    bool exists = false;
    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size && seconds == other.seconds &&
               nanoseconds == other.nanoseconds && exists == other.exists;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

class SharedFile {
public:
    explicit SharedFile(std::string path) : path_(std::move(path)) {}

    // How long a save waits for another instance's lock: a save takes milliseconds, so a
    // lock held longer belongs to a program that is stopped or hung, and waiting on would
    // keep this one from ending.
    static constexpr int lockPatienceMs = 2000;
    // The largest file it reads: a settings file is a few kilobytes (twenty with the lava),
    // so anything near a megabyte is not one, and is neither read nor replaced.
    static constexpr size_t maxBytes = 1u << 20;

    const std::string& path() const { return path_; }
    // The file's text (empty for a file that is not there); false with `error` when it is
    // there but cannot be read, or is not a regular file.
    bool read(std::string& text, std::string& error) const;
    // Under the lock: hands `change` the file's text as it is now, and writes what `change`
    // leaves in it back, atomically. `stamp` receives the new file's stamp. False, with
    // `error`, when the file could not be read or written (it is then as it was), also when
    // the lock was not had within lockPatienceMs, or before the process was told a second
    // time to end (stop_requests.h).
    bool update(const std::function<void(std::string& text)>& change, FileStamp& stamp, std::string& error);
    FileStamp stamp() const;

private:
    std::string path_;
};
