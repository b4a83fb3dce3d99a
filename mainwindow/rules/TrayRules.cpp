#include "mainwindow/rules/TrayRules.h"
#include "mainwindow/rules/ToolWindows.h"
#include "settings/SettingNames.h"

namespace ombrix {

std::string TrayTip(const std::string& caption) {
    return caption.substr(0, TrayTipLength);
}

bool TrayRules::EnterTrayMode(bool writeSetting) {
    if (!s_.icon.Available()) {
        return false;
    }
    s_.flags.TrayActive = true;
    if (writeSetting) {
        WriteSetting(s_.registry, TraySetting, OnOff(true));
    }
    s_.view.SetMenuChecked(MenuItem::Tray, true);
    s_.icon.Add(TrayTip(s_.view.Caption()));
    s_.view.SetOnTaskBar(false);
    host_.StartTimer();
    return true;
}

void TrayRules::LeaveTrayMode() {
    s_.flags.TrayActive = false;
    WriteSetting(s_.registry, TraySetting, OnOff(false));
    s_.view.SetMenuChecked(MenuItem::Tray, false);
    host_.StopTimer();
    s_.icon.Remove();
    s_.view.SetOnTaskBar(true);
}

void TrayRules::Mtray_Click() {
    if (s_.view.MenuChecked(MenuItem::Tray)) {
        LeaveTrayMode();
    } else {
        EnterTrayMode(true);
    }
}

void TrayRules::DisableItemWithoutTray() {
    if (!s_.icon.Available()) {
        s_.view.SetMenuEnabled(MenuItem::Tray, false);
    }
}

void TrayRules::Timer1_Timer() {
    const std::string tip = TrayTip(s_.view.Caption());
    // A restarted tray host has forgotten the icon: add it again.
    if (!s_.icon.Modify(tip)) {
        s_.icon.Add(tip);
    }
}

void TrayRules::PointerEvent(TrayPointer message) {
    s_.flags.StartupPhase = 1;
    const bool enabled = s_.view.WindowEnabled();
    const bool visible = s_.view.WindowVisible();
    host_.SetItemsEnabled(enabled && !visible, enabled && visible, enabled);
    if (s_.flags.OptionsOpen) {
        return;
    }
    switch (message) {
    case TrayPointer::LeftDoubleClick:
        mnuShow_Click();
        break;
    case TrayPointer::RightButtonUp:
        host_.PopUpMenu();
        break;
    case TrayPointer::Other:
        break;
    }
}

void TrayRules::mnuShow_Click() {
    if (!host_.Enabled()) {
        return;
    }
    host_.SetItemsEnabled(false, true, true);
    s_.view.ShowWindow();
    ShowOpenToolWindows(s_.flags, s_.tools);
}

void TrayRules::mnuHide_Click() {
    if (!host_.Enabled()) {
        return;
    }
    s_.view.HideWindow();
    host_.SetItemsEnabled(true, false, true);
    HideOpenToolWindows(s_.flags, s_.tools);
}

void TrayRules::mnuExit_Click() {
    if (!host_.Enabled()) {
        return;
    }
    // With tray mode still on this only hides the main window.
    host_.CloseMainWindow();
    HideOpenToolWindows(s_.flags, s_.tools);
    Unload();
    host_.CloseAllAndEnd();
}

void TrayRules::Unload() {
    s_.flags.Hooked = false;
    s_.icon.Remove();
    s_.flags.TrayActive = false;
    host_.StopTimer();
}

} // namespace ombrix
