#include "PanelFixture.h"

#include "CaseName.h"

#include "mainwindow/rules/Knipname.h"

namespace ombrix::testing {
namespace {

struct RemovalCase {
    const char* what;
    int defaultIndex;
    int failing;
    std::vector<std::string> remaining;
    int newDefault;
    int selected; // the entry loaded instead
};

class FailedEntryTest : public PanelFixture, public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(FailedEntryTest, EntryIsRemovedAndNeighbourLoaded) {
    const RemovalCase& c = GetParam();
    List({"ATS", "BEF", "DEM", "ESP"});
    catalogue.defaultIndex = static_cast<std::int16_t>(c.defaultIndex);
    conversion.files.erase(catalogue.files[static_cast<std::size_t>(c.failing)] + ".nod");

    EXPECT_TRUE(panel.SelectEntry(static_cast<std::int16_t>(c.failing)));

    EXPECT_EQ(catalogue.names, c.remaining);
    EXPECT_EQ(view.items, c.remaining);
    EXPECT_EQ(catalogue.defaultIndex, c.newDefault);
    ASSERT_EQ(catalogue.saves.size(), 1u);
    EXPECT_EQ(catalogue.saves[0].names, c.remaining);
    EXPECT_EQ(catalogue.saves[0].defaultIndex, c.newDefault);
    EXPECT_EQ(view.selection, c.selected);
    EXPECT_EQ(conversion.loads.back(),
              catalogue.files[static_cast<std::size_t>(c.selected)] + ".nod");
    EXPECT_EQ(view.caption, "Euro-" + c.remaining[static_cast<std::size_t>(c.selected)]);
    EXPECT_EQ(windows.dialogs.options, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, FailedEntryTest,
    ::testing::Values(RemovalCase{"middle, mark after it", 3, 2, {"ATS", "BEF", "ESP"}, 2, 1},
                      RemovalCase{"middle, mark before it", 0, 2, {"ATS", "BEF", "ESP"}, 0, 1},
                      RemovalCase{"marked middle entry", 2, 2, {"ATS", "BEF", "ESP"}, 1, 1},
                      RemovalCase{"marked first entry", 0, 0, {"BEF", "DEM", "ESP"}, 0, 0},
                      RemovalCase{"marked last entry", 3, 3, {"ATS", "BEF", "DEM"}, 2, 0},
                      RemovalCase{"last entry, mark before", 1, 3, {"ATS", "BEF", "DEM"}, 1, 0}),
    [](const auto& testCase) { return CaseName(testCase.param.what); });

TEST_F(PanelFixture, AFailingNeighbourStopsTheRemovals) {
    // Two entries in a row that do not load: their files are missing, as in a
    // damaged installation. One is removed, the rest stay, and one message
    // names the folder.
    List({"ATS", "BEF", "DEM", "ESP"});
    conversion.files.erase("euro\\BEF.nod");
    conversion.files.erase("euro\\DEM.nod");
    EXPECT_FALSE(panel.SelectEntry(2));
    EXPECT_EQ(view.items, (std::vector<std::string>{"ATS", "BEF", "ESP"}));
    EXPECT_EQ(catalogue.names, view.items);
    ASSERT_EQ(catalogue.saves.size(), 1u);
    EXPECT_EQ(catalogue.copiesBeforeSave, std::vector<std::size_t>{0}); // kept before the save
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              "The conversion files in /opt/quavomat/euro could not be read. The list "
              "keeps its entries; once the files are back, they load again.");
    EXPECT_EQ(windows.dialogs.options, 1);
}

TEST_F(PanelFixture, CatalogueIsKeptAsideOnceARunBeforeItsFirstRemoval) {
    List({"ATS", "BEF", "DEM", "ESP"});
    conversion.files.erase("euro\\BEF.nod");
    conversion.files.erase("euro\\ESP.nod");
    EXPECT_TRUE(panel.SelectEntry(1)); // BEF goes, ATS loads
    EXPECT_TRUE(panel.SelectEntry(2)); // ESP goes, DEM loads
    EXPECT_EQ(view.items, (std::vector<std::string>{"ATS", "DEM"}));
    EXPECT_EQ(catalogue.saves.size(), 2u);
    EXPECT_EQ(catalogue.copiesBeforeSave, std::vector<std::size_t>{0});
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PanelFixture, LastFailingEntryHidesWindowAndOpensOptions) {
    List({"ATS"});
    view.visible = true;
    conversion.files.clear();
    EXPECT_FALSE(panel.SelectEntry(0));
    EXPECT_TRUE(view.items.empty());
    EXPECT_EQ(catalogue.LastIndex(), -1);
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(windows.dialogs.options, 1);
    ASSERT_EQ(catalogue.saves.size(), 1u);
    EXPECT_TRUE(catalogue.saves[0].names.empty());
}

TEST_F(PanelFixture, SelectionSetsCaptionNameAndLabels) {
    List({"ATS", "DEM"});
    flags.TrayActive = true;
    view.caption = "Before";
    panel.SelectEntry(1);
    EXPECT_EQ(view.caption, "Euro-DEM");
    EXPECT_EQ(registry.Get("Name"), "Euro-DEM");
    EXPECT_EQ(view.labels, (PanelLabels{"DEM", "EUR", "In", "Out", "s3", "s4"}));
    // The tip gets the caption as it was; the tray timer brings it up to date.
    EXPECT_EQ(tray.tips, std::vector<std::string>{"Before"});
}

TEST_F(PanelFixture, IntroShownOnlyWhenEnabledAndPresent) {
    struct Case {
        bool enabled;
        std::string intro;
        int shown;
    };
    for (const Case& c : {Case{true, "Hello", 1}, Case{false, "Hello", 0}, Case{true, "", 0}}) {
        windows.dialogs.intro = 0;
        conversion.files["x.nod"].texts.intro = c.intro;
        catalogue.names = {"X"};
        catalogue.files = {"x"};
        flags.IntroEnabled = c.enabled;
        panel.SelectEntry(0);
        EXPECT_EQ(windows.dialogs.intro, c.shown) << c.enabled << " " << c.intro;
    }
}

TEST_F(PanelFixture, RefreshRereadsTheCatalogueAndShowsTheEntryItSelects) {
    struct Case {
        const char* what;
        bool switchSides;
        bool selectedLoads;
        std::vector<std::string> items;
        std::string caption;
        PanelLabels labels;
    };
    const std::vector<Case> cases{
        {"fields in place",
         false,
         true,
         {"ATS", "DEM"},
         "Euro-DEM",
         {"DEM", "EUR", "In", "Out", "s3", "s4"}},
        {"fields switched",
         true,
         true,
         {"ATS", "DEM"},
         "Euro-DEM",
         {"EUR", "DEM", "Out", "In", "s4", "s3"}},
        {"selected entry fails",
         false,
         false,
         {"ATS"},
         "Euro-ATS",
         {"ATS", "EUR", "In", "Out", "s3", "s4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        catalogue = {};
        conversion.files.clear();
        List({"ATS", "DEM"});
        catalogue.fileEntries = {{"ATS", "euro\\ATS"}, {"DEM", "euro\\DEM"}};
        catalogue.fileDefault = 1;
        if (!c.selectedLoads) {
            conversion.files.erase("euro\\DEM.nod");
        }
        flags.SwitchSides = c.switchSides;
        view.selection = 0;

        panel.RefreshFromCatalogue();
        EXPECT_EQ(catalogue.reads, (std::vector<std::pair<std::int16_t, std::int16_t>>{{1, 0}}));
        EXPECT_EQ(view.items, c.items);
        EXPECT_EQ(view.caption, c.caption);
        EXPECT_EQ(registry.Get("Name"), c.caption);
        EXPECT_EQ(view.labels, c.labels);
    }
}

TEST_F(PanelFixture, RefreshOfAnEmptyCatalogueLoadsNothing) {
    List({"ATS"});
    panel.RefreshFromCatalogue();
    EXPECT_TRUE(view.items.empty());
    EXPECT_TRUE(conversion.loads.empty());
    EXPECT_FALSE(registry.Has("Name"));
}

TEST_F(PanelFixture, TextConversionDisablesNumberFormatControls) {
    List({"ATS", "TXT"});
    conversion.files["euro\\TXT.nod"].changeTable = true;
    struct Step {
        int entry;
        bool precision;
        bool check1, digit, combo2;
    };
    for (const Step& s : {Step{1, true, false, false, false}, Step{0, true, true, true, true},
                          Step{1, false, false, false, false}, Step{0, false, true, true, false}}) {
        flags.PrecisionOn = s.precision;
        panel.SelectEntry(static_cast<std::int16_t>(s.entry));
        EXPECT_EQ(view.check1Enabled, s.check1) << s.entry << s.precision;
        EXPECT_EQ(view.digitEnabled, s.digit) << s.entry << s.precision;
        EXPECT_EQ(view.combo2Enabled, s.combo2) << s.entry << s.precision;
    }
}

struct EnterCase {
    int field;
    bool swapped;
    bool forward;
};

class EnterTest : public PanelFixture, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, ConvertsIntoTheOtherFieldInTheFieldsDirection) {
    const EnterCase& c = GetParam();
    flags.SwitchSides = c.swapped;
    view.text1 = "10";
    view.text2 = "20";
    conversion.result = "4,54";
    panel.ConvertField(c.field);
    ASSERT_EQ(conversion.evaluations.size(), 1u);
    EXPECT_EQ(conversion.evaluations[0].first, c.field == 1 ? "10" : "20");
    EXPECT_EQ(conversion.evaluations[0].second, c.forward);
    EXPECT_EQ(c.field == 1 ? view.text2 : view.text1, "4,54");
    EXPECT_EQ(c.field == 1 ? view.text1 : view.text2, c.field == 1 ? "10" : "20");
    EXPECT_EQ(conversion.groupingCleared, 1);
}

INSTANTIATE_TEST_SUITE_P(Panel, EnterTest,
                         ::testing::Values(EnterCase{1, false, true}, EnterCase{2, false, false},
                                           EnterCase{1, true, false}, EnterCase{2, true, true}),
                         [](const auto& testCase) {
                             const EnterCase& c = testCase.param;
                             return "Field" + std::to_string(c.field) +
                                    (c.swapped ? "Swapped" : "InPlace");
                         });

TEST_F(PanelFixture, ResultLosesOneLeadingSpaceAndTypedFieldIsReformatted) {
    struct Case {
        std::string result;
        bool format;
        std::string other;
        std::string typed;
    };
    for (const Case& c : {Case{" 12,00", false, "12,00", "5"}, Case{"  7", false, " 7", "5"},
                          Case{" 12,00", true, "12,00", "[5]"}, Case{"", true, "", "5"}}) {
        view.text1 = "5";
        conversion.result = c.result;
        conversion.currentFormat = c.format;
        panel.ConvertField(1);
        EXPECT_EQ(view.text2, c.other) << c.result;
        EXPECT_EQ(view.text1, c.typed) << c.result;
    }
}

TEST_F(PanelFixture, BlanksAroundTheValueAreDroppedBeforeConverting) {
    for (const char* typed : {"100", " 100", "100 ", "  100  ", "\t100\t", " 1 00 "}) {
        conversion.evaluations.clear();
        view.text1 = typed;
        conversion.result = "45,38";
        conversion.currentFormat = true;
        panel.ConvertField(1);
        ASSERT_EQ(conversion.evaluations.size(), 1u);
        const std::string inner = std::string(typed) == " 1 00 " ? "1 00" : "100";
        EXPECT_EQ(conversion.evaluations[0].first, inner) << typed;
        EXPECT_EQ(view.text1, "[" + inner + "]") << typed; // re-formatted from the same text
    }
}

TEST_F(PanelFixture, AlwaysOnTopIsLeftWhileConverting) {
    view.menu[MenuItem::AlwaysOnTop] = true;
    panel.ConvertField(1);
    EXPECT_EQ(view.topmostCalls, (std::vector<bool>{false, true}));
}

TEST_F(PanelFixture, SwapTwiceRestoresTextsAndLabels) {
    List({"DEM"});
    panel.SelectEntry(0);
    view.text1 = "1";
    view.text2 = "0,51";
    const PanelLabels before = view.labels;

    panel.Switchclick();
    EXPECT_TRUE(flags.SwitchSides);
    EXPECT_EQ(registry.Get("Switch"), "1");
    EXPECT_EQ(view.text1, "0,51");
    EXPECT_EQ(view.labels, (PanelLabels{"EUR", "DEM", "Out", "In", "s4", "s3"}));

    panel.Switchclick();
    EXPECT_FALSE(flags.SwitchSides);
    EXPECT_EQ(registry.Get("Switch"), "0");
    EXPECT_EQ(view.text1, "1");
    EXPECT_EQ(view.text2, "0,51");
    EXPECT_EQ(view.labels, before);
}

TEST_F(PanelFixture, PrecisionOffDisablesDecimalsAndDecimalsStoreNothing) {
    view.decimals = 4;
    view.precision = true;
    panel.Check1_Click(true);
    EXPECT_TRUE(view.combo2Enabled);
    EXPECT_EQ(conversion.decimalPlaces, 4);
    EXPECT_EQ(registry.Get("precision"), "1");

    view.precision = false;
    panel.Check1_Click(false);
    EXPECT_FALSE(view.combo2Enabled);
    EXPECT_FALSE(flags.PrecisionOn);
    EXPECT_EQ(conversion.decimalPlaces, -1);
    EXPECT_EQ(registry.Get("precision"), "0");

    panel.Combo2_Click(7);
    EXPECT_FALSE(registry.Has("decnum"));
    EXPECT_EQ(conversion.decimalPlaces, -1);

    view.precision = true;
    panel.Combo2_Click(7);
    EXPECT_EQ(registry.Get("decnum"), "7");
    EXPECT_EQ(conversion.decimalPlaces, 7);
}

TEST_F(PanelFixture, DigitGroupingIsStoredAndApplied) {
    panel.Digitchek_Click(true);
    EXPECT_TRUE(conversion.grouping);
    EXPECT_EQ(registry.Get("Digit"), "1");
    panel.Digitchek_Click(false);
    EXPECT_FALSE(conversion.grouping);
    EXPECT_EQ(registry.Get("Digit"), "0");
}

TEST_F(PanelFixture, KeyInFieldMarksItsOptionAndTheCalculatorEdit) {
    panel.FieldKey(2);
    EXPECT_EQ(view.activeOption, 2);
    EXPECT_FALSE(flags.MainWindowEdited);
    flags.CalculatorOpen = true;
    panel.FieldKey(1);
    EXPECT_EQ(view.activeOption, 1);
    EXPECT_TRUE(flags.MainWindowEdited);
}

TEST_F(PanelFixture, AddconfigSelectsTitleListedInOtherLetterCase) {
    List({"ATS", "Euro-NLG"});
    conversion.files["/tmp/x/nlg2.nod"] = {
        {"Other", "", "", "", "", "", "", ""}, false, false, "EURO-nlg"};
    std::string file = "/tmp/x/nlg2.nod";
    EXPECT_EQ(panel.addconfig(file), "-2");
    EXPECT_EQ(catalogue.names.size(), 2u);
    EXPECT_EQ(view.selection, 1);
    EXPECT_EQ(view.listText, "Euro-NLG");
    EXPECT_TRUE(catalogue.saves.empty());
}

TEST_F(PanelFixture, AddconfigStoresPathWithoutExtension) {
    struct Case {
        std::string given;
        std::string key; // the file as the loader knows it
        std::string stored;
        std::string title;
    };
    const std::vector<Case> cases{
        {"/opt/conv/Miles.NOD", "/opt/conv/Miles.NOD", "/opt/conv/Miles", "Miles"},
        {dataFolder + "/mine/km.nod", dataFolder + "/mine/km.nod", "mine/km", "km"},
        {dataFolder + "x/km.nod", dataFolder + "x/km.nod", dataFolder + "x/km", "km"},
        {std::string("/opt/a.nod\0junk", 15), "/opt/a.nod", "/opt/a", "a"},
    };
    for (const Case& c : cases) {
        catalogue.names.clear();
        catalogue.files.clear();
        catalogue.saves.clear();
        conversion.files[c.key] = {};
        std::string file = c.given;
        EXPECT_EQ(panel.addconfig(file), "") << c.given;
        EXPECT_EQ(catalogue.names, std::vector<std::string>{c.title});
        EXPECT_EQ(catalogue.files, std::vector<std::string>{c.stored});
        EXPECT_EQ(catalogue.saves.size(), 1u);
    }
}

TEST_F(PanelFixture, AddconfigOfUnreadableFileTellsUserAndChangesNothing) {
    List({"ATS"});
    std::string file = "/tmp/none.nod";
    EXPECT_EQ(panel.addconfig(file), "-1");
    EXPECT_EQ(catalogue.names, std::vector<std::string>{"ATS"});
    EXPECT_EQ(view.items, std::vector<std::string>{"ATS"});
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(sink.messages[0].title, "Error");
    EXPECT_EQ(sink.messages[0].text, "/tmp/none.nod cannot be read");
}

TEST_F(PanelFixture, AddconfigWhoseCatalogueCannotBeWrittenKeepsEntryForTheRun) {
    conversion.files["/tmp/a.nod"] = {};
    catalogue.saveWorks = false;
    std::string file = "/tmp/a.nod";
    EXPECT_EQ(panel.addconfig(file), "-1");
    EXPECT_EQ(catalogue.names, std::vector<std::string>{"a"});
}

TEST_F(PanelFixture, AddconfigOfTitleMinusOneAddsNothing) {
    conversion.files["/tmp/a.nod"] = {{}, false, false, "-1"};
    std::string file = "/tmp/a.nod";
    EXPECT_EQ(panel.addconfig(file), "-1");
    EXPECT_TRUE(catalogue.names.empty());
}

TEST(Knipname, CutsBeforeFirstZero) {
    EXPECT_EQ(Knipname(std::string("abc\0def", 7)), "abc");
    EXPECT_EQ(Knipname("abc"), "abc");
    EXPECT_EQ(Knipname(std::string("\0x", 2)), "");
}

} // namespace
} // namespace ombrix::testing
