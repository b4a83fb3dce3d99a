#pragma once
// The switches of the program's command line (the text after the program's path).

#include <string>
#include <string_view>

namespace ombrix {

// "/lng" in any letter case at the start.
bool StartsWithLanguageSwitch(std::string_view commandLine);
// "/lng" exactly as written at the start.
bool StartsWithLanguageSwitchExact(std::string_view commandLine);
// The language file named after "/lng" and one separator character.
std::string LanguageFromCommandLine(std::string_view commandLine);
// The whole command line is "/tray".
bool IsTraySwitch(std::string_view commandLine);

// A conversion file named relative to the folder the program was started in
// and found there (as the usual resolution would find it beside the program):
// its full name, so the copy it is handed to finds it too. Anything else, the
// switches included, stands as it is.
std::string WithFileFromStartFolder(const std::string& commandLine, const std::string& startFolder);

// The command that starts the program at login in tray mode: the program's
// path and "/tray". A path that the desktop would split or interpret is
// quoted, so the program still starts from such a folder.
std::string StartAtLoginCommand(std::string_view programFolder, std::string_view executable);

} // namespace ombrix
