#pragma once
// Sets the captions and tool tips of a window's controls, found by their
// object names, from the records of the language file.

#include "settings/LanguageFile.h"

#include <string>
#include <vector>

class QWidget;

namespace ombrix {

struct ControlText {
    enum class Kind { Caption, ToolTip };
    std::string control; // object name; the window's own name sets its title
    Kind kind = Kind::Caption;
    std::string text; // Windows-1252
};

// False when a named control does not exist in the window.
bool ApplyWindowTexts(QWidget& window, const std::vector<ControlText>& texts);

// Each loaded text goes to the open window named as its owner (the main
// window, the never-shown tray window, the about box, ...); a window not open
// takes none. A text the window keeps for later use (the wizard's status
// texts) becomes a property of the window named as the text.
void ApplyToOpenWindows(const std::vector<WindowText>& loaded);

} // namespace ombrix
