#pragma once
// What the main window is given by the program that builds it: the ports of
// its rules, the GUI services it uses and the run's fixed values.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "base/Registry.h"
#include "guikit/rules/WindowLanguage.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/ConversionPort.h"
#include "mainwindow/rules/MainDialogs.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/WindowPorts.h"
#include "platform/posix/Paths.h"
#include "services/Beeper.h"
#include "services/Clipboard.h"
#include "services/FileDialogs.h"
#include "services/InstanceChannel.h"
#include "services/ProgramStarter.h"
#include "services/ShellOpener.h"
#include "services/TrayIcon.h"
#include "settings/LanguageFile.h"

#include <string>

namespace ombrix {

struct MainWindowServices {
    Registry& registry;
    ConversionPort& conversion;
    CataloguePort& catalogue;
    SettingsOps& settings;
    WindowLanguage& language;
    const MessageTexts& texts;
    MainFlags& flags;
    // The addresses and the help file of the language file's records 401 to 405.
    const LinkTargets& links;

    MessageSink& messages;
    FileDialogs& fileDialogs;
    Clipboard& clipboard;
    Beeper& beeper;
    ShellOpener& shell;
    ProgramStarter& starter;
    TrayIcon& tray;
    InstanceChannel& channel;
    MainDialogs& dialogs;
    ToolWindows tools;

    platform::ProgramFolders folders;
    // What the program registers to start with the desktop session.
    std::string runCommand;
};

} // namespace ombrix
