#include "settings/SettingsStartup.h"

#include "platform/posix/FileIo.h"
#include "settings/CatalogueFile.h"
#include "settings/DataFolder.h"
#include "settings/SettingNames.h"

#include <unistd.h>

#include <array>
#include <filesystem>
#include <system_error>

namespace ombrix {

namespace {

std::string InFolder(const std::string& folder, std::string_view name) {
    return platform::ToFileSystemPath(JoinPath(folder, name));
}

// `path` is already in the file system's form, so it is not converted again.
bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool DataFolderHasCatalogue(const platform::ProgramFolders& folders) {
    return Exists(InFolder(folders.data, CatalogueFileName)) ||
           Exists(InFolder(folders.data, LegacyCatalogueFileName));
}

// A copy that is complete or absent: the catalogue's own lock and atomic replace.
void CopyIntoDataFolder(const platform::ProgramFolders& folders, std::string_view name) {
    const std::string source = InFolder(folders.program, name);
    const std::string target = InFolder(folders.data, name);
    if (!Exists(source) || Exists(target))
        return;
    const std::optional<std::string> bytes = ReadWholeFile(source);
    if (!bytes)
        return;
    const FileLock lock(target);
    if (lock.Held() && !Exists(target))
        ReplaceFileContents(target, *bytes);
}

int DecimalsIndex(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return DefaultDecimalsIndex;
    const int index = std::stoi(text);
    return index < DecimalsItemCount ? index : DefaultDecimalsIndex;
}

} // namespace

void MigrateMachineSettings(Registry& registry, Catalogue& catalogue) {
    auto machine = [&](std::string_view name) {
        return registry.RegRead(Hive::LocalMachine, SettingsKey, name);
    };
    const std::string switchSides = machine(SwitchSetting), onTop = machine(OnTopSetting),
                      intro = machine(IntroSetting), digit = machine(DigitSetting),
                      decnum = machine(DecimalsSetting), tray = machine(TraySetting),
                      precision = machine(PrecisionSetting), symbool = machine(SymbolSetting);

    catalogue.ReadCatalogue(CatalogueProgramFolder);
    MakeDirPath(catalogue.Folders().data);
    const bool saved =
        catalogue.WriteCatalogue(catalogue.LanguageFile, catalogue.Names, true).has_value();
    const std::string programCatalogue = InFolder(catalogue.Folders().program, CatalogueFileName);
    // Only a catalogue that reached the data folder may leave the program folder.
    if (saved && Exists(programCatalogue))
        ::unlink(programCatalogue.c_str()); // a failure leaves it in place

    auto writeWhenGiven = [&](std::string_view name, const std::string& text) {
        if (!text.empty())
            WriteSetting(registry, name, text);
    };
    writeWhenGiven(DecimalsSetting, decnum);
    writeWhenGiven(SwitchSetting, switchSides);
    writeWhenGiven(OnTopSetting, onTop);
    writeWhenGiven(IntroSetting, intro);
    // An absent machine-wide Digit becomes "2", which reads as on.
    WriteSetting(registry, DigitSetting, digit.empty() ? "2" : digit);
    WriteSetting(registry, PrecisionSetting, precision.empty() ? OnOff(true) : precision);
    writeWhenGiven(TraySetting, tray);
    writeWhenGiven(SymbolSetting, symbool);

    const std::array<std::pair<std::string_view, const std::string*>, 6> moved{{
        {OnTopSetting, &onTop},
        {IntroSetting, &intro},
        {DecimalsSetting, &decnum},
        {TraySetting, &tray},
        {PrecisionSetting, &precision},
        {SwitchSetting, &switchSides},
    }};
    for (const auto& [name, text] : moved) {
        if (!text->empty())
            registry.RegDelete(Hive::LocalMachine, SettingsKey, name);
    }
    if (!machine(FirstStartSetting).empty())
        registry.RegDelete(Hive::LocalMachine, SettingsKey, FirstStartSetting);

    WriteSetting(registry, FirstStartSetting, OnOff(false));
    WriteSetting(registry, MigrationSetting, OnOff(false));
}

void ApplyFirstRunDefaults(Registry& registry, const FirstRunWindowSteps& window) {
    WriteSetting(registry, SwitchSetting, OnOff(false));
    WriteSetting(registry, OnTopSetting, OnOff(true));
    WriteSetting(registry, IntroSetting, OnOff(false));
    WriteSetting(registry, DigitSetting, OnOff(false));
    WriteSetting(registry, PrecisionSetting, OnOff(false));
    WriteSetting(registry, SymbolSetting, OnOff(false));
    WriteSetting(registry, DecimalsSetting, std::to_string(DefaultDecimalsIndex));
    if (window.UncheckStartupItem)
        window.UncheckStartupItem();
    WriteSetting(registry, TraySetting, OnOff(true));
    if (window.CentreMainWindow)
        window.CentreMainWindow();
    WriteSetting(registry, FirstStartSetting, OnOff(false));
    WriteSetting(registry, MigrationSetting, OnOff(false));
}

StartupDecision ApplySettingsStartup(Registry& registry, Catalogue& catalogue,
                                     const FirstRunWindowSteps& window,
                                     std::string_view commandLine) {
    const platform::ProgramFolders& folders = catalogue.Folders();
    std::string migration = ReadSetting(registry, MigrationSetting);
    StartupDecision decision;
    decision.first = ReadSetting(registry, FirstStartSetting);
    if (decision.first.empty())
        decision.first = registry.RegRead(Hive::LocalMachine, SettingsKey, FirstStartSetting);
    if (decision.first.empty())
        decision.first = OnOff(true);
    // These two are compared as texts: an unknown one takes neither procedure.
    const bool firstStart = decision.first == OnOff(true);
    if (migration.empty() && firstStart && !DataFolderHasCatalogue(folders))
        migration = OnOff(true);

    CopyIntoDataFolder(folders, CatalogueFileName);
    CopyIntoDataFolder(folders, LegacyCatalogueFileName);

    const bool migrate = migration == OnOff(true);
    if (decision.first == OnOff(false) && migrate) {
        MigrateMachineSettings(registry, catalogue);
        decision.migrated = true;
    } else if (firstStart && migrate) {
        ApplyFirstRunDefaults(registry, window);
        decision.firstRunDefaults = true;
    }
    if (!DataFolderHasCatalogue(folders))
        catalogue.WriteDefaultCatalogueFile(commandLine);
    return decision;
}

DisplayOptions ReadDisplayOptions(const Registry& registry, std::string_view startCommand) {
    DisplayOptions options;
    options.switchSides = ReadOnOff(ReadSetting(registry, SwitchSetting), true);
    options.alwaysOnTop = ReadOnOff(ReadSetting(registry, OnTopSetting), false);
    options.introEnabled = ReadOnOff(ReadSetting(registry, IntroSetting), true);
    options.digitGrouping = ReadOnOff(ReadSetting(registry, DigitSetting), true);
    options.fixedDecimals = ReadOnOff(ReadSetting(registry, PrecisionSetting), true);
    options.trayIcon = ReadOnOff(ReadSetting(registry, TraySetting), false);
    options.decimalsIndex = DecimalsIndex(ReadSetting(registry, DecimalsSetting));
    const std::string run = registry.RegRead(Hive::CurrentUser, RunKey, StartAtLoginValue);
    options.startAtLogin = !run.empty() && run == startCommand;
    return options;
}

} // namespace ombrix
