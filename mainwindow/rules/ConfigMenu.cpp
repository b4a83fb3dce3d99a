#include "mainwindow/rules/ConfigMenu.h"

namespace ombrix {

namespace {
// The start-at-login value's name under the Run key.
constexpr std::string_view RunValueName = "Ombrix";
} // namespace

void ConfigMenu::Altop_Click() {
    const bool on = !s_.view.MenuChecked(MenuItem::AlwaysOnTop);
    s_.registry.RegWrite(Hive::CurrentUser, SettingsKey, "Ontop", on ? "1" : "0");
    s_.view.SetTopmost(on);
    ForEachOpenToolWindow(s_.flags, s_.tools, [on](ToolWindow& window) { window.SetTopmost(on); });
    s_.view.SetMenuChecked(MenuItem::AlwaysOnTop, on);
    s_.flags.AlwaysOnTop = on;
}

void ConfigMenu::Indo_Click() {
    const bool on = !s_.view.MenuChecked(MenuItem::Intro);
    s_.flags.IntroEnabled = on;
    s_.registry.RegWrite(Hive::CurrentUser, SettingsKey, "Intro", on ? "1" : "0");
    s_.view.SetMenuChecked(MenuItem::Intro, on);
}

void ConfigMenu::startup_Click() {
    if (s_.view.MenuChecked(MenuItem::Startup)) {
        s_.registry.RegDelete(Hive::CurrentUser, RunKey, RunValueName);
        s_.view.SetMenuChecked(MenuItem::Startup, false);
        return;
    }
    s_.flags.TrayActive = true;
    s_.registry.RegWrite(Hive::CurrentUser, RunKey, RunValueName, s_.runCommand);
    s_.view.SetMenuChecked(MenuItem::Startup, true);
}

void EnableMainWindows(const MainFlags& flags, MainView& view, const ToolWindows& tools, bool on) {
    view.ClearDrawing();
    if (flags.AlwaysOnTop) {
        view.SetTopmost(on);
        ForEachOpenToolWindow(flags, tools, [on](ToolWindow& window) { window.SetTopmost(on); });
    }
    ForEachOpenToolWindow(flags, tools, [on](ToolWindow& window) { window.SetEnabled(on); });
}

} // namespace ombrix
