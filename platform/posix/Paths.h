#pragma once
// How stored path names meet the file system. Stored relative names keep "\"
// so catalogues move between systems; the file system sees the native form.

#include "platform/posix/CodePage.h"

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
// A stored name (Windows-1252 text) as the file system wants it: its
// characters in the file-name encoding (UTF-8), "\" as "/" where that is the
// separator. Every call that hands a name to the file system goes through
// here, and nothing converts twice: the result is no stored name any more.
std::string ToFileSystemPath(std::string_view path);
// A name the file system gave (a command line, a dialog, a folder listing,
// an environment variable) as a stored name. A name holding a character
// Windows-1252 cannot hold, or bytes that are not UTF-8, is refused: looking
// up a lossy copy of it would find another file or none.
CodePageText FromFileSystemPath(std::string_view nativePath);
// The message that tells the user a name was refused, in UTF-8 so it can
// show the name as it is.
std::string RefusedFileNameMessage(std::string_view nativePath, const CodePageText& refusal);
// True for a regular file; `path` is a stored name.
bool FileExists(std::string_view path);
// The first executable file `name` in the folders of `searchPath` (":"
// between folders, as in PATH, which the file system gives); as a stored
// name, empty when none holds one.
std::string FindProgramOnPath(std::string_view name, std::string_view searchPath);
// The folder of the running executable as a stored name, links resolved, no
// trailing separator. A folder Windows-1252 cannot name stays as the file
// system gives it: the program's files cannot be found there either way.
std::string ExecutableFolder();

// The two folders the programs look things up in.
struct ProgramFolders {
    std::string program; // the folder of the executables and the shipped data
    std::string data;    // the per-user data folder (catalogue, own language files)
};

} // namespace ombrix::platform
