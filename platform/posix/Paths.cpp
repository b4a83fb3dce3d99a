#include "platform/posix/Paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace ombrix::platform {

bool IsAbsolutePath(std::string_view path) {
    return (!path.empty() && path.front() == '/') || path.find(":\\") != std::string_view::npos;
}

std::string ToFileSystemPath(std::string_view path) {
    std::string out = CodePageToUtf8(path);
    if (NativeSeparator == '/')
        std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

CodePageText FromFileSystemPath(std::string_view nativePath) {
    return Utf8ToCodePage(nativePath);
}

std::string RefusedFileNameMessage(std::string_view nativePath, const CodePageText& refusal) {
    std::string what;
    if (refusal.character != 0) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(refusal.character));
        what = "the character \"" + refusal.refused + "\" (" + code +
               "), which the program's character set (Windows-1252) does not hold";
    } else {
        what = "a " + refusal.refused + " that is not UTF-8";
    }
    return "The file name \"" + ShownUtf8(nativePath) + "\" cannot be used: it holds " + what + ".";
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
        // A folder the program cannot name could not be started from.
        const CodePageText stored = FromFileSystemPath(folder);
        if (!stored.Ok())
            continue;
        const std::string candidate = stored.text + '/' + std::string(name);
        if (FileExists(candidate) && ::access(ToFileSystemPath(candidate).c_str(), X_OK) == 0)
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
    const std::string native = ec ? exe.parent_path().string() : folder.string();
    CodePageText stored = FromFileSystemPath(native);
    return stored.Ok() ? std::move(stored.text) : native;
}

} // namespace ombrix::platform
