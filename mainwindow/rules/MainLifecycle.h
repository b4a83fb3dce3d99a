#pragma once
// The main window's life without the window: the start-up sequence, the
// command lines it receives, its activation and its close requests.

#include "mainwindow/rules/ConversionPanel.h"
#include "services/InstanceChannel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ombrix {

struct DisplayOptions;

struct LifecycleServices {
    Registry& registry;
    SettingsOps& settings;
    CataloguePort& catalogue;
    ConversionPanel& panel;
    MainFlags& flags;
    MainView& view;
    MainDialogs& dialogs;
    ToolWindows tools;
    TrayIcon& tray;
    TrayHost& trayHost;
    InstanceChannel& channel;
    // The start-with-the-desktop command the program registers for itself.
    std::string runCommand;
    // The per-user data folder; the start-up makes it when it is missing.
    std::string dataFolder;
};

enum class StartupOutcome {
    SecondCopy,     // the command line went to the running copy; end quietly
    LanguageFailed, // the language file could not be applied; end
    Shown,          // running, the main window is to be shown
    Hidden,         // running, the main window stays hidden
};

enum class CloseDecision { Hide, Close };

class MainLifecycle {
public:
    explicit MainLifecycle(LifecycleServices services);

    StartupOutcome Startup(const std::string& commandLine);
    // Executes a command line: this copy's own or one handed over by another copy.
    void SUBCOMMAND(std::string text);
    // A command line handed over by another copy.
    void CommandLineReceived(const std::string& text);
    // The options dialog closed: the command lines handed over meanwhile run now.
    void OptionsClosed();
    void ShowAllWindows();
    void Activated();
    // sessionEnds: the desktop session is ending, so tray mode does not hold the program.
    CloseDecision CloseRequested(bool sessionEnds);

private:
    // named: a language file named on the command line, or empty.
    bool LoadStartupLanguage(const std::string& named);
    bool LoadMainWindowTexts();
    void ApplyStoredOptions(const DisplayOptions& options);

    LifecycleServices s_;
    // Handed over while the options dialog held the catalogue.
    std::vector<std::string> heldWhileOptionsOpen_;
};

} // namespace ombrix
