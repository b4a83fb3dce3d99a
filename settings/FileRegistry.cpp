#include "settings/FileRegistry.h"

#include "platform/posix/CodePage.h"
#include "platform/posix/FileIo.h"
#include "settings/AutostartEntry.h"
#include "settings/StoreFormat.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>

namespace ombrix {

namespace {

// The system's word for the last failure.
std::string SystemReason() {
    return std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('/'));
}

std::vector<StoredValue>::iterator Find(std::vector<StoredValue>& values, std::string_view keyPath,
                                        std::string_view name) {
    return std::find_if(values.begin(), values.end(), [&](const StoredValue& value) {
        return value.name == name && SameKeyPath(value.key, keyPath);
    });
}

} // namespace

FileRegistry::FileRegistry(const SettingsEnvironment& env, MessageSink* sink) : sink_(sink) {
    const std::string user = UserConfigFolder(env);
    const std::string tail =
        "/" + std::string(SettingsFolderName) + "/" + std::string(StoreFileName);
    if (!user.empty()) {
        userStore_ = user + tail;
        autostartFile_ = user + "/autostart/" + std::string(AutostartFileName);
    }
    machineStore_ = MachineConfigFolder(env) + tail;
}

// Locks the store, reads it afresh, lets `change` edit the values and writes
// the result when `change` says so. A damaged store is copied aside first,
// since the write keeps only what could be read from it. A store this
// version cannot write without losing what it holds is left as it is.
template <typename Change> bool FileRegistry::UpdateStore(const std::string& store, Change change) {
    if (store.empty())
        return false;
    if (!EnsureFolder(FolderOf(store)))
        return Refused(store, "its folder could not be made (" + SystemReason() + ")");
    const FileLock lock(store);
    if (!lock.Held())
        return Refused(store, "it could not be locked (" + SystemReason() + ")");
    const std::optional<std::string> bytes = ReadWholeFile(store);
    struct stat info {};
    if (!bytes && ::stat(store.c_str(), &info) == 0) {
        if (static_cast<std::size_t>(info.st_size) > MaxTextFileSize)
            return Refused(store, "it is larger than 16 MB, so it is not a settings file this "
                                  "program can read; move it away to start afresh");
        // There, but unreadable: leave it alone.
        return Refused(store, "it could not be read (" + SystemReason() + ")");
    }
    ParsedStore parsed = ParseStore(bytes.value_or(std::string()));
    if (parsed.newer)
        return Refused(store, "it was written by a newer version of the program, which keeps "
                              "settings this version does not know");
    if (!change(parsed.values))
        return false;
    if (parsed.damaged && !CopyAside(store, "damaged"))
        return Refused(store, "the damaged file could not be kept aside (" + SystemReason() + ")");
    if (!ReplaceFileContents(store, SerializeStore(parsed.values), 0600))
        return Refused(store, "it could not be written (" + SystemReason() + ")");
    return true;
}

bool FileRegistry::Refused(const std::string& file, const std::string& why) {
    if (sink_ && reported_.insert(file).second)
        sink_->Show({MessageIcon::Exclamation, MessageButtons::Ok, "",
                     "The settings were not saved to " + file + ": " + why + "."});
    return false;
}

const std::string& FileRegistry::StoreFile(Hive hive) const {
    return hive == Hive::CurrentUser ? userStore_ : machineStore_;
}

bool FileRegistry::IsAutostartValue(Hive hive, std::string_view keyPath,
                                    std::string_view valueName) const {
    return hive == Hive::CurrentUser && valueName == StartAtLoginValue &&
           SameKeyPath(keyPath, RunKey) && !autostartFile_.empty();
}

std::string FileRegistry::RegRead(Hive hive, std::string_view keyPath,
                                  std::string_view valueName) const {
    try {
        if (IsAutostartValue(hive, keyPath, valueName)) {
            // A desktop entry is UTF-8; a command the program cannot store reads as none.
            const std::optional<std::string> entry = ReadWholeFile(autostartFile_);
            const std::optional<std::string> command =
                entry ? AutostartCommand(*entry) : std::nullopt;
            platform::CodePageText stored = platform::Utf8ToCodePage(command.value_or(""));
            return stored.Ok() ? std::move(stored.text) : std::string();
        }
        const std::string& store = StoreFile(hive);
        if (store.empty())
            return {};
        const std::optional<std::string> bytes = ReadWholeFile(store);
        if (!bytes)
            return {};
        std::vector<StoredValue> values = ParseStore(*bytes).values;
        auto it = Find(values, keyPath, valueName);
        return it == values.end() ? std::string() : it->text;
    } catch (const std::exception&) {
        return {};
    }
}

bool FileRegistry::RegWrite(Hive hive, std::string_view keyPath, std::string_view valueName,
                            std::string_view text) {
    try {
        if (IsAutostartValue(hive, keyPath, valueName))
            return WriteAutostart(text);
        return UpdateStore(StoreFile(hive), [&](std::vector<StoredValue>& values) {
            auto it = Find(values, keyPath, valueName);
            if (it != values.end())
                it->text = std::string(text);
            else
                values.push_back(
                    {NormalizeKeyPath(keyPath), std::string(valueName), std::string(text)});
            return true;
        });
    } catch (const std::exception&) {
        return false;
    }
}

bool FileRegistry::RegDelete(Hive hive, std::string_view keyPath, std::string_view valueName) {
    try {
        if (IsAutostartValue(hive, keyPath, valueName))
            return DeleteAutostart();
        return UpdateStore(StoreFile(hive), [&](std::vector<StoredValue>& values) {
            auto it = Find(values, keyPath, valueName);
            if (it == values.end())
                return false;
            values.erase(it);
            return true;
        });
    } catch (const std::exception&) {
        return false;
    }
}

bool FileRegistry::WriteAutostart(std::string_view text) {
    // The per-user store's lock serialises every per-user write, this one included.
    if (userStore_.empty() || !EnsureFolder(FolderOf(userStore_)) ||
        !EnsureFolder(FolderOf(autostartFile_)))
        return false;
    const FileLock lock(userStore_);
    return lock.Held() &&
           ReplaceFileContents(autostartFile_, MakeAutostartEntry(platform::CodePageToUtf8(text)));
}

bool FileRegistry::DeleteAutostart() {
    if (userStore_.empty() || !EnsureFolder(FolderOf(userStore_)))
        return false;
    const FileLock lock(userStore_);
    return lock.Held() && ::unlink(autostartFile_.c_str()) == 0;
}

} // namespace ombrix
