#include "mainwindow/rules/MainLifecycle.h"

#include "mainwindow/rules/CommandLine.h"
#include "mainwindow/rules/EmptyCatalogue.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/TrayRules.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStartup.h"
#include "settings/WindowTextTables.h"

namespace ombrix {

namespace {

// Shipped beside the program; the language of a first start.
constexpr const char* FallbackLanguage = "eng.lng";
// Enough for a burst of opened files; a flood of hand-overs cannot grow it.
constexpr std::size_t MaxHeldHandOvers = 64;

} // namespace

MainLifecycle::MainLifecycle(LifecycleServices services) : s_(std::move(services)) {}

StartupOutcome MainLifecycle::Startup(const std::string& commandLine) {
    if (s_.channel.HandOverToRunningCopy(
            commandLine, [this](const std::string& text) { CommandLineReceived(text); })) {
        return StartupOutcome::SecondCopy;
    }

    s_.settings.MakeDirPath(s_.dataFolder);
    const std::string first = s_.settings.ApplyStartupRule(
        commandLine, {[this] { s_.view.SetMenuChecked(MenuItem::Startup, false); },
                      [this] { s_.view.CentreWindow(); }});

    const DisplayOptions options = ReadDisplayOptions(s_.registry, s_.runCommand);
    s_.flags.SwitchSides = options.switchSides;
    const std::int16_t selected = s_.catalogue.ReadCatalogue(0, -1);
    s_.panel.ReloadList();
    if (s_.catalogue.LastIndex() >= 0) {
        s_.panel.SelectEntry(selected);
    }

    if (!LoadStartupLanguage(first == OnOff(false) && StartsWithLanguageSwitch(commandLine)
                                 ? LanguageFromCommandLine(commandLine)
                                 : std::string())) {
        return StartupOutcome::LanguageFailed;
    }
    s_.flags.NeedsRefresh = false;

    ApplyStoredOptions(options);

    bool hidden = false;
    TrayRules trayMode({s_.flags, s_.registry, s_.view, s_.tools, s_.tray}, s_.trayHost);
    trayMode.DisableItemWithoutTray();
    if (options.trayIcon && trayMode.EnterTrayMode(false)) {
        if (IsTraySwitch(commandLine)) {
            s_.flags.StartupPhase = 1;
            hidden = true;
        }
    }
    if (s_.catalogue.LastIndex() < 0) {
        OfferOptionsForEmptyCatalogue(s_.view, s_.dialogs);
        return s_.view.WindowVisible() ? StartupOutcome::Shown : StartupOutcome::Hidden;
    }
    if (s_.flags.StartupPhase == 0 && !commandLine.empty() &&
        !StartsWithLanguageSwitchExact(commandLine)) {
        SUBCOMMAND(commandLine);
    }
    s_.flags.StartupPhase = 1;
    if (s_.view.MenuChecked(MenuItem::AlwaysOnTop)) {
        s_.view.SetTopmost(true);
    }
    s_.flags.Hooked = true;
    return hidden ? StartupOutcome::Hidden : StartupOutcome::Shown;
}

bool MainLifecycle::LoadStartupLanguage(const std::string& named) {
    // A named language is recorded only once it has loaded, so a mistyped
    // name cannot keep every later start from showing a window.
    if (!named.empty() && s_.settings.LoadLanguage(named, MainWindow)) {
        std::string written;
        // When the catalogue cannot be written the named language still applies to this run.
        s_.catalogue.SetLanguageFile(s_.catalogue.SaveCatalogue(named, true, written) ? written
                                                                                      : named);
        s_.view.LanguageApplied();
        return true;
    }
    if (s_.catalogue.LanguageFile().empty()) {
        s_.catalogue.SetLanguageFile(FallbackLanguage);
    }
    if (LoadMainWindowTexts()) {
        return true;
    }
    // The recorded file is gone: its message has been shown, and this run goes
    // on in the language shipped beside the program rather than ending. The
    // catalogue file is not rewritten for it.
    if (s_.catalogue.LanguageFile() == FallbackLanguage) {
        return false;
    }
    s_.catalogue.SetLanguageFile(FallbackLanguage);
    return LoadMainWindowTexts();
}

bool MainLifecycle::LoadMainWindowTexts() {
    if (!s_.settings.LoadLanguage(s_.catalogue.LanguageFile(), MainWindow)) {
        return false;
    }
    s_.view.LanguageApplied();
    return true;
}

void MainLifecycle::ApplyStoredOptions(const DisplayOptions& options) {
    if (options.alwaysOnTop) {
        s_.flags.AlwaysOnTop = true;
        s_.view.SetTopmost(true);
        s_.view.SetMenuChecked(MenuItem::AlwaysOnTop, true);
    }
    s_.flags.IntroEnabled = options.introEnabled;
    s_.view.SetMenuChecked(MenuItem::Intro, options.introEnabled);
    s_.view.SetMenuChecked(MenuItem::Startup, options.startAtLogin);

    // Checking a box runs its handler, which stores the setting and applies it;
    // grouping starts off in the engine.
    s_.view.SetDigitChecked(options.digitGrouping);
    if (options.digitGrouping) {
        s_.panel.Digitchek_Click(true);
    }
    // OptionsOpen is left alone: a start whose conversions failed to load
    // may have opened the dialog already.
    s_.flags.WizardOpen = false;

    s_.view.SelectDecimals(options.decimalsIndex);
    s_.panel.Combo2_Click(options.decimalsIndex);

    if (options.fixedDecimals) {
        s_.view.SetPrecisionChecked(true);
        s_.panel.Check1_Click(true);
    } else {
        s_.flags.PrecisionOn = false;
        s_.view.SetPrecisionChecked(false);
    }
}

void MainLifecycle::SUBCOMMAND(std::string text) {
    if (text.empty()) {
        // An empty command line names no file: it only brings the windows back.
        if (s_.flags.TrayActive) {
            ShowAllWindows();
        }
        return;
    }
    const std::string result = s_.panel.addconfig(text);
    s_.flags.StartupPhase = 1;
    if (result != "-1" && result != "-2") {
        s_.panel.SelectEntry(s_.catalogue.LastIndex());
        ShowAllWindows();
    }
}

void MainLifecycle::CommandLineReceived(const std::string& text) {
    if (!s_.flags.Hooked) {
        // Forwarded lines are not taken in this state. A copy that is ending
        // ignores them; one that never finished starting (no conversion to
        // show) gives the user its window back, so the start that sent the
        // line does not vanish into a copy nobody can see.
        if (s_.flags.StartupPhase == 0) {
            OfferOptionsForEmptyCatalogue(s_.view, s_.dialogs);
        }
        return;
    }
    if (s_.flags.OptionsOpen) {
        // The options dialog's list is the catalogue until it closes; a file
        // added behind it would be lost or misplaced by its Apply. It waits
        // for the dialog, and the user is shown where the catalogue is edited.
        if (heldWhileOptionsOpen_.size() < MaxHeldHandOvers) {
            heldWhileOptionsOpen_.push_back(text);
        }
        s_.dialogs.ShowOptions();
        return;
    }
    // The sender's copy would restore and activate this window first.
    s_.view.ShowWindow();
    SUBCOMMAND(text);
}

void MainLifecycle::OptionsClosed() {
    std::vector<std::string> held;
    held.swap(heldWhileOptionsOpen_);
    for (const std::string& text : held) {
        CommandLineReceived(text);
    }
}

void MainLifecycle::ShowAllWindows() {
    ShowOpenToolWindows(s_.flags, s_.tools);
    s_.view.ShowWindow();
}

void MainLifecycle::Activated() {
    if (s_.view.MenuChecked(MenuItem::AlwaysOnTop) && s_.flags.StartupPhase <= 1) {
        s_.view.SetTopmost(true);
    }
    if (s_.flags.StartupPhase == 5) {
        LoadMainWindowTexts();
        ForEachOpenToolWindow(s_.flags, s_.tools, [](ToolWindow& window) { window.ReloadTexts(); });
        s_.flags.StartupPhase = 1;
    }
    if (s_.flags.NeedsRefresh) {
        s_.panel.RefreshFromCatalogue();
        if (s_.flags.TrayActive) {
            s_.tray.Modify(TrayTip(s_.view.Caption()));
        }
        s_.flags.NeedsRefresh = false;
    }
}

CloseDecision MainLifecycle::CloseRequested(bool sessionEnds) {
    // Without a notification area a hidden window could never be reached
    // again, nor the program ended: closing then closes, whatever set tray mode.
    if (sessionEnds || !s_.tray.Available()) {
        s_.flags.TrayActive = false;
    }
    if (s_.flags.TrayActive) {
        HideOpenToolWindows(s_.flags, s_.tools);
        s_.view.HideWindow();
        return CloseDecision::Hide;
    }
    s_.flags.Hooked = false;
    return CloseDecision::Close;
}

} // namespace ombrix
