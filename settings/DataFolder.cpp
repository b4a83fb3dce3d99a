#include "settings/DataFolder.h"

#include "platform/posix/Paths.h"

#include <sys/stat.h>

namespace ombrix {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (IsBlank(name))
        return std::string(folder);
    std::string out(folder);
    if (out.empty() || out.back() != platform::NativeSeparator)
        out += platform::NativeSeparator;
    out += name;
    return out;
}

namespace {

// An absolute folder from the environment as a stored name; empty when it is
// none or names a character the program cannot store, as if it were unset.
std::string StoredFolder(const std::string& variable) {
    if (IsBlank(variable) || variable.front() != '/')
        return {};
    platform::CodePageText stored = platform::FromFileSystemPath(variable);
    return stored.Ok() ? std::move(stored.text) : std::string();
}

} // namespace

std::string AppDataFolder(const SettingsEnvironment& env, const std::string& programFolder,
                          std::string_view subFolder) {
    if (const std::string folder = StoredFolder(env.xdgDataHome); !folder.empty())
        return JoinPath(folder, subFolder);
    if (const std::string home = StoredFolder(env.home); !home.empty())
        return JoinPath(home + "/.local/share", subFolder);
    return programFolder;
}

std::string DataFolder(const SettingsEnvironment& env, const std::string& programFolder) {
    std::string folder = AppDataFolder(env, programFolder, DataFolderName);
    return IsBlank(folder) ? programFolder : folder;
}

void MakeDirPath(std::string_view path) {
    if (IsBlank(path))
        return;
    const std::string native = platform::ToFileSystemPath(path);
    std::string accumulated;
    std::size_t start = 0;
    while (start <= native.size()) {
        std::size_t end = native.find('/', start);
        if (end == std::string::npos)
            end = native.size();
        if (end > start) {
            accumulated += '/';
            accumulated.append(native, start, end - start);
            ::mkdir(accumulated.c_str(), 0777); // exists or not allowed: go on
        }
        start = end + 1;
    }
}

} // namespace ombrix
