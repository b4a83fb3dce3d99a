#include "FakeDialogPorts.h"
#include "RecordingSink.h"
#include "TestFolder.h"
#include "engine/ConversionPath.h"
#include "platform/posix/FileIo.h"
#include "settings/dialogs/rules/IntroRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::FakeOptionsHost;
using testing::FakeOptionsView;
using testing::FakePropertiesView;

// A program folder with three conversions and a data folder whose catalogue
// lists them, DEM the default; the options dialog loaded on it.
class DialogRules : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root / "program" / "euro");
        fs::create_directories(root / "data");
        for (const char* name : {"ATS", "BEF", "DEM", "NEW"}) {
            std::ofstream(root / "program" / "euro" / (std::string(name) + ".nod"))
                << "NAME " << name << "\r\nURLN Title " << name << "\r\n";
        }
        WriteCatalogue(
            {{"ATS", "euro\\ATS", false}, {"BEF", "euro\\BEF", false}, {"DEM", "euro\\DEM", true}});
        texts.Set(100, "Quavomat");
        texts.Set(101, " is not found");
        texts.Set(102, "The catalogue could not be read or written");
        texts.Set(103, "Delete?");
        texts.Set(104, "The name is in use");
        texts.Set(105, "Give a name");
    }
    void TearDown() override { fs::remove_all(root); }

    void WriteCatalogue(const std::vector<CatalogueEntry>& entries) {
        std::ofstream(root / "data" / "ombrixgo.cfg", std::ios::binary)
            << FormatCatalogue("eng.lng", entries);
    }
    std::string File() const {
        return ReadWholeFile((root / "data" / "ombrixgo.cfg").string()).value_or("<missing>");
    }
    std::string Program(const std::string& name) const {
        return (root / "program" / name).string();
    }
    // Starts the program's side (catalogue read, main list filled) and opens the dialog.
    void Open() {
        const std::int16_t selected = catalogue.ReadCatalogue(CatalogueAtStartup);
        host.mainList = catalogue.Names;
        host.mainSelection = catalogue.LastIndex >= 0 ? selected : std::int16_t{-1};
        ASSERT_TRUE(options.Load());
    }
    // Opens the properties dialog as Add or Porperty does.
    PropertiesRules& Properties(bool adding, std::int16_t entry = 0) {
        if (adding) {
            options.Command5_Click();
        } else {
            options.AddingEntry = false; // an earlier dialog was cancelled
            options.SelectedEntry = entry;
            options.Command6_Click();
        }
        properties = std::make_unique<PropertiesRules>(
            PropertiesServices{options, sink, texts, dialogs, folders}, propertiesView);
        propertiesView = FakePropertiesView();
        properties->Load();
        return *properties;
    }
    void Accept(const std::string& name, const std::string& file) {
        propertiesView.name = name;
        propertiesView.file = file;
        properties->Command2_Click();
    }

    fs::path root;
    platform::ProgramFolders folders{
        (root = testing::TestFolderPath("dialog_rules_"), (root / "program").string()),
        (root / "data").string()};
    Catalogue catalogue{folders};
    MessageTexts texts;
    testing::RecordingSink sink;
    testing::FakeFileDialogs dialogs;
    FakeOptionsHost host{catalogue};
    FakeOptionsView view;
    OptionsRules options{{catalogue, host, sink, texts, dialogs}, view};
    FakePropertiesView propertiesView;
    std::unique_ptr<PropertiesRules> properties;
};

TEST_F(DialogRules, LoadShowsTheFileAndTheMainSelectionAndHoldsTheOtherWindows) {
    Open();
    EXPECT_EQ(view.list, (std::vector<std::string>{"ATS", "BEF", "DEM"}));
    EXPECT_EQ(view.language, "eng.lng");
    EXPECT_EQ(options.SelectedEntry, 2);
    EXPECT_EQ(view.selected, 2);
    EXPECT_FALSE(view.applyEnabled);
    EXPECT_TRUE(view.propertiesEnabled);
    EXPECT_FALSE(host.mainEnabled);
    EXPECT_FALSE(host.othersEnabled);
    EXPECT_TRUE(host.optionsOpen);
    EXPECT_EQ(host.languages, std::vector<std::int16_t>{6});
}

TEST_F(DialogRules, AnUnreadableFileIsReportedAndTheListKeepsWhatMemoryHolds) {
    catalogue.ReadCatalogue(CatalogueAtStartup);
    host.mainList = catalogue.Names;
    host.mainSelection = 0;
    // Cut inside its last record after the program read it.
    const std::string whole = File();
    std::ofstream(root / "data" / "ombrixgo.cfg", std::ios::binary)
        << whole.substr(0, whole.size() - 8);
    ASSERT_TRUE(options.Load());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(sink.messages[0].title, "Quavomat");
    EXPECT_EQ(sink.messages[0].text, texts.Get(102));
    EXPECT_EQ(view.list, (std::vector<std::string>{"ATS", "BEF", "DEM"}));
    EXPECT_EQ(catalogue.LastIndex, 2);
}

TEST_F(DialogRules, SortingMovesNamesPathsAndMarkTogetherWithoutEnablingApply) {
    WriteCatalogue(
        {{"DEM", "euro\\DEM", false}, {"ATS", "euro\\ATS", true}, {"BEF", "euro\\BEF", false}});
    Open();
    const std::string before = File();
    options.Command7_Click();
    EXPECT_EQ(view.list, (std::vector<std::string>{"ATS", "BEF", "DEM"}));
    EXPECT_EQ(catalogue.CatalogueFiles[2], "euro\\DEM");
    EXPECT_EQ(catalogue.DefaultIndex, 0);
    EXPECT_FALSE(view.applyEnabled);

    // Cancel drops the new order: the file and the main list keep the old one.
    options.Command3_Click();
    EXPECT_EQ(File(), before);
    EXPECT_EQ(host.mainList, (std::vector<std::string>{"DEM", "ATS", "BEF"}));
    EXPECT_EQ(view.closed, 1);
}

TEST_F(DialogRules, ApplyWritesTheDialogsListAndBringsEveryWindowUpToDate) {
    host.wizardOpen = true;
    Open();
    options.Command7_Click();
    view.language = (root / "data" / "de.lng").string();
    options.LanguageEdited();
    ASSERT_TRUE(view.applyEnabled);
    options.Command4_Click();
    // The language inside the data folder is recorded by its bare name.
    EXPECT_EQ(File(), FormatCatalogue("de.lng", {{"ATS", "euro\\ATS", false},
                                                 {"BEF", "euro\\BEF", false},
                                                 {"DEM", "euro\\DEM", true}}));
    EXPECT_EQ(view.language, "de.lng");
    EXPECT_EQ(catalogue.LanguageFile, "de.lng");
    EXPECT_FALSE(view.applyEnabled);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(host.languages, (std::vector<std::int16_t>{6, 6, 1, 4}));
    EXPECT_EQ(host.phases, (std::vector<std::int16_t>{5, 1}));
    EXPECT_EQ(view.fronts, 1);
    EXPECT_EQ(view.closed, 0);
}

TEST_F(DialogRules, AFailedSaveKeepsTheEditsTheLanguageAndTheDialog) {
    Open();
    Properties(true);
    Accept("NEW", Program("euro/NEW.nod"));
    view.language = "deu.lng";
    // Something that is not a file now stands where the catalogue must go.
    fs::remove(root / "data" / "ombrixgo.cfg");
    fs::create_directory(root / "data" / "ombrixgo.cfg");
    options.Command2_Click();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(sink.messages[0].text, texts.Get(102));
    EXPECT_EQ(view.list, (std::vector<std::string>{"ATS", "BEF", "DEM", "NEW"}));
    EXPECT_EQ(view.language, "deu.lng");
    EXPECT_EQ(catalogue.LanguageFile, "eng.lng");
    EXPECT_TRUE(view.applyEnabled);
    EXPECT_EQ(view.closed, 0);
    EXPECT_EQ(host.ended, 0);
}

TEST_F(DialogRules, ApplyWritesTheListTheDialogShowsOverAnUnsavedAddition) {
    Open();
    // The main window added NEW, but its save did not reach the file; the
    // dialog, opened again, shows the file.
    ASSERT_TRUE(catalogue.AppendEntry("NEW", "euro\\NEW"));
    ASSERT_TRUE(options.Load());
    sink.answers = {MessageAnswer::Yes};
    Properties(false, 1).Command4_Click();
    options.Command4_Click();
    EXPECT_EQ(view.list, (std::vector<std::string>{"ATS", "DEM"}));
    EXPECT_EQ(File(), FormatCatalogue("eng.lng",
                                      {{"ATS", "euro\\ATS", false}, {"DEM", "euro\\DEM", true}}));
}

TEST_F(DialogRules, OkWithNoEntriesLeftWritesOnlyTheLanguageAndEndsTheProgram) {
    Open();
    for (int i = 0; i < 3; ++i) {
        sink.answers.push_back(MessageAnswer::Yes);
        Properties(false, 0).Command4_Click();
    }
    ASSERT_EQ(catalogue.LastIndex, -1);
    EXPECT_FALSE(view.propertiesEnabled);
    options.Command2_Click();
    EXPECT_EQ(File(), FormatCatalogue("eng.lng", {}));
    EXPECT_EQ(host.ended, 1);
    // The windows going away at the end run no closing steps.
    options.Closed();
    EXPECT_EQ(host.intros, 0);
    EXPECT_FALSE(host.needsRefresh);
}

// An empty catalogue at start: the dialog is the only way on.
TEST_F(DialogRules, WithAnEmptyCatalogueOkOrCancelWithoutEntriesEndsWithoutWriting) {
    for (bool ok : {true, false}) {
        WriteCatalogue({});
        host.Reset();
        Open();
        EXPECT_FALSE(view.propertiesEnabled);
        const std::string before = File();
        ok ? options.Command2_Click() : options.Command3_Click();
        EXPECT_EQ(host.ended, 1) << ok;
        EXPECT_EQ(File(), before) << ok;
    }
}

TEST_F(DialogRules, OkAfterAddingToAnEmptyCatalogueWritesItAndShowsTheMainWindow) {
    WriteCatalogue({});
    Open();
    host.mainVisible = false;
    PropertiesRules& add = Properties(true);
    EXPECT_TRUE(propertiesView.boxChecked);
    EXPECT_FALSE(propertiesView.boxEnabled);
    (void)add;
    Accept("NEW", Program("euro/NEW.nod"));
    EXPECT_TRUE(view.propertiesEnabled);
    EXPECT_EQ(view.listText, "NEW");
    options.Command2_Click();
    EXPECT_EQ(File(), FormatCatalogue("eng.lng", {{"NEW", Program("euro/NEW"), true}}));
    EXPECT_EQ(host.mainShown, 1);
    EXPECT_EQ(host.mainList, std::vector<std::string>{"NEW"});
    EXPECT_EQ(host.mainSelection, 0);
    EXPECT_EQ(view.closed, 1);
    EXPECT_EQ(host.ended, 0);
}

TEST_F(DialogRules, CancelWithAnAddedButUnappliedFirstEntryEndsTheProgram) {
    WriteCatalogue({});
    Open();
    Properties(true);
    Accept("NEW", Program("euro/NEW.nod"));
    options.Command3_Click();
    options.Closed(); // as the ending closes the window
    EXPECT_EQ(host.ended, 1);
    // An ending program runs nothing that waited for the dialog.
    EXPECT_EQ(host.closedNotices, 0);
    EXPECT_EQ(File(), FormatCatalogue("eng.lng", {}));
}

TEST_F(DialogRules, ClosingShowsTheIntroOnlyForOnceWithTheIntroOptionOn) {
    struct Case {
        bool once, intro;
        int shown;
    };
    for (const Case c : {Case{true, true, 1}, Case{true, false, 0}, Case{false, true, 0}}) {
        host.Reset();
        host.once = c.once;
        host.introEnabled = c.intro;
        Open();
        options.Closed();
        EXPECT_EQ(host.intros, c.shown) << c.once << c.intro;
        EXPECT_FALSE(host.optionsOpen);
        EXPECT_TRUE(host.mainEnabled);
        EXPECT_TRUE(host.othersEnabled);
        EXPECT_TRUE(host.needsRefresh);
        EXPECT_EQ(host.closedNotices, 1);
    }
}

TEST_F(DialogRules, ClosingWithAnEmptyCatalogueLeavesTheMainWindowDisabled) {
    WriteCatalogue({});
    Open();
    options.Closed();
    EXPECT_FALSE(host.mainEnabled);
    EXPECT_TRUE(host.othersEnabled);
}

TEST_F(DialogRules, ALanguageThatFailsToLoadEndsTheProgram) {
    host.languageWorks = false;
    catalogue.ReadCatalogue(CatalogueAtStartup);
    EXPECT_FALSE(options.Load());
    EXPECT_EQ(host.ended, 1);
    EXPECT_TRUE(options.Ending());
}

TEST_F(DialogRules, BrowsingForALanguageEnablesApplyEvenWhenCancelled) {
    Open();
    dialogs.openAnswers = {"", "/x/deu.lng"};
    options.Command1_Click();
    EXPECT_TRUE(view.applyEnabled);
    EXPECT_EQ(view.language, "eng.lng");
    options.Command1_Click();
    EXPECT_EQ(view.language, "/x/deu.lng");
    EXPECT_EQ(dialogs.opened[0], "Open|lng files|*.lng|*.lng");
}

// The properties dialog.

TEST_F(DialogRules, EditingLoadsTheEntryAndLocksTheBoxOfTheDefault) {
    Open();
    Properties(false, 2);
    EXPECT_EQ(propertiesView.file, "euro\\DEM");
    EXPECT_EQ(propertiesView.name, "DEM");
    EXPECT_TRUE(propertiesView.boxChecked);
    EXPECT_FALSE(propertiesView.boxEnabled);
    EXPECT_TRUE(propertiesView.editEnabled);
    Properties(false, 0);
    EXPECT_FALSE(propertiesView.boxChecked);
    EXPECT_TRUE(propertiesView.boxEnabled);
}

TEST_F(DialogRules, AcceptTestsTheNameAndTheFile) {
    struct Case {
        const char* what;
        bool adding;
        std::string name, file;
        std::string notice; // empty: accepted
    };
    const std::vector<Case> cases = {
        {"empty name", true, "", Program("euro/NEW.nod"), "Give a name"},
        {"name of another entry in other case", true, "dem", Program("euro/NEW.nod"),
         "The name is in use"},
        {"rename to another entry's name", false, "bef", "euro\\ATS", "The name is in use"},
        {"rename to its own name in other case", false, "ats", "euro\\ATS", ""},
        {"missing file", true, "NEW", Program("euro/GONE.nod"),
         Program("euro/GONE.nod") + " is not found"},
        {"new name and file", true, "NEW", Program("euro/NEW.nod"), ""},
    };
    for (const Case& c : cases) {
        WriteCatalogue(
            {{"ATS", "euro\\ATS", false}, {"BEF", "euro\\BEF", false}, {"DEM", "euro\\DEM", true}});
        Open();
        Properties(c.adding, 0);
        Accept(c.name, c.file);
        if (c.notice.empty()) {
            EXPECT_EQ(propertiesView.notices, std::vector<std::string>{}) << c.what;
            EXPECT_EQ(propertiesView.closed, 1) << c.what;
        } else {
            EXPECT_EQ(propertiesView.notices, std::vector<std::string>{c.notice}) << c.what;
            EXPECT_EQ(propertiesView.closed, 0) << c.what;
            EXPECT_EQ(catalogue.LastIndex, 2) << c.what;
            EXPECT_EQ(view.list, (std::vector<std::string>{"ATS", "BEF", "DEM"})) << c.what;
        }
        // Every accepted or refused entry but an unnamed one counts as a change.
        EXPECT_EQ(view.applyEnabled, c.name != "") << c.what;
    }
}

TEST_F(DialogRules, AChosenFileIsStoredWithoutItsExtensionAndRelativeToTheDataFolder) {
    std::ofstream(root / "data" / "mine.nod") << "URLN Mine\r\n";
    std::ofstream(root / "program" / "euro" / "UP.NOD") << "URLN Up\r\n";
    struct Case {
        std::string chosen, stored;
    };
    for (const Case& c : {Case{Program("euro/UP.NOD"), Program("euro/UP")},
                          Case{(root / "data" / "mine.nod").string(), "mine"}}) {
        Open();
        Properties(true);
        dialogs.openAnswers = {c.chosen};
        properties->Command1_Click();
        EXPECT_TRUE(propertiesView.editEnabled);
        properties->Command2_Click();
        EXPECT_EQ(catalogue.CatalogueFiles[3], c.stored) << c.chosen;
        EXPECT_EQ(view.list.back(), c.stored == "mine" ? "Mine" : "Up");
        // The stored name finds the file again.
        std::string path = catalogue.CatalogueFiles[3];
        EXPECT_TRUE(fs::exists(ResolveConversionPath(path, folders))) << c.chosen;
    }
}

TEST_F(DialogRules, BrowsingAnUnreadableFileLeavesTheNameEmptyAndEditDisabled) {
    Open();
    Properties(true);
    dialogs.openAnswers = {Program("euro/GONE.nod")};
    properties->Command1_Click();
    EXPECT_EQ(propertiesView.file, Program("euro/GONE.nod"));
    EXPECT_EQ(propertiesView.name, "");
    EXPECT_FALSE(propertiesView.editEnabled);
    EXPECT_EQ(dialogs.opened[0], "Open|nod files|*.nod|*.nod");
}

TEST_F(DialogRules, DeletingMovesTheDefaultMarkWithItsConversion) {
    struct Case {
        std::int16_t deleted, defaultBefore, defaultAfter;
    };
    // Before the default, the default itself, the first entry while it is the default.
    for (const Case c : {Case{1, 2, 1}, Case{2, 2, 1}, Case{0, 0, 0}, Case{2, 0, 0}}) {
        std::vector<CatalogueEntry> entries = {
            {"ATS", "euro\\ATS", false}, {"BEF", "euro\\BEF", false}, {"DEM", "euro\\DEM", false}};
        entries[static_cast<std::size_t>(c.defaultBefore)].isDefault = true;
        WriteCatalogue(entries);
        Open();
        const std::string marked = c.deleted == c.defaultBefore
                                       ? std::string()
                                       : entries[static_cast<std::size_t>(c.defaultBefore)].name;
        sink.answers = {MessageAnswer::Yes};
        Properties(false, c.deleted).Command4_Click();
        EXPECT_EQ(catalogue.DefaultIndex, c.defaultAfter) << c.deleted << c.defaultBefore;
        if (!marked.empty()) {
            EXPECT_EQ(view.list[static_cast<std::size_t>(c.defaultAfter)], marked);
        }
        EXPECT_EQ(catalogue.LastIndex, 1);
        EXPECT_EQ(view.list.size(), 2u);
        EXPECT_EQ(catalogue.CatalogueFiles[2], "");
        EXPECT_EQ(view.selected, 0);
        EXPECT_TRUE(view.applyEnabled);
    }
    EXPECT_EQ(sink.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(sink.messages.back().icon, MessageIcon::Question);
    EXPECT_EQ(sink.messages.back().text, "Delete?");
}

TEST_F(DialogRules, DeletingAnsweredNoChangesNothing) {
    Open();
    sink.answers = {MessageAnswer::No};
    Properties(false, 1).Command4_Click();
    EXPECT_EQ(catalogue.LastIndex, 2);
    EXPECT_EQ(view.list.size(), 3u);
    EXPECT_FALSE(view.applyEnabled);
    EXPECT_EQ(propertiesView.closed, 0);
}

TEST_F(DialogRules, CancelAfterCheckingTheDefaultBoxRestoresTheDefault) {
    Open();
    Properties(false, 0).Check1_Click(true);
    EXPECT_EQ(catalogue.DefaultIndex, 0);
    EXPECT_FALSE(propertiesView.boxEnabled);
    properties->Command3_Click();
    EXPECT_EQ(catalogue.DefaultIndex, 2);
    EXPECT_FALSE(options.AddingEntry);
}

TEST_F(DialogRules, WhileAddingTheDefaultBoxMarksTheEntryBeingAdded) {
    Open();
    Properties(true).Check1_Click(true);
    Accept("NEW", Program("euro/NEW.nod"));
    EXPECT_EQ(catalogue.DefaultIndex, 3);
    options.Command4_Click();
    EXPECT_NE(File().find("\"NEW\",\"" + Program("euro/NEW") + "\",\"*\""), std::string::npos);
}

TEST_F(DialogRules, AFullCatalogueRefusesAnotherEntry) {
    std::vector<CatalogueEntry> entries;
    for (int i = 0; i < 256; ++i) {
        entries.push_back({"E" + std::to_string(i), "euro\\ATS", i == 0});
    }
    WriteCatalogue(entries);
    Open();
    Properties(true);
    Accept("NEW", Program("euro/NEW.nod"));
    EXPECT_EQ(propertiesView.notices,
              std::vector<std::string>{Program("euro/NEW.nod") + " is not found"});
    EXPECT_EQ(catalogue.LastIndex, 255);
}

// The intro dialog.

class FakeIntroHost : public IntroHost {
public:
    bool onTop = false;
    bool mainTopmost = false, mainEnabled = true;
    testing::FakeToolWindow wizard, calculator;
    std::vector<bool> introSettings;
    bool AlwaysOnTop() const override { return onTop; }
    bool WizardOpen() const override { return true; }
    bool CalculatorOpen() const override { return true; }
    void SetMainWindowTopmost(bool on) override { mainTopmost = on; }
    void SetMainWindowEnabled(bool enabled) override { mainEnabled = enabled; }
    ToolWindow& Wizard() override { return wizard; }
    ToolWindow& Calculator() override { return calculator; }
    std::string ConversionName() const override { return "Dutch guilder - Euro"; }
    std::string IntroText() const override { return "One\rTwo\r\nThree"; }
    void SetIntroEnabled(bool on) override { introSettings.push_back(on); }
};

// Enabled unless the window was last told otherwise.
bool Enabled(const testing::FakeToolWindow& window) {
    return window.enabled.empty() || window.enabled.back();
}

TEST(IntroRules, CaptionIsTheLanguageCaptionThenTheName) {
    FakeIntroHost host;
    IntroRules rules(host);
    EXPECT_EQ(rules.Caption("Introduction: "), "Introduction: Dutch guilder - Euro");
    EXPECT_EQ(rules.Caption("Form2"), "Form2Dutch guilder - Euro");
    EXPECT_EQ(rules.Text(), "One\nTwo\nThree");
    rules.Check1_Click(false);
    rules.Check1_Click(true);
    EXPECT_EQ(host.introSettings, (std::vector<bool>{false, true}));
}

TEST(IntroRules, OnlyAlwaysOnTopTakesTheToolWindowsOutOfReach) {
    for (bool onTop : {false, true}) {
        FakeIntroHost host;
        host.onTop = onTop;
        host.mainTopmost = onTop;
        IntroRules rules(host);
        rules.Opened();
        EXPECT_FALSE(host.mainEnabled);
        EXPECT_EQ(Enabled(host.wizard), !onTop) << onTop;
        EXPECT_EQ(Enabled(host.calculator), !onTop) << onTop;
        EXPECT_FALSE(host.mainTopmost);
        rules.Closed();
        EXPECT_TRUE(host.mainEnabled);
        EXPECT_TRUE(Enabled(host.wizard));
        EXPECT_TRUE(Enabled(host.calculator));
        EXPECT_EQ(host.mainTopmost, onTop);
        const std::vector<bool> calculatorTopmost =
            onTop ? std::vector<bool>{false, true} : std::vector<bool>{};
        EXPECT_EQ(host.calculator.topmost, calculatorTopmost);
    }
}

} // namespace
} // namespace ombrix
