#include "mainwindow/rules/MainLifecycle.h"
#include "CaseName.h"
#include "PanelFixture.h"
#include "TestFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace ombrix::testing {
namespace {

namespace fs = std::filesystem;

// The start-up rule as the settings store decides it, scripted: `firstRun`
// writes the options of a first start, else `first` is what applies.
class FakeSettings : public SettingsOps {
public:
    explicit FakeSettings(FakeRegistry& registry) : registry_(registry) {}
    bool firstRun = false;
    std::string first = "0";
    std::vector<std::string> rules; // the command lines the rule ran with
    std::vector<std::pair<std::string, std::int16_t>> languages;
    bool languageWorks = true;
    std::set<std::string> missingLanguages;

    void MakeDirPath(const std::string& path) override { fs::create_directories(path); }
    std::string ApplyStartupRule(const std::string& commandLine,
                                 const FirstRunWindowSteps& window) override {
        rules.push_back(commandLine);
        if (!firstRun) {
            return first;
        }
        window.UncheckStartupItem();
        window.CentreMainWindow();
        for (auto [name, text] : {std::pair{"Switch", "0"},
                                  {"Ontop", "1"},
                                  {"Intro", "0"},
                                  {"Digit", "0"},
                                  {"precision", "0"},
                                  {"symbool", "0"},
                                  {"decnum", "2"},
                                  {"Tray", "1"},
                                  {"first", "0"},
                                  {"Migration", "0"}}) {
            registry_.Set(Hive::CurrentUser, name, text);
        }
        return "1";
    }
    bool LoadLanguage(const std::string& file, std::int16_t window) override {
        languages.emplace_back(file, window);
        return languageWorks && !missingLanguages.contains(file);
    }

private:
    FakeRegistry& registry_;
};

class LifecycleTest : public PanelFixture {
protected:
    fs::path root = TestFolderPath("ombrix-lifecycle-");
    FakeSettings settings{registry};
    FakeChannel channel;
    std::string programFolder = (root / "program").string();
    FakeTrayHost trayHost;
    std::string appData = (root / "appdata/Quavomat").string();
    MainLifecycle life{{registry, settings, catalogue, panel, flags, view, windows.dialogs,
                        windows.Tools(), tray, trayHost, channel, programFolder + "/ombrixgo /tray",
                        appData}};

    LifecycleTest() {
        fs::create_directories(root / "program");
        catalogue.fileEntries = {{"ATS", "euro\\ATS"}, {"DEM", "euro\\DEM"}};
        catalogue.fileDefault = 1;
        for (const char* name : {"ATS", "DEM"}) {
            conversion.files[std::string("euro\\") + name + ".nod"].texts.name =
                std::string("Euro-") + name;
        }
    }
    ~LifecycleTest() override { fs::remove_all(root); }

    void NotFirstRun() { settings.first = "0"; }
};

TEST_F(LifecycleTest, FirstRunAppliesDefaults) {
    settings.firstRun = true;
    EXPECT_EQ(life.Startup(""), StartupOutcome::Shown);
    EXPECT_TRUE(fs::is_directory(appData));
    EXPECT_EQ(view.centred, 1);
    EXPECT_EQ(view.languagesApplied, 1);
    EXPECT_EQ(settings.rules, std::vector<std::string>{""});
    EXPECT_TRUE(flags.AlwaysOnTop);
    EXPECT_TRUE(view.MenuChecked(MenuItem::AlwaysOnTop));
    EXPECT_TRUE(flags.TrayActive);
    EXPECT_TRUE(view.MenuChecked(MenuItem::Tray));
    EXPECT_FALSE(flags.IntroEnabled);
    EXPECT_FALSE(view.MenuChecked(MenuItem::Intro));
    EXPECT_FALSE(flags.SwitchSides);
    EXPECT_FALSE(flags.PrecisionOn);
    EXPECT_FALSE(view.precision);
    EXPECT_FALSE(view.digit);
    EXPECT_EQ(view.decimals, 2);
    EXPECT_EQ(view.caption, "Euro-DEM");
    EXPECT_EQ(view.selection, 1);
    EXPECT_EQ(flags.StartupPhase, 1);
    EXPECT_TRUE(flags.Hooked);
    EXPECT_EQ(settings.languages,
              (std::vector<std::pair<std::string, std::int16_t>>{{"eng.lng", 1}}));
    EXPECT_EQ(view.topmostCalls.back(), true);
}

TEST_F(LifecycleTest, NoStoredOptionsGiveAbsentValueReadings) {
    settings.first = "0"; // as a machine-wide "first" of "0" alone makes the rule answer
    EXPECT_EQ(life.Startup(""), StartupOutcome::Shown);
    EXPECT_TRUE(flags.SwitchSides);
    EXPECT_TRUE(flags.IntroEnabled);
    EXPECT_TRUE(view.MenuChecked(MenuItem::Intro));
    EXPECT_TRUE(view.digit);
    EXPECT_TRUE(conversion.grouping);
    EXPECT_EQ(registry.Get("Digit"), "1");
    EXPECT_TRUE(flags.PrecisionOn);
    EXPECT_TRUE(view.precision);
    EXPECT_EQ(registry.Get("precision"), "1");
    EXPECT_EQ(view.decimals, 2);
    EXPECT_EQ(conversion.decimalPlaces, 2);
    EXPECT_FALSE(flags.AlwaysOnTop);
    EXPECT_FALSE(view.MenuChecked(MenuItem::AlwaysOnTop));
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_FALSE(tray.shown);
}

TEST_F(LifecycleTest, StoredDecimalsOutsideTheListSelectTwo) {
    NotFirstRun();
    for (auto [stored, index] : {std::pair{"7", 7}, {"11", 11}, {"12", 2}, {"x", 2}, {"-1", 2}}) {
        registry.Set(Hive::CurrentUser, "decnum", stored);
        MainFlags fresh;
        flags = fresh;
        life.Startup("");
        EXPECT_EQ(view.decimals, index) << stored;
    }
}

struct CommandCase {
    const char* what;
    bool firstRun;
    bool trayOn;
    std::string commandLine;
    StartupOutcome outcome;
    std::string language;
    int messages; // the command line reached addconfig as a file name that cannot be read
};

class CommandLineTest : public LifecycleTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandLineTest, SwitchesTakeEffect) {
    const CommandCase& c = GetParam();
    settings.first = c.firstRun ? "1" : "0";
    registry.Set(Hive::CurrentUser, "Tray", c.trayOn ? "1" : "0");
    EXPECT_EQ(life.Startup(c.commandLine), c.outcome);
    EXPECT_EQ(settings.languages.back().first, c.language);
    EXPECT_EQ(static_cast<int>(sink.messages.size()), c.messages);
    if (!c.firstRun && c.language != "eng.lng") {
        ASSERT_EQ(catalogue.saves.size(), 1u);
        EXPECT_EQ(catalogue.saves[0].language, c.language);
    } else {
        EXPECT_TRUE(catalogue.saves.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, CommandLineTest,
    ::testing::Values(CommandCase{"lng", false, false, "/lng de.lng", StartupOutcome::Shown,
                                  "de.lng", 0},
                      CommandCase{"LNG in capitals", false, false, "/LNG de.lng",
                                  StartupOutcome::Shown, "de.lng", 1},
                      CommandCase{"lng on first run", true, false, "/lng de.lng",
                                  StartupOutcome::Shown, "eng.lng", 0},
                      CommandCase{"tray with tray on", false, true, "/tray", StartupOutcome::Hidden,
                                  "eng.lng", 0},
                      CommandCase{"tray with tray off", false, false, "/tray",
                                  StartupOutcome::Shown, "eng.lng", 1}),
    [](const auto& testCase) { return CaseName(testCase.param.what); });

TEST_F(LifecycleTest, FileOnCommandLineIsAddedAndSelected) {
    NotFirstRun();
    conversion.files["/tmp/Miles.nod"].texts.name = "Miles to km";
    EXPECT_EQ(life.Startup("/tmp/Miles.nod"), StartupOutcome::Shown);
    EXPECT_EQ(view.items, (std::vector<std::string>{"ATS", "DEM", "Miles"}));
    EXPECT_EQ(view.selection, 2);
    EXPECT_EQ(view.caption, "Miles to km");
    EXPECT_TRUE(view.visible);
}

TEST_F(LifecycleTest, EmptyCatalogueOpensOptionsAndNeverRunsUnseen) {
    for (const bool optionsOpen : {true, false}) {
        SCOPED_TRACE(optionsOpen);
        NotFirstRun();
        catalogue.fileEntries.clear();
        windows.dialogs = FakeMainDialogs();
        windows.dialogs.optionsShown = optionsOpen;
        view.visible = true;
        // Without an options dialog the main window stays, its panel empty.
        EXPECT_EQ(life.Startup(""), optionsOpen ? StartupOutcome::Hidden : StartupOutcome::Shown);
        EXPECT_EQ(windows.dialogs.options, 1);
        EXPECT_EQ(view.visible, !optionsOpen);
        EXPECT_FALSE(flags.Hooked);

        // A later start's hand-over is not taken, but shows this copy again.
        ASSERT_TRUE(channel.receive);
        view.visible = false;
        channel.receive("/tmp/x.nod");
        EXPECT_EQ(windows.dialogs.options, 2);
        EXPECT_EQ(view.visible, !optionsOpen);
        EXPECT_TRUE(view.items.empty());
    }
}

TEST_F(LifecycleTest, SecondCopyHandsOverAndTouchesNothing) {
    channel.otherCopy = true;
    EXPECT_EQ(life.Startup("/tmp/x.nod"), StartupOutcome::SecondCopy);
    EXPECT_EQ(channel.handed, std::vector<std::string>{"/tmp/x.nod"});
    EXPECT_FALSE(fs::exists(root / "appdata"));
    EXPECT_TRUE(settings.rules.empty());
    EXPECT_TRUE(registry.values.empty());
    EXPECT_TRUE(settings.languages.empty());
}

TEST_F(LifecycleTest, FailedLanguageEndsStartup) {
    settings.languageWorks = false;
    EXPECT_EQ(life.Startup(""), StartupOutcome::LanguageFailed);
    EXPECT_FALSE(flags.Hooked);
}

TEST_F(LifecycleTest, MissingLanguageFallsBackAndIsNeverRecorded) {
    const struct {
        const char* what;
        std::string recorded;
        std::string commandLine;
        std::set<std::string> missing;
        std::vector<std::string> tried;
        StartupOutcome outcome;
    } cases[] = {
        {"mistyped /lng",
         "",
         "/lng typo.lng",
         {"typo.lng"},
         {"typo.lng", "eng.lng"},
         StartupOutcome::Shown},
        {"mistyped /lng, recorded one kept",
         "nld.lng",
         "/lng typo.lng",
         {"typo.lng"},
         {"typo.lng", "nld.lng"},
         StartupOutcome::Shown},
        {"recorded file gone",
         "nld.lng",
         "",
         {"nld.lng"},
         {"nld.lng", "eng.lng"},
         StartupOutcome::Shown},
        {"recorded and shipped gone",
         "nld.lng",
         "",
         {"nld.lng", "eng.lng"},
         {"nld.lng", "eng.lng"},
         StartupOutcome::LanguageFailed},
        {"shipped gone", "", "", {"eng.lng"}, {"eng.lng"}, StartupOutcome::LanguageFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        NotFirstRun();
        settings.languages.clear();
        settings.missingLanguages = c.missing;
        catalogue.saves.clear();
        catalogue.fileLanguage = c.recorded;
        EXPECT_EQ(life.Startup(c.commandLine), c.outcome);
        std::vector<std::string> tried;
        for (const auto& [file, window] : settings.languages) {
            tried.push_back(file);
        }
        EXPECT_EQ(tried, c.tried);
        EXPECT_TRUE(catalogue.saves.empty()); // nothing recorded
    }
}

TEST_F(LifecycleTest, StartupItemCheckedOnlyForExactRunCommand) {
    NotFirstRun();
    for (auto [run, checked] : {std::pair<std::string, bool>{"", false},
                                {programFolder + "/ombrixgo /tray", true},
                                {programFolder + "/OMBRIXGO /tray", false}}) {
        registry.Set(Hive::CurrentUser, "Ombrix", run, RunKey);
        life.Startup("");
        EXPECT_EQ(view.MenuChecked(MenuItem::Startup), checked) << run;
    }
}

TEST_F(LifecycleTest, SubcommandEmptyShowsWindowsOnlyInTrayMode) {
    flags.WizardOpen = true;
    life.SUBCOMMAND("");
    EXPECT_FALSE(view.visible);
    EXPECT_TRUE(sink.messages.empty());
    flags.TrayActive = true;
    life.SUBCOMMAND("");
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(windows.wizard.shown, 1);
}

TEST_F(LifecycleTest, SubcommandOfListedTitleSelectsIt) {
    NotFirstRun();
    life.Startup("");
    conversion.files["/tmp/ats.nod"] = {};
    life.SUBCOMMAND("/tmp/ats.nod");
    EXPECT_EQ(view.items.size(), 2u);
    EXPECT_EQ(view.selection, 0);
}

TEST_F(LifecycleTest, CloseInTrayModeHidesWindows) {
    struct Case {
        bool tray;
        bool sessionEnds;
        bool notificationArea;
        CloseDecision decision;
    };
    for (const Case& c : {Case{true, false, true, CloseDecision::Hide},
                          Case{true, true, true, CloseDecision::Close},
                          Case{false, false, true, CloseDecision::Close},
                          // Tray mode set by any path while the desktop has
                          // no notification area: nothing could show the window again.
                          Case{true, false, false, CloseDecision::Close}}) {
        flags.TrayActive = c.tray;
        tray.available = c.notificationArea;
        flags.WizardOpen = flags.CalculatorOpen = true;
        windows = FakeWindows();
        view.visible = true;
        EXPECT_EQ(life.CloseRequested(c.sessionEnds), c.decision);
        const bool hidden = c.decision == CloseDecision::Hide;
        EXPECT_EQ(view.visible, !hidden);
        EXPECT_EQ(windows.wizard.hidden, hidden ? 1 : 0);
        EXPECT_EQ(windows.calculator.hidden, hidden ? 1 : 0);
    }
}

TEST_F(LifecycleTest, HandedOverLinesArriveThroughTheChannelWhileHooked) {
    NotFirstRun();
    life.Startup("");
    ASSERT_TRUE(channel.receive);
    view.visible = false;
    channel.receive("");
    EXPECT_TRUE(view.visible);
    // A closing window no longer takes them.
    flags.Hooked = false;
    view.visible = false;
    channel.receive("");
    EXPECT_FALSE(view.visible);
}

TEST_F(LifecycleTest, AFileHandedOverWhileTheOptionsDialogIsOpenWaitsForItToClose) {
    NotFirstRun();
    conversion.files["/tmp/Miles.nod"].texts.name = "Miles to km";
    life.Startup("");
    ASSERT_TRUE(channel.receive);
    flags.OptionsOpen = true;
    channel.receive("/tmp/Miles.nod");
    EXPECT_EQ(view.items, (std::vector<std::string>{"ATS", "DEM"}));
    EXPECT_EQ(windows.dialogs.options, 1);
    flags.OptionsOpen = false;
    life.OptionsClosed();
    EXPECT_EQ(view.items, (std::vector<std::string>{"ATS", "DEM", "Miles"}));
    // Each waiting line runs once.
    life.OptionsClosed();
    EXPECT_EQ(view.items, (std::vector<std::string>{"ATS", "DEM", "Miles"}));
}

TEST_F(LifecycleTest, AnOptionsDialogOpenedDuringStartupStillHoldsHandOvers) {
    NotFirstRun();
    // Both conversion files are gone: the start stops removing and asks for the dialog.
    conversion.files.clear();
    conversion.files["/tmp/Miles.nod"].texts.name = "Miles to km";
    windows.dialogs.optionsOpenFlag = &flags.OptionsOpen;
    life.Startup("");
    ASSERT_EQ(windows.dialogs.options, 1);
    EXPECT_TRUE(flags.OptionsOpen);
    ASSERT_TRUE(channel.receive);
    channel.receive("/tmp/Miles.nod");
    EXPECT_EQ(std::count(view.items.begin(), view.items.end(), "Miles"), 0);
}

TEST_F(LifecycleTest, ActivationReloadsTextsAndRefreshes) {
    NotFirstRun();
    life.Startup("");
    settings.languages.clear();
    flags.StartupPhase = 5;
    flags.WizardOpen = true;
    flags.NeedsRefresh = true;
    catalogue.fileEntries = {{"DEM", "euro\\DEM"}};
    catalogue.fileDefault = 0;
    life.Activated();
    EXPECT_EQ(settings.languages,
              (std::vector<std::pair<std::string, std::int16_t>>{{"eng.lng", 1}}));
    EXPECT_EQ(windows.wizard.reloads, 1);
    EXPECT_EQ(windows.calculator.reloads, 0); // not open
    EXPECT_EQ(flags.StartupPhase, 1);
    EXPECT_FALSE(flags.NeedsRefresh);
    EXPECT_EQ(view.items, std::vector<std::string>{"DEM"});
    EXPECT_EQ(view.caption, "Euro-DEM");
}

} // namespace
} // namespace ombrix::testing

namespace ombrix::testing {
namespace {

TEST_F(LifecycleTest, StoredTrayOnADesktopWithoutTrayKeepsTheProgramClosable) {
    NotFirstRun();
    registry.Set(Hive::CurrentUser, "Tray", "1");
    tray.available = false;
    EXPECT_EQ(life.Startup("/tray"), StartupOutcome::Shown);
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_FALSE(view.MenuChecked(MenuItem::Tray));
    EXPECT_FALSE(view.menuEnabled.at(MenuItem::Tray));
    EXPECT_FALSE(trayHost.timer);
    EXPECT_EQ(registry.Get("Tray"), "1");
    EXPECT_EQ(life.CloseRequested(false), CloseDecision::Close);
}

TEST_F(LifecycleTest, StoredTrayStartsTheIconAndItsTimer) {
    NotFirstRun();
    registry.Set(Hive::CurrentUser, "Tray", "1");
    life.Startup("");
    EXPECT_TRUE(flags.TrayActive);
    EXPECT_TRUE(tray.shown);
    EXPECT_TRUE(trayHost.timer);
    EXPECT_EQ(view.menuEnabled.count(MenuItem::Tray), 0u); // left as it was
}

} // namespace
} // namespace ombrix::testing
