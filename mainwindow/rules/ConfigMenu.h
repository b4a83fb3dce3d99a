#pragma once
// The window options of the Config menu that are stored as settings: always
// on top, the intro option and start at login. The Tray item is TrayRules'.

#include "base/Registry.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/WindowPorts.h"
#include "services/TrayIcon.h"

#include <string>

namespace ombrix {

struct ConfigServices {
    MainFlags& flags;
    Registry& registry;
    MainView& view;
    ToolWindows tools;
    TrayIcon& tray;
    // The command written to start the program with the desktop session.
    std::string runCommand;
};

class ConfigMenu {
public:
    explicit ConfigMenu(ConfigServices services) : s_(std::move(services)) {}

    // Toggles always on top for the main window and the open wizard and
    // calculator; the last window handled ends up active.
    void Altop_Click();
    void Indo_Click();
    // Turning it on also makes closing the main window hide it, so the
    // program behaves as one started at login would.
    void startup_Click();

private:
    ConfigServices s_;
};

// Takes the other windows out of the way while a dialog is open (on false)
// and brings them back (on true).
void EnableMainWindows(const MainFlags& flags, MainView& view, const ToolWindows& tools, bool on);

} // namespace ombrix
