#pragma once
// How stored path names meet the file system. Stored relative names keep "\"
// so catalogues move between systems; the file system sees the native form.

#include <string>
#include <string_view>

namespace ombrix::platform {

#ifdef _WIN32
inline constexpr char NativeSeparator = '\\';
#else
inline constexpr char NativeSeparator = '/';
#endif

// True for "/..." and for names holding ":\" (a drive letter).
bool IsAbsolutePath(std::string_view path);
// The name as the file system wants it: "\" becomes "/" where that is the separator.
std::string ToFileSystemPath(std::string_view path);
bool FileExists(std::string_view path);
// The first executable file `name` in the folders of `searchPath` (":"
// between folders, as in PATH); empty when none holds one.
std::string FindProgramOnPath(std::string_view name, std::string_view searchPath);
// The folder of the running executable, links resolved, no trailing separator.
std::string ExecutableFolder();

// The two folders the programs look things up in.
struct ProgramFolders {
    std::string program; // the folder of the executables and the shipped data
    std::string data;    // the per-user data folder (catalogue, own language files)
};

} // namespace ombrix::platform
