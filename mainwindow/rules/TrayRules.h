#pragma once
// Tray mode and the icon's window: entering and leaving tray mode, the
// timer that keeps the icon's tip current, the icon's pointer events and
// the Show, Hide and Exit items of its menu.

#include "base/Registry.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/WindowPorts.h"
#include "services/TrayIcon.h"

#include <cstddef>
#include <string>

namespace ombrix {

// The icon's tip holds at most this many characters of the caption.
inline constexpr std::size_t TrayTipLength = 64;
std::string TrayTip(const std::string& caption);

// The pointer messages of the icon that mean something.
enum class TrayPointer {
    LeftDoubleClick = 0x203,
    RightButtonUp = 0x205,
    Other = 0,
};

struct TrayServices {
    MainFlags& flags;
    Registry& registry;
    MainView& view;
    ToolWindows tools;
    TrayIcon& icon;
};

class TrayRules {
public:
    TrayRules(TrayServices services, TrayHost& host) : s_(services), host_(host) {}

    // Turns tray mode on; writeSetting is false at start-up. Without a
    // notification area nothing changes, so closing the window still ends
    // the program. False when tray mode was not entered.
    bool EnterTrayMode(bool writeSetting);
    void LeaveTrayMode();
    // The Tray item of the Config menu.
    void Mtray_Click();
    // Without a notification area the Tray item cannot be used.
    void DisableItemWithoutTray();

    void Timer1_Timer();
    void PointerEvent(TrayPointer message);
    void mnuShow_Click();
    void mnuHide_Click();
    // Ends the program; the main window's refusal to close does not stop it.
    void mnuExit_Click();
    // Unloading the icon's window: the icon goes, tray mode ends.
    void Unload();

private:
    TrayServices s_;
    TrayHost& host_;
};

} // namespace ombrix
