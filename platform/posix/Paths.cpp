#include "platform/posix/Paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace ombrix::platform {

bool IsAbsolutePath(std::string_view path) {
    return (!path.empty() && path.front() == '/') || path.find(":\\") != std::string_view::npos;
}

std::string ToFileSystemPath(std::string_view path) {
    std::string out(path);
    if (NativeSeparator == '/') {
        for (char& c : out) {
            if (c == '\\')
                c = '/';
        }
    }
    return out;
}

bool FileExists(std::string_view path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(ToFileSystemPath(path), ec);
}

std::string FindProgramOnPath(std::string_view name, std::string_view searchPath) {
    while (!searchPath.empty()) {
        const std::size_t end = std::min(searchPath.find(':'), searchPath.size());
        const std::string_view folder = searchPath.substr(0, end);
        searchPath.remove_prefix(std::min(end + 1, searchPath.size()));
        if (folder.empty())
            continue; // the current folder is no place to take a program from
        const std::string candidate = std::string(folder) + '/' + std::string(name);
        if (FileExists(candidate) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

std::string ExecutableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return ".";
    std::filesystem::path folder = std::filesystem::canonical(exe, ec).parent_path();
    return ec ? exe.parent_path().string() : folder.string();
}

} // namespace ombrix::platform
