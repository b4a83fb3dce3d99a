#include "guikit/rules/AboutRules.h"

#include "guikit/rules/HelpLauncher.h"

namespace ombrix {

AboutLines CompleteAboutLines(const AboutLines& loaded, const std::string& appTitle) {
    return {loaded.caption + " " + appTitle,
            loaded.version + " " + std::string(ProgramVersion()) + " ",
            loaded.description + " " + std::string(AboutDescriptionLine)};
}

void AboutOpened(bool openedFromEditor, OwnerWindows& owners) {
    if (!openedFromEditor) {
        owners.SetOwnersEnabled(false);
    }
}

void AboutClosed(bool openedFromEditor, OwnerWindows& owners) {
    if (!openedFromEditor) {
        owners.SetOwnersEnabled(true);
    }
}

} // namespace ombrix
