#pragma once
// The one object a program run builds at start: the engine side, the settings
// store, the catalogue, the language texts, the main window's flags and the
// GUI services. Windows get it by reference; nothing of it is global.

#include "engine/MessageSink.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/ConversionPort.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/WindowPorts.h"
#include "platform/qt/GuiServices.h"
#include "settings/MessageTexts.h"
#include "settings/Registry.h"

#include <string>

namespace ombrix {

// The addresses the language file gives the Help menu's items.
struct LinkTargets {
    std::string bugReport; // record 401
    std::string web;       // record 402
    std::string help;      // record 403
    std::string donate;    // record 405
};

struct GuiServices {
    MessageSink& messages;
    FileDialogs& dialogs;
    Clipboard& clipboard;
    Beeper& beeper;
    ShellOpener& shell;
    TrayIcon& tray;
    OtherWindows& windows;
    InstanceChannel& channel;
};

struct AppContext {
    Registry& registry;
    ConversionPort& conversion;
    CataloguePort& catalogue;
    SettingsOps& settings;
    const MessageTexts& texts;
    GuiServices services;
    std::string programFolder;
    // What the program registers to start with the desktop session.
    std::string runCommand;
    MainFlags flags{};
    std::string dataFolder{};
    LinkTargets links{};
};

} // namespace ombrix
