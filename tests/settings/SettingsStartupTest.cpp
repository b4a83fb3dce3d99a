#include "settings/SettingsStartup.h"

#include "SettingsTestSupport.h"
#include "settings/FileRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ombrix {
namespace {

using testing::ReadFile;
using testing::TempTree;
using testing::WriteFile;

class SettingsStartupTest : public ::testing::Test {
protected:
    std::string User(std::string_view name) const {
        return registry.RegRead(Hive::CurrentUser, SettingsKey, name);
    }
    std::string Machine(std::string_view name) const {
        return registry.RegRead(Hive::LocalMachine, SettingsKey, name);
    }
    StartupDecision Start(std::string_view commandLine = "") {
        return ApplySettingsStartup(registry, catalogue, window, commandLine);
    }
    bool DataHasCatalogue() const {
        return std::filesystem::exists(tree.root / "data" / "ombrixgo.cfg");
    }

    TempTree tree;
    FileRegistry registry{tree.env};
    Catalogue catalogue{tree.folders};
    std::vector<std::string> steps;
    FirstRunWindowSteps window{[this] { steps.push_back("uncheck startup"); },
                               [this] { steps.push_back("centre"); }};
};

TEST_F(SettingsStartupTest, NewMachineGetsTheFirstRunDefaults) {
    const StartupDecision decision = Start();
    EXPECT_TRUE(decision.firstRunDefaults);
    EXPECT_FALSE(decision.migrated);
    EXPECT_EQ(decision.first, "1"); // the language option of the command line is not applied
    EXPECT_EQ(steps, (std::vector<std::string>{"uncheck startup", "centre"}));
    EXPECT_EQ(User("first"), "0");
    EXPECT_EQ(User("Migration"), "0");
    EXPECT_EQ(User("symbool"), "0");
    EXPECT_TRUE(DataHasCatalogue());

    const DisplayOptions options = ReadDisplayOptions(registry, "/p/ombrixgo /tray");
    EXPECT_TRUE(options.alwaysOnTop);
    EXPECT_TRUE(options.trayIcon);
    EXPECT_FALSE(options.introEnabled);
    EXPECT_FALSE(options.switchSides);
    EXPECT_FALSE(options.digitGrouping);
    EXPECT_FALSE(options.fixedDecimals);
    EXPECT_EQ(options.decimalsIndex, 2);
    EXPECT_FALSE(options.startAtLogin);

    // The next start finds everything done.
    steps.clear();
    const StartupDecision second = Start();
    EXPECT_FALSE(second.firstRunDefaults);
    EXPECT_FALSE(second.migrated);
    EXPECT_EQ(second.first, "0");
    EXPECT_TRUE(steps.empty());
}

TEST_F(SettingsStartupTest, FirstStartWritesTheCommandLineLanguageIntoTheCatalogue) {
    Start("/lng de.lng");
    EXPECT_TRUE(ReadFile(tree.root / "data" / "ombrixgo.cfg").starts_with("\"[lang]\",\"de.lng\""));
}

TEST_F(SettingsStartupTest, MachineWideFirstAloneRunsNoProcedure) {
    registry.RegWrite(Hive::LocalMachine, SettingsKey, "first", "0");
    const StartupDecision decision = Start();
    EXPECT_FALSE(decision.firstRunDefaults);
    EXPECT_FALSE(decision.migrated);
    EXPECT_EQ(decision.first, "0");
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(User("first"), "");
    EXPECT_TRUE(DataHasCatalogue());

    const DisplayOptions options = ReadDisplayOptions(registry, "/p/ombrixgo /tray");
    EXPECT_TRUE(options.switchSides);
    EXPECT_TRUE(options.introEnabled);
    EXPECT_TRUE(options.digitGrouping);
    EXPECT_TRUE(options.fixedDecimals);
    EXPECT_EQ(options.decimalsIndex, 2);
    EXPECT_FALSE(options.alwaysOnTop);
    EXPECT_FALSE(options.trayIcon);
}

TEST_F(SettingsStartupTest, ExistingCatalogueWithoutFirstRunsNoProcedureEveryTime) {
    WriteFile(tree.root / "data" / "ombrixg.cfg", "\"A\",\"a\",\"*\"\r\n");
    for (int start = 0; start < 2; ++start) {
        const StartupDecision decision = Start();
        EXPECT_FALSE(decision.firstRunDefaults);
        EXPECT_FALSE(decision.migrated);
        EXPECT_EQ(decision.first, "1");
        EXPECT_EQ(User("first"), "");
        EXPECT_FALSE(DataHasCatalogue()); // the legacy file counts as a catalogue
    }
}

TEST_F(SettingsStartupTest, CatalogueFilesBesideTheProgramAreCopiedWhenMissing) {
    WriteFile(tree.root / "program" / "ombrixgo.cfg", "\"P\",\"p\",\"*\"\r\n");
    WriteFile(tree.root / "program" / "ombrixg.cfg", "\"L\",\"l\",\"*\"\r\n");
    WriteFile(tree.root / "data" / "ombrixg.cfg", "\"D\",\"d\",\"*\"\r\n");
    Start();
    EXPECT_EQ(ReadFile(tree.root / "data" / "ombrixgo.cfg"), "\"P\",\"p\",\"*\"\r\n");
    EXPECT_EQ(ReadFile(tree.root / "data" / "ombrixg.cfg"), "\"D\",\"d\",\"*\"\r\n");
}

TEST_F(SettingsStartupTest, MigrationMovesMachineOptionsAndTheCatalogue) {
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "Migration", "1");
    registry.RegWrite(Hive::LocalMachine, SettingsKey, "first", "0");
    const std::vector<std::pair<std::string, std::string>> machine = {
        {"Switch", "1"}, {"Ontop", "0"},   {"Intro", "1"},         {"decnum", "5"},
        {"Tray", "0"},   {"symbool", "1"}, {"Name", "Old caption"}};
    for (const auto& [name, text] : machine)
        registry.RegWrite(Hive::LocalMachine, SettingsKey, name, text);
    WriteFile(tree.root / "program" / "ombrixgo.cfg",
              "\"[lang]\",\"" + tree.folders.data + "/nl.lng\",\"\"\r\n\"M\",\"m\",\"*\"\r\n");
    WriteFile(tree.root / "program" / "ombrixg.cfg", "\"L\",\"l\",\"*\"\r\n");

    const StartupDecision decision = Start();
    EXPECT_TRUE(decision.migrated);
    EXPECT_FALSE(decision.firstRunDefaults);
    EXPECT_EQ(decision.first, "0");

    EXPECT_EQ(User("Switch"), "1");
    EXPECT_EQ(User("Ontop"), "0");
    EXPECT_EQ(User("Intro"), "1");
    EXPECT_EQ(User("decnum"), "5");
    EXPECT_EQ(User("Tray"), "0");
    EXPECT_EQ(User("symbool"), "1");
    EXPECT_EQ(User("Digit"), "2");     // empty machine-wide Digit
    EXPECT_EQ(User("precision"), "1"); // empty machine-wide precision
    EXPECT_EQ(User("first"), "0");
    EXPECT_EQ(User("Migration"), "0");

    for (const char* moved : {"Switch", "Ontop", "Intro", "decnum", "Tray", "first"})
        EXPECT_EQ(Machine(moved), "") << moved;
    EXPECT_EQ(Machine("symbool"), "1");
    EXPECT_EQ(Machine("Name"), "Old caption");

    EXPECT_FALSE(std::filesystem::exists(tree.root / "program" / "ombrixgo.cfg"));
    EXPECT_TRUE(std::filesystem::exists(tree.root / "program" / "ombrixg.cfg"));
    EXPECT_EQ(ReadFile(tree.root / "data" / "ombrixgo.cfg"),
              "\"[lang]\",\"nl.lng\",\"\"\r\n\"M\",\"m\",\"*\"\r\n");
    EXPECT_TRUE(steps.empty());
}

TEST_F(SettingsStartupTest, MigrationKeepsTheProgramFoldersCatalogueWhenTheDataFolderFails) {
    const std::string old = "\"[lang]\",\"nl.lng\",\"\"\r\n\"M\",\"m\",\"*\"\r\n";
    WriteFile(tree.root / "program" / "ombrixgo.cfg", old);
    std::filesystem::remove_all(tree.root / "data");
    WriteFile(tree.root / "data", "not a folder");
    MigrateMachineSettings(registry, catalogue);
    EXPECT_EQ(ReadFile(tree.root / "program" / "ombrixgo.cfg"), old);
}

TEST_F(SettingsStartupTest, MigrationKeepsGivenDigitAndPrecision) {
    registry.RegWrite(Hive::LocalMachine, SettingsKey, "Digit", "0");
    registry.RegWrite(Hive::LocalMachine, SettingsKey, "precision", "0");
    MigrateMachineSettings(registry, catalogue);
    EXPECT_EQ(User("Digit"), "0");
    EXPECT_EQ(User("precision"), "0");
    EXPECT_EQ(Machine("Digit"), "0");
    EXPECT_EQ(Machine("precision"), "");
    EXPECT_EQ(User("Switch"), ""); // nothing to move
}

TEST(ReadDisplayOptions, ReadRules) {
    TempTree tree;
    FileRegistry registry(tree.env);
    struct Case {
        std::string name, text;
        bool DisplayOptions::*flag;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"Switch", "0", &DisplayOptions::switchSides, false},
        {"Switch", "2", &DisplayOptions::switchSides, true},
        {"Intro", "no", &DisplayOptions::introEnabled, true},
        {"Digit", "0", &DisplayOptions::digitGrouping, false},
        {"precision", "1", &DisplayOptions::fixedDecimals, true},
        {"Ontop", "1", &DisplayOptions::alwaysOnTop, true},
        {"Ontop", "2", &DisplayOptions::alwaysOnTop, false},
        {"Tray", "true", &DisplayOptions::trayIcon, false},
        {"Tray", "1", &DisplayOptions::trayIcon, true},
    };
    for (const Case& c : cases) {
        registry.RegWrite(Hive::CurrentUser, SettingsKey, c.name, c.text);
        EXPECT_EQ(ReadDisplayOptions(registry, "").*c.flag, c.expected) << c.name << "=" << c.text;
    }

    struct DecimalsCase {
        std::string text;
        int index;
    };
    for (const DecimalsCase& c : std::vector<DecimalsCase>{
             {"", 2}, {"0", 0}, {"7", 7}, {"11", 11}, {"12", 2}, {"-1", 2}, {"x", 2}, {" 3", 2}}) {
        registry.RegWrite(Hive::CurrentUser, SettingsKey, "decnum", c.text);
        EXPECT_EQ(ReadDisplayOptions(registry, "").decimalsIndex, c.index) << c.text;
    }

    const std::string command = "/opt/q/ombrixgo /tray";
    EXPECT_FALSE(ReadDisplayOptions(registry, command).startAtLogin);
    registry.RegWrite(Hive::CurrentUser, RunKey, "Ombrix", command);
    EXPECT_TRUE(ReadDisplayOptions(registry, command).startAtLogin);
    EXPECT_FALSE(ReadDisplayOptions(registry, "/opt/q/OMBRIXGO /tray").startAtLogin);
    EXPECT_FALSE(ReadDisplayOptions(registry, "").startAtLogin);
}

} // namespace
} // namespace ombrix
