#include "mainwindow/rules/AboutRules.h"

#include "mainwindow/rules/ConfigMenu.h"
#include "mainwindow/rules/HelpLauncher.h"

namespace ombrix {

AboutLines CompleteAboutLines(const AboutLines& loaded, const std::string& appTitle) {
    return {loaded.caption + " " + appTitle,
            loaded.version + " " + std::string(ProgramVersion()) + " ",
            loaded.description + " " + std::string(AboutDescriptionLine)};
}

void AboutOpened(const MainFlags& flags, MainView& view, OtherWindows& windows) {
    if (flags.AboutFromEditor == 0) {
        view.SetWindowEnabled(false);
        EnableMainWindows(flags, view, windows, false);
    }
}

void AboutClosed(const MainFlags& flags, MainView& view, OtherWindows& windows) {
    if (flags.AboutFromEditor == 0) {
        view.SetWindowEnabled(true);
        EnableMainWindows(flags, view, windows, true);
    }
}

} // namespace ombrix
