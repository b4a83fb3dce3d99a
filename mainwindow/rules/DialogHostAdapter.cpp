#include "mainwindow/rules/DialogHostAdapter.h"

#include "mainwindow/rules/ConfigMenu.h"
#include "settings/SettingNames.h"

namespace ombrix {

void DialogHostAdapter::ShowMainWindow() {
    s_.view.ShowWindow();
    // A start that found no conversion ends its start-up here: command lines
    // handed over from now on are taken as usual.
    s_.flags.StartupPhase = 1;
    s_.flags.Hooked = true;
}

void DialogHostAdapter::EnableMainWindows(bool on) {
    ombrix::EnableMainWindows(s_.flags, s_.view, s_.tools, on);
}

void DialogHostAdapter::SetIntroEnabled(bool on) {
    s_.flags.IntroEnabled = on;
    s_.view.SetMenuChecked(MenuItem::Intro, on);
    WriteSetting(s_.registry, IntroSetting, OnOff(on));
}

} // namespace ombrix
