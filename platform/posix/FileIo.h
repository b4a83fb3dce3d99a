#pragma once
// Whole-file reads and crash-safe replacement of a file's contents. Every
// file the settings code writes goes through here: a temporary file in the
// same folder, flushed to disk, then renamed over the old one, so a reader
// sees either the old or the new contents, never a mixture or a stub.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ombrix {

// Files larger than this are not text files of ours; reading them is refused.
inline constexpr std::size_t MaxTextFileSize = 16 * 1024 * 1024;

// The file's bytes, or nullopt when it cannot be opened, cannot be read, or
// is larger than `limit`.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t limit = MaxTextFileSize);

// Writes `bytes` to `path` + ".new", flushes it to disk and renames it over
// `path`. The caller holds the FileLock of `path`, since the temporary name
// is fixed. False, with `path` untouched and errno saying why, when any step
// fails.
bool ReplaceFileContents(const std::string& path, std::string_view bytes, unsigned mode = 0644);

// Replaces a file a user edits, safe against a crash at any moment: the new
// contents go to a fresh temporary file in the same folder, are flushed and
// renamed over the old file, which keeps its permissions. Several writers
// may run at once, since each takes its own temporary name, so no lock is
// needed. False, with the old file untouched and no temporary file left,
// when any step fails. A new file gets the permissions the umask allows.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies the file to a new name beside it, `path` + "." + `tag` with a number
// added when that name is taken; an existing file is never overwritten.
// Returns the new name, or nullopt when the copy could not be made.
std::optional<std::string> CopyAside(const std::string& path, std::string_view tag);

// Creates the folder and every missing folder above it; true when it exists afterwards.
bool EnsureFolder(const std::string& folder);

// How long a writer waits for another one to finish. A save takes
// milliseconds; a holder this slow is frozen (stopped, hung on a dead disk).
inline constexpr std::chrono::milliseconds DefaultLockWait{5000};

// An advisory lock on `path` + ".lock", held for the object's lifetime.
// Serialises the read-change-write cycles of cooperating processes; readers
// need no lock because writers only ever rename complete files into place.
// The system drops the lock when its holder ends, however it ends, so a lock
// is never left behind. Writers taking turns are waited for as long as they
// keep changing the file; a live holder that leaves it unchanged for `wait`
// (stopped, hung) is given up on.
class FileLock {
public:
    explicit FileLock(const std::string& path, std::chrono::milliseconds wait = DefaultLockWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Not held because another process kept it for the whole wait.
    bool TimedOut() const { return timedOut_; }

private:
    int fd_ = -1;
    bool timedOut_ = false;
};

} // namespace ombrix
