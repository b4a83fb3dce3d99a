#include "engine/ConversionPath.h"

#include "base/TextCase.h"
#include "engine/DefinitionLines.h"

#include <string_view>

namespace ombrix {

namespace {

constexpr std::string_view Extension = ".nod";

std::string Join(const std::string& folder, const std::string& name) {
    return folder + platform::NativeSeparator + name;
}

// A file stored as "rates.NOD" is listed as "rates" and looked for as
// "rates.nod"; where letter case matters, the extension's other spellings
// are tried before the file counts as missing.
std::string InExistingCase(std::string path) {
    if (platform::FileExists(path) || !EndsWithIgnoreCase1252(path, Extension))
        return path;
    const std::size_t at = path.size() - 3;
    std::string candidate = path;
    for (unsigned upper = 0; upper < 8; ++upper) {
        for (std::size_t i = 0; i < 3; ++i)
            candidate[at + i] =
                (upper >> i) & 1U ? ToUpper1252(path[at + i]) : ToLower1252(path[at + i]);
        if (candidate != path && platform::FileExists(candidate))
            return candidate;
    }
    return path;
}

} // namespace

std::string ResolveConversionPath(std::string& path, const platform::ProgramFolders& folders) {
    if (!EndsWithIgnoreCase1252(path, Extension))
        path += Extension;
    if (path.starts_with(folders.program) || platform::IsAbsolutePath(path))
        return InExistingCase(path);
    std::string inProgram = InExistingCase(Join(folders.program, path));
    // A conversion the user keeps in the data folder is found there when the
    // program folder has no file of that name.
    if (!platform::FileExists(inProgram) && !folders.data.empty()) {
        std::string inData = InExistingCase(Join(folders.data, path));
        if (platform::FileExists(inData))
            return inData;
    }
    return inProgram;
}

std::optional<std::string> ReadConversionTitle(std::string& path,
                                               const platform::ProgramFolders& folders) {
    const std::string resolved = ResolveConversionPath(path, folders);
    DefinitionLines lines;
    if (!lines.Open(resolved))
        return std::nullopt;
    std::string line;
    for (;;) {
        DefinitionLines::Status status = lines.Next(line);
        if (status == DefinitionLines::Status::Unreadable)
            return std::nullopt;
        if (status == DefinitionLines::Status::End)
            break;
        if (StartsWithIgnoreCase1252(line, "URLN"))
            return line.size() > 5 ? line.substr(5) : std::string();
    }
    const std::size_t slash = resolved.find_last_of("\\/");
    std::string name = slash == std::string::npos ? resolved : resolved.substr(slash + 1);
    if (EndsWithIgnoreCase1252(name, Extension))
        name.resize(name.size() - Extension.size());
    return name;
}

} // namespace ombrix
