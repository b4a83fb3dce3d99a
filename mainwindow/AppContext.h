#pragma once
// The one object a program run builds at start: the engine side, the settings
// store, the catalogue, the language texts, the main window's flags and the
// GUI services. Windows get it by reference; nothing of it is global.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "base/Registry.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/ConversionPort.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/WindowPorts.h"
#include "services/Beeper.h"
#include "services/Clipboard.h"
#include "services/FileDialogs.h"
#include "services/ShellOpener.h"
#include "settings/LanguageFile.h"

#include <string>

namespace ombrix {

struct GuiServices {
    MessageSink& messages;
    FileDialogs& dialogs;
    Clipboard& clipboard;
    Beeper& beeper;
    ShellOpener& shell;
    ProgramStarter& starter;
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
    // The addresses and the help file of the language file's records 401 to 405.
    LinkTargets links{};
};

} // namespace ombrix
