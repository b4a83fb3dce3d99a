#include "settings/Catalogue.h"

#include "SettingsTestSupport.h"
#include "platform/posix/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ombrix {
namespace {

using testing::FilesStartingWith;
using testing::FullDisk;
using testing::ReadFile;
using testing::RecordingSink;
using testing::TempTree;
using testing::WriteFile;

std::string Record(const std::string& a, const std::string& b, const std::string& c) {
    return "\"" + a + "\",\"" + b + "\",\"" + c + "\"\r\n";
}

std::string Entries(const std::vector<std::string>& names) {
    std::string out = Record("[lang]", "eng.lng", "");
    for (const std::string& name : names)
        out += Record(name, "conv\\" + name, "");
    return out;
}

class CatalogueTest : public ::testing::Test {
protected:
    std::filesystem::path Data(const std::string& name) const { return tree.root / "data" / name; }
    std::filesystem::path Program(const std::string& name) const {
        return tree.root / "program" / name;
    }
    void ExpectBuiltin(std::int16_t result, std::int16_t selected = 11) const {
        EXPECT_EQ(result, selected);
        EXPECT_EQ(catalogue.LastIndex, 21);
        EXPECT_EQ(catalogue.DefaultIndex, 11);
        EXPECT_EQ(catalogue.LanguageFile, "eng.lng");
        ASSERT_EQ(catalogue.Names.size(), 22u);
        EXPECT_EQ(catalogue.Names[11], "Euro-NLG");
        EXPECT_EQ(catalogue.CatalogueFiles[11], "euro\\NLG");
        EXPECT_EQ(catalogue.SelectedIndex, selected);
    }

    TempTree tree;
    Catalogue catalogue{tree.folders};
};

TEST_F(CatalogueTest, LanguageRecordAloneGivesAnEmptyCatalogue) {
    WriteFile(Data("ombrixgo.cfg"), Record("[lang]", "de.lng", ""));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 0);
    EXPECT_EQ(catalogue.LastIndex, -1);
    EXPECT_TRUE(catalogue.Names.empty());
    EXPECT_EQ(catalogue.LanguageFile, "de.lng");
    EXPECT_EQ(catalogue.SelectedIndex, -1);
}

TEST_F(CatalogueTest, CommentsAndLanguageRecordsTakeNoIndex) {
    WriteFile(Data("ombrixgo.cfg"), Record("A", "a", "") + Record("B", "b", "") +
                                        Record("' a comment", "x", "y") +
                                        Record("[lang]", "one.lng", "") + Record("C", "c", "*") +
                                        Record("[lang]", "two.lng", ""));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 2);
    EXPECT_EQ(catalogue.Names, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(catalogue.CatalogueFiles[2], "c");
    EXPECT_EQ(catalogue.LastIndex, 2);
    EXPECT_EQ(catalogue.DefaultIndex, 2);
    EXPECT_EQ(catalogue.LanguageFile, "two.lng"); // the last language record wins
    EXPECT_EQ(catalogue.SelectedIndex, 2);
}

TEST_F(CatalogueTest, LinesEndingInLoneLineFeedsOrMixedGiveTheSameEntries) {
    // The last entry's closing quote is lost: its field ends with its line.
    WriteFile(Data("ombrixgo.cfg"), "\"[lang]\",\"eng.lng\",\"\"\n\"A\",\"a\",\"\"\r\n"
                                    "\"B\",\"b\",\"*\"\n\"C\",\"c\",\"\n");
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 1);
    EXPECT_EQ(catalogue.Names, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(catalogue.CatalogueFiles[2], "c");
    EXPECT_EQ(catalogue.LanguageFile, "eng.lng");
}

TEST_F(CatalogueTest, LaterDefaultMarkWinsAndNoMarkKeepsTheEarlierDefault) {
    WriteFile(Data("ombrixgo.cfg"),
              Record("A", "a", "*") + Record("B", "b", "") + Record("C", "c", "*"));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 2);
    EXPECT_EQ(catalogue.DefaultIndex, 2);

    WriteFile(Data("ombrixgo.cfg"), Entries({"P", "Q", "R", "S"}));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 2);
    EXPECT_EQ(catalogue.DefaultIndex, 2);

    Catalogue fresh(tree.folders);
    EXPECT_EQ(fresh.ReadCatalogue(CatalogueAtStartup), 0);
    EXPECT_EQ(fresh.DefaultIndex, 0);
}

TEST_F(CatalogueTest, EntryWithoutNameOrPathStillTakesItsIndex) {
    catalogue.CatalogueFiles[2] = "stale";
    WriteFile(Data("ombrixgo.cfg"),
              Record("A", "a", "*") + Record("", "b", "") + Record("C", "", ""));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 0);
    EXPECT_EQ(catalogue.LastIndex, 2);
    EXPECT_EQ(catalogue.Names, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(catalogue.CatalogueFiles[1], "b");
    EXPECT_EQ(catalogue.CatalogueFiles[2], "stale"); // an empty path stores nothing
}

struct BrokenCase {
    std::string name;
    std::string bytes;
};

class CatalogueBrokenFile : public CatalogueTest,
                            public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(CatalogueBrokenFile, BuiltinCatalogueTakesItsPlace) {
    WriteFile(Data("ombrixgo.cfg"), GetParam().bytes);
    catalogue.CatalogueFiles[30] = "untouched";
    ExpectBuiltin(catalogue.ReadCatalogue(CatalogueAtStartup));
    EXPECT_EQ(catalogue.CatalogueFiles[30], "untouched");
}

std::string ManyEntries(int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += Record("N" + std::to_string(i), "p" + std::to_string(i), "");
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueBrokenFile,
    ::testing::Values(BrokenCase{"LastLineWithTwoFields", Entries({"A", "B"}) + "\"C\",\"c\"\r\n"},
                      BrokenCase{"UnclosedQuote", Entries({"A"}) + "\"B,\"b\",\"\"\r\n"},
                      BrokenCase{"TooManyEntries", ManyEntries(257)},
                      BrokenCase{"DefaultNotInTheList",
                                 Record("A", "a", "") + Record("", "b", "*")}),
    [](const auto& testCase) { return testCase.param.name; });

TEST_F(CatalogueTest, TwoHundredFiftySixEntriesFit) {
    WriteFile(Data("ombrixgo.cfg"), ManyEntries(256));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 0);
    EXPECT_EQ(catalogue.LastIndex, 255);
    EXPECT_EQ(catalogue.CatalogueFiles[255], "p255");
}

TEST_F(CatalogueTest, RemovedEntryLetsLaterOnesMoveUpAndAFullCatalogueTakesNoMore) {
    WriteFile(Data("ombrixgo.cfg"), Entries({"A", "B", "C"}));
    catalogue.ReadCatalogue(CatalogueAtStartup);
    catalogue.RemoveEntry(1);
    EXPECT_EQ(catalogue.LastIndex, 1);
    EXPECT_EQ(catalogue.Names, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(catalogue.CatalogueFiles[1], "conv\\C");
    EXPECT_EQ(catalogue.CatalogueFiles[2], "");
    catalogue.RemoveEntry(5); // no such entry
    EXPECT_EQ(catalogue.LastIndex, 1);

    WriteFile(Data("ombrixgo.cfg"), ManyEntries(256));
    catalogue.ReadCatalogue(CatalogueAtStartup);
    EXPECT_FALSE(catalogue.AppendEntry("Z", "z"));
    catalogue.RemoveEntry(255);
    EXPECT_TRUE(catalogue.AppendEntry("Z", "z"));
    EXPECT_EQ(catalogue.LastIndex, 255);
    EXPECT_EQ(catalogue.Names.back(), "Z");
    EXPECT_EQ(catalogue.CatalogueFiles[255], "z");
}

TEST_F(CatalogueTest, ChoosesTheFirstFileThatExists) {
    struct Case {
        std::vector<std::string> present; // "data/..." or "program/..."
        std::int16_t mode;
        std::string read; // the name of the single entry of the file that is read
    };
    const std::vector<Case> cases = {
        {{"data/ombrixgo.cfg", "data/ombrixg.cfg", "program/ombrixgo.cfg"}, 0, "data/ombrixgo.cfg"},
        {{"data/ombrixg.cfg", "program/ombrixgo.cfg"}, 0, "data/ombrixg.cfg"},
        {{"program/ombrixgo.cfg", "program/ombrixg.cfg"}, 1, "program/ombrixgo.cfg"},
        {{"program/ombrixg.cfg"}, 0, "program/ombrixg.cfg"},
        {{"data/ombrixgo.cfg", "program/ombrixgo.cfg"}, 2, "program/ombrixgo.cfg"},
        {{"data/ombrixgo.cfg", "program/ombrixg.cfg"}, 2, "program/ombrixg.cfg"},
    };
    for (const Case& c : cases) {
        for (const char* name : {"data/ombrixgo.cfg", "data/ombrixg.cfg", "program/ombrixgo.cfg",
                                 "program/ombrixg.cfg"})
            std::filesystem::remove(tree.root / name);
        for (const std::string& name : c.present)
            WriteFile(tree.root / name, Record(name, "p", "*"));
        Catalogue fresh(tree.folders);
        fresh.ReadCatalogue(c.mode);
        ASSERT_EQ(fresh.Names.size(), 1u) << c.read;
        EXPECT_EQ(fresh.Names[0], c.read);
    }
}

TEST_F(CatalogueTest, NoFileAnywhereGivesTheBuiltinCatalogue) {
    ExpectBuiltin(catalogue.ReadCatalogue(CatalogueAtStartup));
    ExpectBuiltin(catalogue.ReadCatalogue(CatalogueProgramFolder));
}

TEST_F(CatalogueTest, UnopenableDataFileFallsBackToTheProgramFolderOnce) {
    // Larger than any catalogue may be: the reader refuses to open it.
    WriteFile(Data("ombrixgo.cfg"), std::string(MaxTextFileSize + 1, ' '));
    WriteFile(Program("ombrixgo.cfg"), Entries({"FromProgram"}));
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 0);
    EXPECT_EQ(catalogue.Names, std::vector<std::string>{"FromProgram"});

    std::filesystem::remove(Program("ombrixgo.cfg"));
    ExpectBuiltin(catalogue.ReadCatalogue(CatalogueAtStartup));
}

TEST_F(CatalogueTest, LegacyFileIsReadAndTheNextSaveWritesTheCurrentName) {
    WriteFile(Data("ombrixg.cfg"), Entries({"Old"}));
    catalogue.ReadCatalogue(CatalogueAtStartup);
    EXPECT_EQ(catalogue.Names, std::vector<std::string>{"Old"});
    catalogue.Names.push_back("New");
    catalogue.CatalogueFiles[1] = "conv\\New";
    catalogue.LastIndex = 1;
    catalogue.SaveCatalogue("eng.lng", catalogue.Names, false);
    EXPECT_TRUE(std::filesystem::exists(Data("ombrixgo.cfg")));
    EXPECT_EQ(ReadFile(Data("ombrixg.cfg")), Entries({"Old"}));

    Catalogue again(tree.folders);
    again.ReadCatalogue(CatalogueAtStartup);
    EXPECT_EQ(again.Names, (std::vector<std::string>{"Old", "New"}));
}

TEST_F(CatalogueTest, RefreshKeepsTheSelectionOnlyWhileItExists) {
    struct Case {
        int selected;
        std::int16_t expected;
    };
    WriteFile(Data("ombrixgo.cfg"),
              Record("A", "a", "") + Record("B", "b", "*") + Record("C", "c", ""));
    for (const Case& c : std::vector<Case>{{5, 1}, {-1, 1}, {0, 0}, {2, 2}}) {
        catalogue.SelectedIndex = c.selected;
        EXPECT_EQ(catalogue.ReadCatalogue(CatalogueRefresh), c.expected) << c.selected;
        EXPECT_EQ(catalogue.SelectedIndex, c.expected);
    }
}

TEST_F(CatalogueTest, RefreshOfAnEmptyCatalogueSelectsNothing) {
    WriteFile(Data("ombrixgo.cfg"), Record("[lang]", "eng.lng", ""));
    catalogue.SelectedIndex = 3;
    catalogue.ReadCatalogue(CatalogueRefresh);
    EXPECT_EQ(catalogue.LastIndex, -1);
    EXPECT_TRUE(catalogue.Names.empty());
    EXPECT_EQ(catalogue.SelectedIndex, -1);
}

TEST_F(CatalogueTest, BuiltinCatalogueKeepsABuiltinPreviousSelectionOnRefresh) {
    struct Case {
        std::int16_t mode, previous, expected;
    };
    for (const Case& c : std::vector<Case>{
             {1, 4, 4}, {1, 21, 21}, {1, 22, 11}, {1, -1, 11}, {0, 4, 11}, {2, 4, 11}}) {
        ExpectBuiltin(catalogue.LoadDefaultCatalogue(c.mode, c.previous), c.expected);
    }
}

TEST_F(CatalogueTest, SaveWritesTheLanguageRecordAndEveryEntryQuoted) {
    catalogue.Names = {"A", "B, with comma"};
    catalogue.CatalogueFiles[0] = "conv\\A";
    catalogue.CatalogueFiles[1] = "/abs/b";
    catalogue.LastIndex = 1;
    catalogue.DefaultIndex = 1;
    EXPECT_EQ(catalogue.SaveCatalogue("eng.lng", catalogue.Names, false), "");
    EXPECT_EQ(ReadFile(Data("ombrixgo.cfg")), Record("[lang]", "eng.lng", "") +
                                                  Record("A", "conv\\A", "") +
                                                  Record("B, with comma", "/abs/b", "*"));
    EXPECT_TRUE(FilesStartingWith(tree.root / "data", "ombrixgo.cfg.new").empty());
}

TEST_F(CatalogueTest, SaveRecordsALanguageFileInTheDataFolderByItsName) {
    catalogue.Names = {"A"};
    catalogue.LastIndex = 0;
    std::string upper = tree.folders.data;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string inData = upper + "/de.lng";

    EXPECT_EQ(catalogue.SaveCatalogue(inData, catalogue.Names, true), "de.lng");
    EXPECT_EQ(catalogue.LanguageFile, "de.lng");
    EXPECT_TRUE(ReadFile(Data("ombrixgo.cfg")).starts_with(Record("[lang]", "de.lng", "")));

    catalogue.LanguageFile = "kept";
    EXPECT_EQ(catalogue.SaveCatalogue(inData, catalogue.Names, false), "");
    EXPECT_EQ(catalogue.LanguageFile, "kept");
    EXPECT_TRUE(ReadFile(Data("ombrixgo.cfg")).starts_with(Record("[lang]", inData, "")));

    EXPECT_EQ(catalogue.SaveCatalogue("/elsewhere/de.lng", catalogue.Names, true),
              "/elsewhere/de.lng");
}

TEST_F(CatalogueTest, CheckedSaveTellsAFailedWriteFromAnEmptyLanguageName) {
    catalogue.Names = {"A"};
    catalogue.LastIndex = 0;
    EXPECT_EQ(catalogue.WriteCatalogue("", catalogue.Names, true), std::optional<std::string>(""));
    const std::string inData = tree.folders.data + "/de.lng";
    catalogue.LanguageFile = "kept";
    EXPECT_EQ(catalogue.WriteCatalogue(inData, catalogue.Names, false),
              std::optional<std::string>(inData));
    EXPECT_EQ(catalogue.LanguageFile, "kept");
    std::filesystem::remove_all(tree.root / "data");
    EXPECT_EQ(catalogue.WriteCatalogue("de.lng", catalogue.Names, true), std::nullopt);
}

TEST_F(CatalogueTest, FailedSaveReturnsEmptyAndKeepsTheLanguage) {
    std::filesystem::remove_all(tree.root / "data");
    catalogue.LanguageFile = "before.lng";
    EXPECT_EQ(catalogue.SaveCatalogue("after.lng", catalogue.Names, true), "");
    EXPECT_EQ(catalogue.LanguageFile, "before.lng");
    EXPECT_FALSE(catalogue.WriteDefaultCatalogueFile(""));
}

TEST_F(CatalogueTest, UnreadableFileIsCopiedAsideBeforeASaveReplacesIt) {
    const std::string broken = Entries({"Mine", "Yours"}) + "\"Half\",\"h\"";
    WriteFile(Data("ombrixgo.cfg"), broken);
    catalogue.ReadCatalogue(CatalogueAtStartup); // the built-in catalogue takes over
    ASSERT_NE(catalogue.SaveCatalogue("eng.lng", catalogue.Names, true), "");
    const auto aside = FilesStartingWith(tree.root / "data", "ombrixgo.cfg.unreadable");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadFile(tree.root / "data" / aside[0]), broken);

    // A second broken file gets a name of its own; the first copy stays.
    WriteFile(Data("ombrixgo.cfg"), broken + "2");
    catalogue.SaveCatalogue("eng.lng", catalogue.Names, true);
    EXPECT_EQ(FilesStartingWith(tree.root / "data", "ombrixgo.cfg.unreadable").size(), 2u);
    EXPECT_EQ(ReadFile(tree.root / "data" / aside[0]), broken);

    // A readable file is simply replaced.
    catalogue.SaveCatalogue("eng.lng", catalogue.Names, true);
    EXPECT_EQ(FilesStartingWith(tree.root / "data", "ombrixgo.cfg.unreadable").size(), 2u);
}

TEST_F(CatalogueTest, ListBeforeRemovalsIsKeptForTheNextSaveOnly) {
    const std::string before = Entries({"Mine", "Yours"});
    WriteFile(Data("ombrixgo.cfg"), before);
    catalogue.ReadCatalogue(CatalogueAtStartup);
    catalogue.KeepCopyOnNextSave();
    ASSERT_NE(catalogue.SaveCatalogue("eng.lng", {"Mine"}, true), "");
    const auto aside = FilesStartingWith(tree.root / "data", "ombrixgo.cfg.before-removal");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadFile(tree.root / "data" / aside[0]), before);
    catalogue.SaveCatalogue("eng.lng", {"Mine"}, true); // later saves replace the file only
    EXPECT_EQ(FilesStartingWith(tree.root / "data", "ombrixgo.cfg.before-removal").size(), 1u);
}

TEST_F(CatalogueTest, FileWhoseSelectionFailedIsKeptAsideToo) {
    // Readable, but its default is not an item of the list: the built-in
    // catalogue replaces it in memory, and a save must not lose the file.
    const std::string bytes = Record("A", "a", "") + Record("", "b", "*");
    WriteFile(Data("ombrixgo.cfg"), bytes);
    catalogue.ReadCatalogue(CatalogueAtStartup);
    catalogue.SaveCatalogue("eng.lng", catalogue.Names, true);
    const auto aside = FilesStartingWith(tree.root / "data", "ombrixgo.cfg.unreadable");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadFile(tree.root / "data" / aside[0]), bytes);
}

TEST_F(CatalogueTest, DefaultFileListsTheBuiltinCatalogueWithTheCommandLineLanguage) {
    struct Case {
        std::string commandLine, language;
    };
    for (const Case& c : std::vector<Case>{{"", "eng.lng"},
                                           {"/lng de.lng", "de.lng"},
                                           {"/LNG=fr.lng", "fr.lng"},
                                           {"/lng", ""},
                                           {"/tray", "eng.lng"}}) {
        ASSERT_TRUE(catalogue.WriteDefaultCatalogueFile(c.commandLine));
        EXPECT_EQ(catalogue.LanguageFile, c.language);
        const std::string bytes = ReadFile(Data("ombrixgo.cfg"));
        EXPECT_TRUE(bytes.starts_with(Record("[lang]", c.language, ""))) << c.commandLine;
    }
    EXPECT_TRUE(catalogue.Names.empty()); // memory is not touched
    const std::string bytes = ReadFile(Data("ombrixgo.cfg"));
    EXPECT_NE(bytes.find(Record("PTE", "euro\\PTE", "") + Record("Euro-NLG", "euro\\NLG", "*") +
                         Record("BGN", "euro\\BGN", "")),
              std::string::npos);
}

TEST(CatalogueLanguage, ReadsTheFirstLanguageRecordOnly) {
    TempTree tree;
    const auto file = tree.root / "data" / "ombrixgo.cfg";
    struct Case {
        std::string bytes;
        std::optional<std::string> language;
    };
    const std::vector<Case> cases = {
        {Record("'", "x", "") + Record("[lang]", "de.lng", "") + Record("[lang]", "fr.lng", ""),
         "de.lng"},
        {Record("A", "a", "") + Record("[lang]", "nl.lng", "") + "\"broken", "nl.lng"},
        {Record("A", "a", ""), ""},
        {"\"A\",\"a\"", std::nullopt},
    };
    for (const Case& c : cases) {
        WriteFile(file, c.bytes);
        EXPECT_EQ(ReadCatalogueLanguage(file.string()), c.language) << c.bytes;
    }
    std::filesystem::remove(file);
    EXPECT_EQ(ReadCatalogueLanguage(file.string()), std::nullopt);
}

// Two running copies of one user share the data folder; each saves after its
// own change to the list it read at start.
TEST_F(CatalogueTest, TwoCopiesSharingTheFileKeepEachOthersAdditionsAndRemovals) {
    struct Case {
        const char* what;
        std::function<void(Catalogue&)> first;
        std::function<void(Catalogue&)> second;
        std::vector<std::string> names;
        std::int16_t defaultIndex;
    };
    const auto add = [](const std::string& name) {
        return [name](Catalogue& c) { ASSERT_TRUE(c.AppendEntry(name, "conv\\" + name)); };
    };
    const auto remove = [](std::int16_t index) {
        return [index](Catalogue& c) { c.RemoveEntry(index); };
    };
    const Case cases[] = {
        {"both add", add("X"), add("Y"), {"A", "B", "C", "X", "Y"}, 1},
        {"one removes, the other adds", remove(0), add("Y"), {"B", "C", "Y"}, 0},
        {"one adds, the other removes", add("X"), remove(2), {"A", "B", "X"}, 1},
        {"both remove the same entry", remove(2), remove(2), {"A", "B"}, 1},
        {"the default entry goes, the one before takes the mark",
         add("X"),
         remove(1),
         {"A", "C", "X"},
         0},
        {"several changes in one copy",
         [](Catalogue& c) {
             c.RemoveEntry(0);
             ASSERT_TRUE(c.AppendEntry("X", "conv\\X"));
             ASSERT_TRUE(c.AppendEntry("Z", "conv\\Z"));
             c.RemoveEntry(2); // X again
         },
         add("Y"),
         {"B", "C", "Z", "Y"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(Data("ombrixgo.cfg"),
                  Record("[lang]", "eng.lng", "") + Record("A", "conv\\A", "") +
                      Record("B", "conv\\B", "*") + Record("C", "conv\\C", ""));
        Catalogue one{tree.folders};
        Catalogue two{tree.folders};
        one.ReadCatalogue(CatalogueAtStartup);
        two.ReadCatalogue(CatalogueAtStartup);
        c.first(one);
        ASSERT_TRUE(one.WriteCatalogue(one.LanguageFile, one.Names, false));
        c.second(two);
        ASSERT_TRUE(two.WriteCatalogue(two.LanguageFile, two.Names, false));

        Catalogue after{tree.folders};
        after.ReadCatalogue(CatalogueAtStartup);
        EXPECT_EQ(after.Names, c.names);
        EXPECT_EQ(after.DefaultIndex, c.defaultIndex);
        for (std::size_t i = 0; i < after.Names.size(); ++i)
            EXPECT_EQ(after.CatalogueFiles[i], "conv\\" + after.Names[i]);
    }
}

TEST_F(CatalogueTest, AnExplicitWholeListSaveOrALanguageChangeStillWinsOverTheFile) {
    WriteFile(Data("ombrixgo.cfg"), Entries({"A", "B"}));
    Catalogue one{tree.folders};
    one.ReadCatalogue(CatalogueAtStartup);
    catalogue.ReadCatalogue(CatalogueAtStartup);
    ASSERT_TRUE(catalogue.AppendEntry("X", "conv\\X"));
    ASSERT_TRUE(catalogue.WriteCatalogue(catalogue.LanguageFile, catalogue.Names, false));

    // The other copy's explicit edit of the whole list, in a new language.
    one.Names = {"B"};
    one.CatalogueFiles[0] = "conv\\B";
    one.LastIndex = 0;
    ASSERT_TRUE(one.WriteCatalogue("de.lng", one.Names, false));
    EXPECT_EQ(ReadFile(Data("ombrixgo.cfg")),
              Record("[lang]", "de.lng", "") + Record("B", "conv\\B", "*"));

    // An addition after a language change elsewhere keeps that language.
    ASSERT_TRUE(catalogue.AppendEntry("Y", "conv\\Y"));
    ASSERT_TRUE(catalogue.WriteCatalogue(catalogue.LanguageFile, catalogue.Names, false));
    EXPECT_EQ(ReadFile(Data("ombrixgo.cfg")), Record("[lang]", "de.lng", "") +
                                                  Record("B", "conv\\B", "*") +
                                                  Record("Y", "conv\\Y", ""));
}

TEST_F(CatalogueTest, FailedSavesSayOncePerRunWhichFileAndWhyAndKeepTheOldFile) {
    struct Case {
        const char* what;
        std::string before;                   // the file as the run finds it
        std::function<void()> elsewhere;      // what another copy writes meanwhile
        std::function<bool(Catalogue&)> save; // the failing change and save
        std::string why;
    };
    const auto addAndSave = [](Catalogue& c) {
        return c.AppendEntry("New", "conv\\New") &&
               c.WriteCatalogue(c.LanguageFile, c.Names, false).has_value();
    };
    const Case cases[] = {
        {"full disk", Entries({"A", "B"}), [] {},
         [&](Catalogue& c) {
             FullDisk full;
             return addAndSave(c);
         },
         "File too large"},
        {"257th entry", Record("[lang]", "eng.lng", "") + ManyEntries(256), [] {}, addAndSave,
         "256 entries"},
        {"257th entry once another copy filled the list",
         Record("[lang]", "eng.lng", "") + ManyEntries(255),
         [&] {
             Catalogue other{tree.folders};
             other.ReadCatalogue(CatalogueAtStartup);
             ASSERT_TRUE(other.AppendEntry("Other", "other"));
             ASSERT_TRUE(other.WriteCatalogue(other.LanguageFile, other.Names, false));
         },
         addAndSave, "256 entries"},
        {"data folder taken by a file", Entries({"A"}),
         [&] {
             std::filesystem::remove_all(tree.root / "data");
             WriteFile(tree.root / "data", "not a folder");
         },
         addAndSave, "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(tree.root / "data");
        WriteFile(Data("ombrixgo.cfg"), c.before);
        RecordingSink sink;
        Catalogue run{tree.folders, &sink};
        run.ReadCatalogue(CatalogueAtStartup);
        c.elsewhere();
        const std::string onDisk = std::filesystem::is_directory(tree.root / "data")
                                       ? ReadFile(Data("ombrixgo.cfg"))
                                       : std::string();
        const std::vector<std::string> names = run.Names;

        EXPECT_FALSE(c.save(run));
        EXPECT_FALSE(c.save(run)); // fails again, but is not said again
        ASSERT_EQ(sink.messages.size(), 1u);
        const std::string& text = sink.messages[0].text;
        EXPECT_NE(text.find(tree.folders.data + "/ombrixgo.cfg"), std::string::npos) << text;
        EXPECT_NE(text.find(c.why), std::string::npos) << text;
        if (!onDisk.empty()) {
            EXPECT_EQ(ReadFile(Data("ombrixgo.cfg")), onDisk);
        }
        // The run goes on with what it had, the addition included when it fitted.
        EXPECT_GE(run.Names.size(), names.size());
        EXPECT_TRUE(std::equal(names.begin(), names.end(), run.Names.begin()));
    }
    std::filesystem::remove(tree.root / "data");
    std::filesystem::create_directories(tree.root / "data");
}

TEST_F(CatalogueTest, AnAdditionThatFailedToSaveIsSavedByTheNextSave) {
    WriteFile(Data("ombrixgo.cfg"), Entries({"A"}));
    RecordingSink sink;
    Catalogue run{tree.folders, &sink};
    run.ReadCatalogue(CatalogueAtStartup);
    ASSERT_TRUE(run.AppendEntry("X", "conv\\X"));
    {
        FullDisk full;
        EXPECT_FALSE(run.WriteCatalogue(run.LanguageFile, run.Names, false));
    }
    ASSERT_TRUE(run.WriteCatalogue(run.LanguageFile, run.Names, false));
    EXPECT_EQ(ReadFile(Data("ombrixgo.cfg")), Entries({"A", "X"}));
    EXPECT_EQ(sink.messages.size(), 1u); // the failure was said
}

} // namespace
} // namespace ombrix
