#pragma once
// Language files: finding the file, reading its records, storing the message
// texts and the command targets, and handing each window the texts of its own
// records. Records are quoted fields, four to a record: window number,
// index, text, extra.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "platform/posix/Paths.h"
#include "settings/WindowTextTables.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

inline constexpr std::string_view LanguageErrorTitle = "ERROR !!!";
inline constexpr std::string_view LanguageErrorSuffix = " is not found";
// Stands for the program folder at the start of a record's extra field.
inline constexpr std::string_view AppFolderTag = "[App]";

// The addresses and the help file that the Help menus open; shared by the
// main window's and the editor's records, the last one applied wins.
struct LinkTargets {
    std::string BugReportTarget;
    std::string WebLinkTarget;
    std::string HelpTarget;
    std::string DonateTarget;
};

struct LanguageContext {
    platform::ProgramFolders folders; // a blank data folder counts as unknown
    MessageSink& sink;
    MessageTexts& texts;
    LinkTargets& targets;
};

// One text for the window that asked, ready to apply: captions that take a
// blank already have it, and the about box's block is one text.
struct WindowText {
    std::string owner;
    std::string target;
    TextProperty property;
    std::string text;
};

struct LanguageLoad {
    // False after the "is not found" message was shown: the caller ends the program.
    bool ok = false;
    // The records of the asked window, in file order: applying them in this
    // order lets a later record override an earlier one.
    std::vector<WindowText> texts;
};

// The path that LoadLanguage reads for `name`: a name inside the program
// folder or an absolute one as it stands; a relative one in the program
// folder, else in the data folder, else the program folder's default file.
std::string FindLanguageFile(std::string_view name, const platform::ProgramFolders& folders);

// Reads the language file `name` (usually the catalogue's LanguageFile).
// Message texts are stored on every load; window 1 to 8 also gets its texts,
// any other number only the message texts.
LanguageLoad LoadLanguage(std::string_view name, std::int16_t window, const LanguageContext& ctx);

} // namespace ombrix
