#pragma once
// The about box without the window: the lines it builds from its captions,
// and what opening and closing it does to the main program's windows.

#include "services/OwnerWindows.h"

#include <string>

namespace ombrix {

// The line the description label gets after its caption.
inline constexpr std::string_view AboutDescriptionLine =
    "Exact decimal conversions, from one value to a whole table.";

struct AboutLines {
    std::string caption;
    std::string version;
    std::string description;
};

// The captions as loaded (design or language texts) completed for showing:
// the application title after the caption, the version after "Version".
AboutLines CompleteAboutLines(const AboutLines& loaded, const std::string& appTitle);

// Opened from the main window (not the editor), the box keeps the windows
// that own it disabled until it closes.
void AboutOpened(bool openedFromEditor, OwnerWindows& owners);
void AboutClosed(bool openedFromEditor, OwnerWindows& owners);

} // namespace ombrix
