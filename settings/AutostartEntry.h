#pragma once
// The start-at-login value kept as a desktop autostart entry: the value's
// text is the entry's Exec line, so the desktop starts exactly that command.

#include <optional>
#include <string>
#include <string_view>

namespace ombrix {

// The entry's file name inside the autostart folder.
inline constexpr std::string_view AutostartFileName = "ombrixgo.desktop";

// A complete desktop entry whose Exec line holds `command`. Line breaks,
// tabs, backslashes and "%" are escaped as desktop entries require, so any
// text reads back unchanged.
std::string MakeAutostartEntry(std::string_view command);

// The command of an entry's Exec line; nullopt when the entry has none or is
// switched off (Hidden=true, or the desktop's autostart-enabled key false).
std::optional<std::string> AutostartCommand(std::string_view entry);

} // namespace ombrix
