#include "mainwindow/rules/ConfigMenu.h"

#include "settings/SettingNames.h"

namespace ombrix {

void ConfigMenu::Altop_Click() {
    const bool on = !s_.view.MenuChecked(MenuItem::AlwaysOnTop);
    WriteSetting(s_.registry, OnTopSetting, OnOff(on));
    s_.view.SetTopmost(on);
    ForEachOpenToolWindow(s_.flags, s_.tools, [on](ToolWindow& window) { window.SetTopmost(on); });
    s_.view.SetMenuChecked(MenuItem::AlwaysOnTop, on);
    s_.flags.AlwaysOnTop = on;
}

void ConfigMenu::Indo_Click() {
    const bool on = !s_.view.MenuChecked(MenuItem::Intro);
    s_.flags.IntroEnabled = on;
    WriteSetting(s_.registry, IntroSetting, OnOff(on));
    s_.view.SetMenuChecked(MenuItem::Intro, on);
}

void ConfigMenu::startup_Click() {
    if (s_.view.MenuChecked(MenuItem::Startup)) {
        s_.registry.RegDelete(Hive::CurrentUser, RunKey, StartAtLoginValue);
        s_.view.SetMenuChecked(MenuItem::Startup, false);
        return;
    }
    // Starting with the session means waiting in the notification area, when
    // the desktop has one; without one the window must stay reachable.
    s_.flags.TrayActive = s_.tray.Available();
    s_.registry.RegWrite(Hive::CurrentUser, RunKey, StartAtLoginValue, s_.runCommand);
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
