#include "mainwindow/rules/MainLifecycle.h"

#include "mainwindow/rules/CommandLine.h"
#include "platform/Paths.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace ombrix {

namespace {

constexpr std::string_view CatalogueName = "ombrixgo.cfg";
constexpr std::string_view LegacyCatalogueName = "ombrixg.cfg";
// The start-up reads of the display options spell the key without its backslash.
constexpr std::string_view OptionsKey = SettingsKey.substr(0, SettingsKey.size() - 1);

std::string InFolder(const std::string& folder, std::string_view name) {
    return platform::ToFileSystemPath(folder + "/" + std::string(name));
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

bool HoldsCatalogue(const std::string& folder) {
    return platform::FileExists(InFolder(folder, CatalogueName)) ||
           platform::FileExists(InFolder(folder, LegacyCatalogueName));
}

// The stored number of decimals, or 2 when it is no index of the list "0" to "11".
int DecimalsIndex(const std::string& text) {
    int index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || index < 0 ||
        index > 11) {
        return 2;
    }
    return index;
}

} // namespace

MainLifecycle::MainLifecycle(LifecycleServices services) : s_(std::move(services)) {}

StartupOutcome MainLifecycle::Startup(const std::string& commandLine) {
    if (s_.channel.HandOverToRunningCopy(commandLine)) {
        return StartupOutcome::SecondCopy;
    }

    std::string& data = s_.dataFolder;
    data = s_.settings.AppDataFolder("Quavomat");
    if (IsBlank(data)) {
        data = s_.programFolder;
    }
    s_.settings.MakeDirPath(data);

    Registry& reg = s_.registry;
    std::string migration = reg.RegRead(Hive::CurrentUser, SettingsKey, "Migration");
    std::string first = reg.RegRead(Hive::CurrentUser, SettingsKey, "first");
    if (first.empty()) {
        first = reg.RegRead(Hive::LocalMachine, SettingsKey, "first");
    }
    if (first.empty()) {
        first = "1";
    }
    if (migration.empty() && first == "1" && !HoldsCatalogue(data)) {
        migration = "1";
    }
    for (std::string_view name : {CatalogueName, LegacyCatalogueName}) {
        const std::string from = InFolder(s_.programFolder, name);
        const std::string to = InFolder(data, name);
        if (platform::FileExists(from) && !platform::FileExists(to)) {
            std::error_code ignored; // a copy that fails leaves the start-up to the defaults
            std::filesystem::copy_file(from, to, ignored);
        }
    }
    if (first == "0" && migration == "1") {
        s_.settings.MigrateMachineSettings();
    }
    if (first == "1" && migration == "1") {
        s_.settings.ApplyFirstRunDefaults();
    }
    if (!HoldsCatalogue(data)) {
        s_.catalogue.WriteDefaultCatalogueFile(commandLine);
    }

    const std::string sw = reg.RegRead(Hive::CurrentUser, OptionsKey, "Switch");
    s_.flags.SwitchSides = sw != "0";
    const std::int16_t selected = s_.catalogue.ReadCatalogue(0);
    s_.panel.ReloadList();
    if (s_.catalogue.LastIndex() >= 0) {
        s_.panel.SelectEntry(selected);
    }

    if (first == "0" && StartsWithLanguageSwitch(commandLine)) {
        const std::string language = LanguageFromCommandLine(commandLine);
        std::string written;
        // When the catalogue cannot be written the named language still applies to this run.
        s_.catalogue.SetLanguageFile(
            s_.catalogue.SaveCatalogue(language, true, written) ? written : language);
    }
    if (s_.catalogue.LanguageFile().empty()) {
        s_.catalogue.SetLanguageFile("eng.lng");
    }
    if (!s_.settings.LoadLanguage(s_.catalogue.LanguageFile(), 1)) {
        return StartupOutcome::LanguageFailed;
    }
    s_.flags.NeedsRefresh = false;

    ApplyStoredOptions();

    bool hidden = false;
    if (reg.RegRead(Hive::CurrentUser, OptionsKey, "Tray") == "1" &&
        s_.tray.Add(s_.view.Caption())) {
        s_.flags.TrayActive = true;
        s_.view.SetMenuChecked(MenuItem::Tray, true);
        if (IsTraySwitch(commandLine)) {
            s_.flags.StartupPhase = 1;
            hidden = true;
        }
    }
    if (s_.catalogue.LastIndex() < 0) {
        s_.view.HideWindow();
        s_.windows.ShowOptions();
        return StartupOutcome::Hidden;
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

void MainLifecycle::ApplyStoredOptions() {
    Registry& reg = s_.registry;
    auto read = [&](std::string_view name) {
        return reg.RegRead(Hive::CurrentUser, OptionsKey, name);
    };
    if (read("Ontop") == "1") {
        s_.flags.AlwaysOnTop = true;
        s_.view.SetTopmost(true);
        s_.view.SetMenuChecked(MenuItem::AlwaysOnTop, true);
    }
    s_.flags.IntroEnabled = read("Intro") != "0";
    s_.view.SetMenuChecked(MenuItem::Intro, s_.flags.IntroEnabled);

    const std::string run = reg.RegRead(Hive::CurrentUser, RunKey, "Ombrix");
    s_.view.SetMenuChecked(MenuItem::Startup, !run.empty() && run == s_.runCommand);

    if (read("Digit") == "0") {
        s_.view.SetDigitChecked(false);
        s_.panel.Digitchek_Click(false);
    } else {
        s_.view.SetDigitChecked(true);
        s_.panel.Digitchek_Click(true);
    }
    s_.flags.OptionsOpen = false;
    s_.flags.WizardOpen = false;

    const int decimals = DecimalsIndex(read("decnum"));
    s_.view.SelectDecimals(decimals);
    s_.panel.Combo2_Click(decimals);

    if (read("precision") == "0") {
        s_.flags.PrecisionOn = false;
        s_.view.SetPrecisionChecked(false);
    } else {
        s_.view.SetPrecisionChecked(true);
        s_.panel.Check1_Click(true);
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

void MainLifecycle::ShowAllWindows() {
    if (s_.flags.WizardOpen) {
        s_.windows.ShowWizard();
    }
    if (s_.flags.CalculatorOpen) {
        s_.windows.ShowCalculator();
    }
    s_.view.ShowWindow();
}

void MainLifecycle::Activated() {
    if (s_.view.MenuChecked(MenuItem::AlwaysOnTop) && s_.flags.StartupPhase <= 1) {
        s_.view.SetTopmost(true);
    }
    if (s_.flags.StartupPhase == 5) {
        s_.settings.LoadLanguage(s_.catalogue.LanguageFile(), 1);
        if (s_.flags.WizardOpen) {
            s_.windows.ReloadTexts(4);
        }
        if (s_.flags.CalculatorOpen) {
            s_.windows.ReloadTexts(5);
        }
        s_.flags.StartupPhase = 1;
    }
    if (s_.flags.NeedsRefresh) {
        s_.panel.RefreshFromCatalogue();
        if (s_.flags.TrayActive) {
            s_.tray.Modify(s_.view.Caption());
        }
        s_.flags.NeedsRefresh = false;
    }
}

CloseDecision MainLifecycle::CloseRequested(bool sessionEnds) {
    if (sessionEnds) {
        s_.flags.TrayActive = false;
    }
    if (s_.flags.TrayActive) {
        if (s_.flags.WizardOpen) {
            s_.windows.HideWizard();
        }
        if (s_.flags.CalculatorOpen) {
            s_.windows.HideCalculator();
        }
        s_.view.HideWindow();
        return CloseDecision::Hide;
    }
    s_.flags.Hooked = false;
    return CloseDecision::Close;
}

} // namespace ombrix
