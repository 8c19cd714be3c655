// The shared-file seam on POSIX: the lock is an flock on "<file>.lock" beside the file's
// own name (every instance opens the same one), and the programs waiting for it take
// turns; the new text goes to a unique temporary file in the folder of the file's real
// path, is flushed and given the old file's mode, and is renamed over it, and the folder
// is flushed too.
#include "platform/shared_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/stop_requests.h"

namespace {

constexpr const char* temporaryTag = ".tmp.";

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save replaces: the target of a symbolic link, followed to the end (also to a
// target not yet made, which the save then makes), else the path itself.
std::string realTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        char link[PATH_MAX];
        const ssize_t length = readlink(target.c_str(), link, sizeof link - 1);
        if (length <= 0) return target;
        const std::string to(link, static_cast<size_t>(length));
        target = to[0] == '/' ? to : folderOf(target) + "/" + to;
    }
    return target;
}

bool writeWhole(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(put);
    }
    return true;
}

FileStamp stampOf(const struct stat& info) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = static_cast<uint64_t>(info.st_dev);
    stamp.inode = static_cast<uint64_t>(info.st_ino);
    stamp.size = static_cast<uint64_t>(info.st_size);
    stamp.seconds = static_cast<uint64_t>(info.st_mtim.tv_sec);
    stamp.nanoseconds = static_cast<uint64_t>(info.st_mtim.tv_nsec);
    return stamp;
}

std::string failure(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Temporary files a killed save left behind; only removed under the lock, when no other
// save can be writing one.
void removeLeftovers(const std::string& target) {
    const std::string folder = folderOf(target), prefix = nameOf(target) + temporaryTag;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> stale;
    while (const dirent* entry = readdir(dir))
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) stale.push_back(entry->d_name);
    closedir(dir);
    for (const std::string& name : stale) unlink((folder + "/" + name).c_str());
}

// The turnstile: the lock file's first byte, locked for the open file description (apart
// from its flock).
bool setTurnstile(int fd, short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = 0;
    range.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &range) == 0;
}

// True when the turnstile is had, or when the file system has no such locks, so that
// waiting goes on as if there were no turnstile.
bool takeTurnstile(int fd) {
    return setTurnstile(fd, F_WRLCK) || (errno != EAGAIN && errno != EACCES && errno != EINTR);
}

// The lock, waited for a while. A program that saves again and again would otherwise take
// the lock back at once after each save, and one that only looks now and then would find
// it taken every time; so a program waiting holds the turnstile, and every program passes
// the turnstile on its way in: the one saving again waits at it until the one waiting has
// had its turn. Both look again every millisecond (a save takes a few), until the lock is
// had, the patience is spent or the process is told again to end.
class Lock {
public:
    explicit Lock(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
        const uint32_t start = platformClockMs();
        bool turnstile = false;
        int why = errno;
        while (fd_ >= 0) {
            turnstile = turnstile || takeTurnstile(fd_);
            if (turnstile && flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                setTurnstile(fd_, F_UNLCK);
                return;
            }
            why = errno;
            busy_ = !turnstile || why == EWOULDBLOCK || why == EINTR;
            if (!busy_ || platformClockMs() - start >= SharedFile::lockPatienceMs || stopRequests >= 2) break;
            usleep(1000);
        }
        if (fd_ >= 0) close(fd_);  // and the turnstile with it
        fd_ = -1;
        errno = why;
    }
    ~Lock() {
        if (fd_ >= 0) close(fd_);  // closing releases the lock
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    bool held() const { return fd_ >= 0; }
    // Not had because another program holds it.
    bool busy() const { return busy_; }

private:
    int fd_;
    bool busy_ = false;
};

}  // namespace

bool SharedFile::read(std::string& text, std::string& error) const {
    std::string why;
    switch (readRegularFile(path_, maxBytes, text, why)) {
        case FileRead::Done:
        case FileRead::Missing:
            return true;
        case FileRead::TooLarge:
            error = "it is larger than a megabyte, more than settings take; it is neither read nor replaced";
            return false;
        case FileRead::Failed:
            break;
    }
    error = "cannot read it: " + why;
    return false;
}

FileStamp SharedFile::stamp() const {
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0) return FileStamp{};
    return stampOf(info);
}

bool SharedFile::update(const std::function<void(std::string& text)>& change, FileStamp& stamp, std::string& error) {
    Lock lock(path_ + ".lock");
    if (!lock.held()) {
        error = lock.busy() ? "another program holds " + nameOf(path_) + ".lock" : failure("cannot lock");
        return false;
    }
    std::string text;
    if (!read(text, error)) return false;
    change(text);

    const std::string target = realTarget(path_);
    // A file its owner made read-only is kept as it is, though the folder would let a new
    // file take its place (and root may write anything).
    struct stat present {};
    if (stat(target.c_str(), &present) == 0 && (present.st_mode & S_IWUSR) == 0) {
        error = "it is read-only";
        return false;
    }
    removeLeftovers(target);
    std::string temporary = target + temporaryTag + "XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        error = failure("cannot make a new file");
        return false;
    }
    // The new file takes the old one's mode; a first file the mode new files get.
    struct stat old {};
    mode_t mode;
    if (stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = fchmod(fd, mode) == 0 && writeWhole(fd, text) && fsync(fd) == 0;
    if (!ok) error = failure("cannot write");
    ok = close(fd) == 0 && ok;
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        error = failure("cannot replace the file");
        ok = false;
    }
    if (!ok) {
        if (error.empty()) error = failure("cannot write");
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    stamp = this->stamp();
    return true;
}
