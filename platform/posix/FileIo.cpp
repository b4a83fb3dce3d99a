#include "platform/posix/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>

namespace ombrix {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string ParentFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a failure here is not worth failing the
// write for, since the new contents are complete either way.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes a complete new file with O_EXCL; false when the name exists.
bool CreateExclusive(const std::string& path, std::string_view bytes, unsigned mode) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd < 0)
        return false;
    const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int why = errno;
    ::close(fd);
    if (!ok) {
        ::unlink(path.c_str());
        errno = why;
    }
    return ok;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > limit) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes, unsigned mode) {
    const std::string temp = path + ".new";
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int why = errno;
        ::unlink(temp.c_str());
        errno = why;
        return false;
    }
    SyncFolder(ParentFolder(path));
    return true;
}

namespace {

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    const mode_t mode = exists ? static_cast<mode_t>(old.st_mode & 07777) : NewFileMode();

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(ParentFolder(path));
    return true;
}

std::optional<std::string> CopyAside(const std::string& path, std::string_view tag) {
    const std::optional<std::string> bytes = ReadWholeFile(path, static_cast<std::size_t>(-1));
    if (!bytes)
        return std::nullopt;
    const std::string base = path + "." + std::string(tag);
    for (int number = 1; number < 10000; ++number) {
        const std::string name = number == 1 ? base : base + "-" + std::to_string(number);
        if (CreateExclusive(name, *bytes, 0600)) {
            SyncFolder(ParentFolder(path));
            return name;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

bool EnsureFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

namespace {

// What changes whenever a writer replaces the file: a holder that is busy
// rather than frozen shows as a change.
struct FileStamp {
    bool exists = false;
    ino_t inode = 0;
    timespec modified{};
    bool operator==(const FileStamp& other) const {
        return exists == other.exists && inode == other.inode &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, info.st_ino, info.st_mtim};
}

} // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
    const std::string lockPath = path + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0)
        return;
    // The wait starts afresh whenever the file changes: other writers taking
    // turns are waited for, one that holds the lock and does nothing is not.
    FileStamp seen = StampOf(path);
    auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        if (why == EINTR)
            continue;
        if (why == EWOULDBLOCK) {
            const FileStamp now = StampOf(path);
            if (!(now == seen)) {
                seen = now;
                deadline = std::chrono::steady_clock::now() + wait;
            }
            if (std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(pause);
                pause = std::min(pause * 2, std::chrono::milliseconds(10));
                continue;
            }
        }
        ::close(fd_);
        fd_ = -1;
        timedOut_ = why == EWOULDBLOCK;
        errno = why;
        return;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

} // namespace ombrix
