#include "settings/LanguageFile.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrix {
namespace {

using testing::RecordingSink;
using testing::TempTree;
using testing::WriteFile;

std::string Rec(const std::string& window, const std::string& index, const std::string& text,
                const std::string& extra = "") {
    return "\"" + window + "\"," + index + ",\"" + text + "\",\"" + extra + "\"\r\n";
}

class LanguageFileTest : public ::testing::Test {
protected:
    LanguageLoad Load(const std::string& bytes, std::int16_t window) {
        WriteFile(tree.root / "program" / "test.lng", bytes);
        return LoadLanguage("test.lng", window, ctx);
    }
    // The texts the window got for `target`, in file order.
    static std::vector<std::string> TextsFor(const LanguageLoad& load, const std::string& target,
                                             TextProperty property = TextProperty::Caption) {
        std::vector<std::string> texts;
        for (const WindowText& text : load.texts) {
            if (text.target == target && text.property == property)
                texts.push_back(text.text);
        }
        return texts;
    }
    void ExpectNotFound(const std::string& name) {
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, "ERROR !!!");
        EXPECT_EQ(sink.messages[0].text, name + " is not found");
        EXPECT_EQ(sink.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(sink.messages[0].buttons, MessageButtons::Ok);
    }

    TempTree tree;
    RecordingSink sink;
    MessageTexts texts;
    LinkTargets targets;
    LanguageContext ctx{tree.folders, sink, texts, targets};
};

TEST_F(LanguageFileTest, EndRecordStopsTheReading) {
    const LanguageLoad load =
        Load(Rec("6", "203", "Apply") + Rec("0", "100", "Title") + Rec("end", "0", "") +
                 Rec("6", "203", "Later") + Rec("0", "100", "Later title") + "\"broken",
             6);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(TextsFor(load, "Command4"), std::vector<std::string>{"Apply"});
    EXPECT_EQ(texts.Get(100), "Title");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LanguageFileTest, RecordsEndingInLoneLineFeedsKeepNoLineFeed) {
    // The second record's last field lost its closing quote.
    const LanguageLoad load = Load("\"6\",203,\"Apply\",\"\"\n\"0\",100,\"Title\",\"\n"
                                   "\"0\",101,\" failed\",\"\"\n",
                                   6);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(TextsFor(load, "Command4"), std::vector<std::string>{"Apply"});
    EXPECT_EQ(texts.Get(100), "Title");
    EXPECT_EQ(texts.Get(101), " failed");
}

TEST_F(LanguageFileTest, EndNeedsOnlyItsWindowFieldAndLowerCase) {
    EXPECT_TRUE(Load(Rec("0", "100", "T") + "\"end\"", 1).ok);
    const LanguageLoad upper = Load(Rec("END", "0", "") + Rec("0", "100", "After END"), 1);
    EXPECT_TRUE(upper.ok);
    EXPECT_EQ(texts.Get(100), "After END");
}

TEST_F(LanguageFileTest, SaveQuestionAccumulatesAndStartsAfreshOnEveryLoad) {
    Load(Rec("0", "109", "A") + Rec("0", "109", "B"), 8);
    EXPECT_EQ(texts.Get(109), "A\r\nB");
    Load(Rec("0", "109", "C"), 8);
    EXPECT_EQ(texts.Get(109), "C");
    Load(Rec("0", "100", "x"), 8);
    EXPECT_EQ(texts.Get(109), "");
    Load(Rec("0", "109", "") + Rec("0", "109", "D"), 8);
    EXPECT_EQ(texts.Get(109), "\r\nD");
}

TEST_F(LanguageFileTest, MessageTextsStayUntilALoadGivesThem) {
    Load(Rec("0", "101", " cannot be read") + Rec("0", "204", " times"), 0);
    Load(Rec("0", "101", " is unreadable"), 5);
    EXPECT_EQ(texts.Get(101), " is unreadable");
    EXPECT_EQ(texts.Get(204), " times");
}

TEST_F(LanguageFileTest, OnlyListedMessageNumbersAreStored) {
    const LanguageLoad load =
        Load(Rec("0", "150", "ignored") + Rec("0", "108", "dropped") + Rec("0", "300", "dropped") +
                 Rec("0", "110", "kept") + Rec("0", "106", "stored"),
             1);
    EXPECT_TRUE(load.ok);
    EXPECT_TRUE(load.texts.empty());
    EXPECT_EQ(texts.Get(150), "");
    EXPECT_EQ(texts.Get(108), "");
    EXPECT_EQ(texts.Get(300), "");
    EXPECT_EQ(texts.Get(110), "kept");
    EXPECT_EQ(texts.Get(106), "stored");
}

TEST_F(LanguageFileTest, RecordsApplyOnlyToTheWindowThatAsked) {
    const std::string bytes = Rec("6", "203", "Apply") + Rec("1", "101", "Quit");
    const LanguageLoad options = Load(bytes, 6);
    EXPECT_EQ(TextsFor(options, "Command4"), std::vector<std::string>{"Apply"});
    EXPECT_TRUE(TextsFor(options, "Exit").empty());
    const LanguageLoad main = Load(bytes, 1);
    EXPECT_TRUE(TextsFor(main, "Command4").empty());
    EXPECT_EQ(TextsFor(main, "Exit"), std::vector<std::string>{"Quit"});
    for (int other : {0, 9, -1})
        EXPECT_TRUE(Load(bytes, static_cast<std::int16_t>(other)).texts.empty()) << other;
}

TEST_F(LanguageFileTest, UnlistedIndexesAreIgnoredAndTheLaterRecordWins) {
    const LanguageLoad load =
        Load(Rec("5", "100", "First") + Rec("5", "999", "no such") + Rec("5", "100", "Second"), 5);
    EXPECT_EQ(TextsFor(load, "standard"), (std::vector<std::string>{"Second"}));
    EXPECT_EQ(load.texts.size(), 1u);
}

// A hostile file of repeated records: what one load keeps stays bounded
// however long the file is.
TEST_F(LanguageFileTest, RepeatedRecordsKeepWhatTheyHoldBounded) {
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += Rec("0", "109", "save?") + Rec("5", "100", "caption " + std::to_string(i));
    const LanguageLoad load = Load(bytes, 5);
    EXPECT_TRUE(load.ok);
    EXPECT_EQ(TextsFor(load, "standard"), (std::vector<std::string>{"caption 199999"}));
    EXPECT_EQ(load.texts.size(), 1u);
    // The joined message keeps its first lines up to the bound, whole lines only.
    const std::string& joined = texts.Get(109);
    EXPECT_LE(joined.size(), 16u * 1024);
    EXPECT_GT(joined.size(), 15u * 1024);
    EXPECT_TRUE(joined.starts_with("save?\r\nsave?"));
    EXPECT_TRUE(joined.ends_with("\r\nsave?"));
}

TEST_F(LanguageFileTest, OneRecordCanSetACaptionAndAToolTip) {
    const LanguageLoad load = Load(Rec("1", "301", "Wizard"), 1);
    EXPECT_EQ(TextsFor(load, "Wizard"), std::vector<std::string>{"Wizard"});
    EXPECT_EQ(TextsFor(load, "Image1", TextProperty::ToolTip), std::vector<std::string>{"Wizard"});
}

TEST_F(LanguageFileTest, DialogCaptionsTakeATrailingBlank) {
    EXPECT_EQ(TextsFor(Load(Rec("2", "100", "Intro:"), 2), "Form2"),
              std::vector<std::string>{"Intro: "});
    EXPECT_EQ(TextsFor(Load(Rec("3", "100", "About"), 3), "frmAbout"),
              std::vector<std::string>{"About "});
    const LanguageLoad editor = Load(Rec("8", "100", "Editor"), 8);
    EXPECT_EQ(TextsFor(editor, "Editor"), std::vector<std::string>{"Editor"});
    EXPECT_EQ(TextsFor(editor, "EditorTitle", TextProperty::Text),
              std::vector<std::string>{"Editor"});
}

TEST_F(LanguageFileTest, AppTagBecomesTheProgramFolderAndTargetsAreShared) {
    const LanguageLoad main = Load(Rec("1", "403", "&Help", "[App]\\help.chm") +
                                       Rec("1", "401", "Bugs", "mailto:b@x.example") +
                                       Rec("1", "402", "x.example", "https://x.example/") +
                                       Rec("1", "405", "Donate", "https://x.example/d") +
                                       Rec("1", "100", "File", "[App]"),
                                   1);
    EXPECT_EQ(targets.HelpTarget, tree.folders.program + "\\help.chm");
    EXPECT_EQ(TextsFor(main, "HelpTarget", TextProperty::Target),
              std::vector<std::string>{tree.folders.program + "\\help.chm"});
    EXPECT_EQ(targets.BugReportTarget, "mailto:b@x.example");
    EXPECT_EQ(targets.WebLinkTarget, "https://x.example/");
    EXPECT_EQ(targets.DonateTarget, "https://x.example/d");

    Load(Rec("8", "403", "Help", "[App]/other.html") + Rec("8", "401", "Bugs", "") +
             Rec("1", "402", "not applied", "https://main.example/"),
         8);
    EXPECT_EQ(targets.HelpTarget, tree.folders.program + "/other.html");
    EXPECT_EQ(targets.BugReportTarget, "");
    EXPECT_EQ(targets.WebLinkTarget, "https://x.example/");
    EXPECT_EQ(targets.DonateTarget, "https://x.example/d");
}

TEST_F(LanguageFileTest, ByteOrderMarkOfTheFirstRecordIsRemoved) {
    for (const std::string& first :
         {Rec("6", "100", "Options"), std::string("6,100,Options,\r\n")}) {
        const LanguageLoad load = Load("\xFF\xFE" + first + "\xFF\xFE" + Rec("6", "101", "x"), 6);
        EXPECT_EQ(TextsFor(load, "Form3"), std::vector<std::string>{"Options"}) << first;
        EXPECT_TRUE(TextsFor(load, "Label1").empty()); // only the first record's mark goes
    }
}

TEST_F(LanguageFileTest, AboutBlockJoinsItsLinesWithCarriageReturns) {
    const LanguageLoad load =
        Load(Rec("3", "103", "begin", "one") + Rec("x", "x", "line", "two") +
                 Rec("", "", "line", "[App]three") + Rec("3", "7", "line", "four") +
                 Rec("end", "0", "end", "five") + Rec("3", "101", "Version"),
             3);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(TextsFor(load, "lblDisclaimer"),
              std::vector<std::string>{"one\rtwo\r[App]three\rfour\rfive"});
    EXPECT_EQ(TextsFor(load, "lblVersion"), std::vector<std::string>{"Version"});
}

TEST_F(LanguageFileTest, AboutBlockWithoutEndLeavesTheTextAndConsumesTheEleventhRecord) {
    std::string bytes = Rec("3", "103", "begin", "one");
    for (int i = 0; i < 9; ++i)
        bytes += Rec("3", "0", "line", "l");
    bytes += Rec("3", "101", "swallowed") + Rec("3", "102", "Read again");
    const LanguageLoad load = Load(bytes, 3);
    ASSERT_TRUE(load.ok);
    EXPECT_TRUE(TextsFor(load, "lblDisclaimer").empty());
    EXPECT_TRUE(TextsFor(load, "lblVersion").empty());
    EXPECT_EQ(TextsFor(load, "lblDescription"), std::vector<std::string>{"Read again"});
}

TEST_F(LanguageFileTest, AboutBlockRecordsAreOrdinaryForOtherWindows) {
    const std::string bytes = Rec("3", "103", "begin", "one") + Rec("3", "0", "line", "two");
    EXPECT_TRUE(Load(bytes, 1).ok);
    EXPECT_FALSE(Load(bytes, 3).ok); // the file ends inside the block
}

struct FailureCase {
    std::string name;
    std::string bytes;
};

class LanguageFileFailure : public LanguageFileTest,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LanguageFileFailure, ReportsTheNameAndTellsTheCallerToEnd) {
    const LanguageLoad load = Load(Rec("0", "100", "before") + GetParam().bytes, 1);
    EXPECT_FALSE(load.ok);
    EXPECT_TRUE(load.texts.empty());
    ExpectNotFound("test.lng");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileFailure,
    ::testing::Values(FailureCase{"IndexNotAWholeNumber", Rec("1", "1.5", "x")},
                      FailureCase{"IndexNotANumber", Rec("1", "abc", "x")},
                      FailureCase{"IndexEmpty", Rec("1", "", "x")},
                      FailureCase{"IndexBeyondSixteenBits", Rec("1", "40000", "x")},
                      FailureCase{"FileEndsInsideARecord", "\"1\",101,\"x\"\r\n"},
                      FailureCase{"UnclosedQuote", "\"1\",101,\"x"}),
    [](const auto& testCase) { return testCase.param.name; });

TEST_F(LanguageFileTest, IndexesMayCarryBlanksAndSigns) {
    const LanguageLoad load = Load("\"5\", 100 ,\"Calc\",\"\"\r\n\"5\",+101,\"Edit\",\"\"\r\n", 5);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(TextsFor(load, "standard"), std::vector<std::string>{"Calc"});
    EXPECT_EQ(TextsFor(load, "edit"), std::vector<std::string>{"Edit"});
}

TEST_F(LanguageFileTest, FindsTheFileInTheProgramThenTheDataFolder) {
    WriteFile(tree.root / "data" / "de.lng", Rec("0", "100", "from data"));
    WriteFile(tree.root / "program" / "eng.lng", Rec("0", "100", "from eng"));
    EXPECT_TRUE(LoadLanguage("de.lng", 1, ctx).ok);
    EXPECT_EQ(texts.Get(100), "from data");

    WriteFile(tree.root / "program" / "de.lng", Rec("0", "100", "from program"));
    EXPECT_TRUE(LoadLanguage("de.lng", 1, ctx).ok);
    EXPECT_EQ(texts.Get(100), "from program");

    // Found nowhere: the program folder's default file, without a message.
    EXPECT_TRUE(LoadLanguage("xx.lng", 1, ctx).ok);
    EXPECT_EQ(texts.Get(100), "from eng");
    EXPECT_TRUE(LoadLanguage("", 1, ctx).ok);
    EXPECT_TRUE(sink.messages.empty());

    // A name inside the program folder is used as it stands.
    EXPECT_EQ(FindLanguageFile(tree.folders.program + "/de.lng", tree.folders),
              tree.folders.program + "/de.lng");
    EXPECT_EQ(FindLanguageFile("sub\\de.lng", tree.folders), tree.folders.program + "/eng.lng");
}

TEST_F(LanguageFileTest, MissingAbsoluteFileEndsTheProgram) {
    const std::string name = (tree.root / "nowhere" / "de.lng").string();
    EXPECT_FALSE(LoadLanguage(name, 1, ctx).ok);
    ExpectNotFound(name);
}

TEST_F(LanguageFileTest, MissingDefaultFileIsReportedByTheGivenName) {
    EXPECT_FALSE(LoadLanguage("xx.lng", 1, ctx).ok);
    ExpectNotFound("xx.lng");
}

TEST(WindowTextTables, EveryWindowHasATableWithUniqueTargets) {
    for (std::int16_t window = 1; window <= 8; ++window) {
        const auto table = WindowTextTable(window);
        EXPECT_FALSE(table.empty()) << window;
        EXPECT_FALSE(WindowObjectName(window).empty());
        for (std::size_t i = 0; i < table.size(); ++i) {
            for (std::size_t j = i + 1; j < table.size(); ++j) {
                EXPECT_FALSE(table[i].index == table[j].index &&
                             table[i].target == table[j].target &&
                             table[i].property == table[j].property)
                    << window << "/" << table[i].index;
            }
        }
    }
    EXPECT_TRUE(WindowTextTable(0).empty());
    EXPECT_TRUE(WindowTextTable(9).empty());
}

} // namespace
} // namespace ombrix
