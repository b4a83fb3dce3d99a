#include "settings/SettingsStartup.h"

#include "platform/posix/FileIo.h"
#include "settings/CatalogueFile.h"
#include "settings/DataFolder.h"

#include <unistd.h>

#include <array>

namespace ombrix {

namespace {

std::string ReadUser(const Registry& registry, std::string_view name) {
    return registry.RegRead(Hive::CurrentUser, SettingsKey, name);
}

void WriteUser(Registry& registry, std::string_view name, std::string_view text) {
    registry.RegWrite(Hive::CurrentUser, SettingsKey, name, text);
}

std::string InFolder(const std::string& folder, std::string_view name) {
    return platform::ToFileSystemPath(JoinPath(folder, name));
}

bool DataFolderHasCatalogue(const platform::ProgramFolders& folders) {
    return platform::FileExists(InFolder(folders.data, CatalogueFileName)) ||
           platform::FileExists(InFolder(folders.data, LegacyCatalogueFileName));
}

// A copy that is complete or absent: the catalogue's own lock and atomic replace.
void CopyIntoDataFolder(const platform::ProgramFolders& folders, std::string_view name) {
    const std::string source = InFolder(folders.program, name);
    const std::string target = InFolder(folders.data, name);
    if (!platform::FileExists(source) || platform::FileExists(target))
        return;
    const std::optional<std::string> bytes = ReadWholeFile(source);
    if (!bytes)
        return;
    const FileLock lock(target);
    if (lock.Held() && !platform::FileExists(target))
        ReplaceFileContents(target, *bytes);
}

bool ZeroOff(const std::string& text) {
    return text != "0";
}
bool OneOn(const std::string& text) {
    return text == "1";
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
    const std::string switchSides = machine("Switch"), onTop = machine("Ontop"),
                      intro = machine("Intro"), digit = machine("Digit"),
                      decnum = machine("decnum"), tray = machine("Tray"),
                      precision = machine("precision"), symbool = machine("symbool");

    catalogue.ReadCatalogue(CatalogueProgramFolder);
    MakeDirPath(catalogue.Folders().data);
    catalogue.SaveCatalogue(catalogue.LanguageFile, catalogue.Names, true);
    const std::string programCatalogue = InFolder(catalogue.Folders().program, CatalogueFileName);
    if (platform::FileExists(programCatalogue))
        ::unlink(programCatalogue.c_str()); // a failure leaves it in place

    auto writeWhenGiven = [&](std::string_view name, const std::string& text) {
        if (!text.empty())
            WriteUser(registry, name, text);
    };
    writeWhenGiven("decnum", decnum);
    writeWhenGiven("Switch", switchSides);
    writeWhenGiven("Ontop", onTop);
    writeWhenGiven("Intro", intro);
    WriteUser(registry, "Digit", digit.empty() ? "2" : digit);
    WriteUser(registry, "precision", precision.empty() ? "1" : precision);
    writeWhenGiven("Tray", tray);
    writeWhenGiven("symbool", symbool);

    const std::array<std::pair<std::string_view, const std::string*>, 6> moved{{
        {"Ontop", &onTop},
        {"Intro", &intro},
        {"decnum", &decnum},
        {"Tray", &tray},
        {"precision", &precision},
        {"Switch", &switchSides},
    }};
    for (const auto& [name, text] : moved) {
        if (!text->empty())
            registry.RegDelete(Hive::LocalMachine, SettingsKey, name);
    }
    if (!machine("first").empty())
        registry.RegDelete(Hive::LocalMachine, SettingsKey, "first");

    WriteUser(registry, "first", "0");
    WriteUser(registry, "Migration", "0");
}

void ApplyFirstRunDefaults(Registry& registry, const FirstRunWindowSteps& window) {
    WriteUser(registry, "Switch", "0");
    WriteUser(registry, "Ontop", "1");
    WriteUser(registry, "Intro", "0");
    WriteUser(registry, "Digit", "0");
    WriteUser(registry, "precision", "0");
    WriteUser(registry, "symbool", "0");
    WriteUser(registry, "decnum", "2");
    if (window.UncheckStartupItem)
        window.UncheckStartupItem();
    WriteUser(registry, "Tray", "1");
    if (window.CentreMainWindow)
        window.CentreMainWindow();
    WriteUser(registry, "first", "0");
    WriteUser(registry, "Migration", "0");
}

StartupDecision ApplySettingsStartup(Registry& registry, Catalogue& catalogue,
                                     const FirstRunWindowSteps& window,
                                     std::string_view commandLine) {
    const platform::ProgramFolders& folders = catalogue.Folders();
    std::string migration = ReadUser(registry, "Migration");
    StartupDecision decision;
    decision.first = ReadUser(registry, "first");
    if (decision.first.empty())
        decision.first = registry.RegRead(Hive::LocalMachine, SettingsKey, "first");
    if (decision.first.empty())
        decision.first = "1";
    if (migration.empty() && decision.first == "1" && !DataFolderHasCatalogue(folders))
        migration = "1";

    CopyIntoDataFolder(folders, CatalogueFileName);
    CopyIntoDataFolder(folders, LegacyCatalogueFileName);

    if (decision.first == "0" && migration == "1") {
        MigrateMachineSettings(registry, catalogue);
        decision.migrated = true;
    } else if (decision.first == "1" && migration == "1") {
        ApplyFirstRunDefaults(registry, window);
        decision.firstRunDefaults = true;
    }
    if (!DataFolderHasCatalogue(folders))
        catalogue.WriteDefaultCatalogueFile(commandLine);
    return decision;
}

DisplayOptions ReadDisplayOptions(const Registry& registry, std::string_view startCommand) {
    DisplayOptions options;
    options.switchSides = ZeroOff(ReadUser(registry, "Switch"));
    options.alwaysOnTop = OneOn(ReadUser(registry, "Ontop"));
    options.introEnabled = ZeroOff(ReadUser(registry, "Intro"));
    options.digitGrouping = ZeroOff(ReadUser(registry, "Digit"));
    options.fixedDecimals = ZeroOff(ReadUser(registry, "precision"));
    options.trayIcon = OneOn(ReadUser(registry, "Tray"));
    options.decimalsIndex = DecimalsIndex(ReadUser(registry, "decnum"));
    const std::string run = registry.RegRead(Hive::CurrentUser, RunKey, "Ombrix");
    options.startAtLogin = !run.empty() && run == startCommand;
    return options;
}

} // namespace ombrix
