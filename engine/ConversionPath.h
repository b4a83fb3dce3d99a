#pragma once
// Where a conversion definition file named in the catalogue, on a command
// line or in a dialog lives, and the title it is listed under.

#include "platform/posix/Paths.h"

#include <optional>
#include <string>

namespace ombrix {

// Appends ".nod" to the caller's `path` unless it already ends so (any
// case). A name beginning with the program folder, or an absolute one, is
// returned as it stands; any other name is joined to the program folder,
// or to the data folder when only the data folder holds that file. Stored
// "\" separators of the name are kept.
std::string ResolveConversionPath(std::string& path, const platform::ProgramFolders& folders);

// The value of the file's first URLN line (from column 6, possibly empty),
// else the file name without its ".nod"; nullopt when the file cannot be
// read. May append ".nod" to `path` as ResolveConversionPath does.
std::optional<std::string> ReadConversionTitle(std::string& path,
                                               const platform::ProgramFolders& folders);

} // namespace ombrix
