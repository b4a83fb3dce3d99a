#include "platform/posix/Paths.h"

#include <filesystem>
#include <system_error>

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

std::string ExecutableFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return ".";
    std::filesystem::path folder = std::filesystem::canonical(exe, ec).parent_path();
    return ec ? exe.parent_path().string() : folder.string();
}

} // namespace ombrix::platform
