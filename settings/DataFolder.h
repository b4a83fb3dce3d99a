#pragma once
// The per-user data folder that holds the catalogue file and the user's own
// language files, and the path helpers used to find and create it.

#include "settings/SettingsEnvironment.h"

#include <string>
#include <string_view>

namespace ombrix {

// The name of the data folder below the user's application-data folder.
inline constexpr std::string_view DataFolderName = "Quavomat";

// The user's application-data folder (XDG_DATA_HOME, else HOME/.local/share)
// joined with `subFolder`, as a stored name; when neither variable gives a
// folder the program can name, the program folder itself, without the sub-folder.
std::string AppDataFolder(const SettingsEnvironment& env, const std::string& programFolder,
                          std::string_view subFolder);

// AppDataFolder for DataFolderName; the program folder when that is blank.
std::string DataFolder(const SettingsEnvironment& env, const std::string& programFolder);

// The folder and the name joined by exactly one separator; a blank name
// (empty or spaces only) gives the folder unchanged.
std::string JoinPath(std::string_view folder, std::string_view name);

// Creates every missing folder of the path, from the root down, one at a
// time; a component that cannot be created is passed over. Reports nothing.
void MakeDirPath(std::string_view path);

// True for the empty text and for spaces only.
bool IsBlank(std::string_view text);

} // namespace ombrix
