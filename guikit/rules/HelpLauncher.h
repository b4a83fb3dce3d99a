#pragma once
// What the Help menus open: the help file named by the language file, the
// bug-report and web addresses, and the system information program.

#include "base/MessageSink.h"
#include "base/Registry.h"
#include "services/ProgramStarter.h"
#include "services/ShellOpener.h"

#include <string>
#include <string_view>

namespace ombrix {

// The program's version as major.minor.revision.
std::string_view ProgramVersion();

// The bug-report address followed by a blank and the version.
std::string BugReportText(const std::string& bugReportTarget);

// Opens the help target: a compiled help file with a topic ("file.chm::topic")
// or without, a web address or any document. Relative names are taken from
// the program folder.
void ShowHelp(const std::string& helpTarget, const std::string& programFolder, ShellOpener& shell);

// Hands a target to the help viewer. The desktop has no compiled-help viewer
// of its own, so the target goes to the desktop's handler.
void RunHtmlHelp(const std::string& target, const std::string& workingFolder, ShellOpener& shell);

// Reads a text value of the settings store; false (and the empty text) when
// the value is absent or empty.
bool GetKeyValue(const Registry& registry, Hive root, std::string_view key,
                 std::string_view valueName, std::string& value);

inline constexpr std::string_view SysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Starts the system information program named in the settings store, else
// the first of a desktop's own such programs found in `searchPath` (the
// PATH), or says that there is none.
void StartSysInfo(const Registry& registry, ProgramStarter& starter, MessageSink& sink,
                  std::string_view searchPath);

} // namespace ombrix
