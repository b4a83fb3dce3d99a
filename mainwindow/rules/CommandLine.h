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

} // namespace ombrix
