// The data files installed beside the executables: the language file, the
// conversions of the built-in catalogue and the help pages.

#include "SettingsTestSupport.h"
#include "engine/ConversionPath.h"
#include "engine/Engine.h"
#include "settings/Catalogue.h"
#include "settings/LanguageFile.h"
#include "settings/QuotedFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ombrix {
namespace {

using testing::ReadFile;
using testing::RecordingSink;
using testing::TempTree;

const std::filesystem::path Bin = OMBRIX_BIN_DIR;
const std::filesystem::path Source = std::filesystem::path(OMBRIX_FIXTURES) / ".." / ".." / "data";

platform::ProgramFolders Installed() {
    return {Bin.string(), (Bin / "no-data-folder").string()};
}

// Carriage return and line feed after every line, and only Windows-1252 characters.
void ExpectTextFile(const std::filesystem::path& file) {
    const std::string bytes = ReadFile(file);
    ASSERT_FALSE(bytes.empty()) << file;
    EXPECT_TRUE(bytes.ends_with("\r\n")) << file;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << file << " at " << i;
        }
        if (c == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << file << " at " << i;
        }
        EXPECT_FALSE(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D || c == 0)
            << file << " holds byte " << int(c) << " at " << i;
    }
}

TEST(ShippedData, EveryDataFileIsCopiedBesideTheExecutables) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Source)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name == "CMakeLists.txt" || name == ".gitattributes")
            continue;
        const auto relative = std::filesystem::relative(entry.path(), Source);
        EXPECT_EQ(ReadFile(Bin / relative), ReadFile(entry.path())) << relative;
    }
}

TEST(ShippedLanguage, LoadsForEveryWindowWithoutAMessage) {
    ExpectTextFile(Bin / "eng.lng");
    for (std::int16_t window = 0; window <= 8; ++window) {
        RecordingSink sink;
        MessageTexts texts;
        LinkTargets targets;
        const LanguageLoad load =
            LoadLanguage("eng.lng", window, {Installed(), sink, texts, targets});
        EXPECT_TRUE(load.ok) << window;
        EXPECT_TRUE(sink.messages.empty()) << window;
        for (int number : {100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 201, 202, 203, 204})
            EXPECT_FALSE(texts.Get(number).empty()) << number;
        EXPECT_NE(texts.Get(109).find("\r\n"), std::string::npos);
        // Each table entry got a text that is not empty, the block included.
        std::set<std::string> got;
        for (const WindowText& text : load.texts) {
            got.insert(text.target);
            EXPECT_FALSE(text.text.empty()) << window << " " << text.target;
        }
        for (const WindowTextEntry& entry : WindowTextTable(window))
            EXPECT_TRUE(got.count(std::string(entry.target))) << window << "/" << entry.index;
        if (window == MainWindow || window == EditorWindow) {
            EXPECT_EQ(targets.HelpTarget, (Bin / "help" / "index.html").string());
            EXPECT_TRUE(std::filesystem::exists(targets.HelpTarget));
            EXPECT_NE(targets.BugReportTarget.find(".example"), std::string::npos);
            EXPECT_NE(targets.WebLinkTarget.find(".example"), std::string::npos);
        }
        if (window == MainWindow) {
            EXPECT_NE(targets.DonateTarget.find(".example"), std::string::npos);
        }
    }
}

TEST(ShippedLanguage, HasARecordForEveryIndexOfEveryWindowTable) {
    const std::string bytes = ReadFile(Bin / "eng.lng");
    QuotedFieldReader reader(bytes);
    std::map<std::string, std::set<int>> records;
    std::vector<std::string> fields;
    std::string last;
    while (reader.NextRecord(fields, 4) == QuotedFieldReader::RecordStatus::Record) {
        records[fields[0]].insert(std::stoi(fields[1]));
        last = fields[0];
    }
    EXPECT_EQ(last, "end");
    for (std::int16_t window = 1; window <= 8; ++window) {
        for (const WindowTextEntry& entry : WindowTextTable(window))
            EXPECT_TRUE(records[std::to_string(window)].count(entry.index))
                << window << "/" << entry.index;
    }
    for (int number = 100; number <= 110; ++number)
        EXPECT_TRUE(records["0"].count(number)) << number;
    for (int number = 201; number <= 204; ++number)
        EXPECT_TRUE(records["0"].count(number)) << number;
}

TEST(ShippedCatalogue, ListsTwentyTwoEntriesWithTheGuilderAsDefault) {
    TempTree tree;
    platform::ProgramFolders folders{Bin.string(), tree.folders.data};
    Catalogue catalogue(folders);
    ASSERT_TRUE(catalogue.WriteDefaultCatalogueFile(""));
    ExpectTextFile(tree.root / "data" / "ombrixgo.cfg");
    EXPECT_EQ(catalogue.ReadCatalogue(CatalogueAtStartup), 11);
    EXPECT_EQ(catalogue.SelectedIndex, 11);
    EXPECT_EQ(catalogue.LastIndex, 21);
    EXPECT_EQ(catalogue.DefaultIndex, 11);
    EXPECT_EQ(catalogue.LanguageFile, "eng.lng");
    const std::vector<std::string> names = {"ATS", "BEF", "DEM", "ESP", "FIM",      "FRF", "GRD",
                                            "IEP", "ITL", "LUF", "PTE", "Euro-NLG", "BGN", "CYP",
                                            "EEK", "HRK", "LTL", "LVL", "MTL",      "SIT", "SKK"};
    ASSERT_EQ(catalogue.Names.size(), 22u);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(catalogue.Names[i], names[i]);
        const std::string code = i == 11 ? "NLG" : names[i];
        EXPECT_EQ(catalogue.CatalogueFiles[i], "euro\\" + code);
    }
    EXPECT_TRUE(catalogue.CatalogueFiles[21].starts_with("Text\\"));
    for (std::size_t i = 0; i < 22; ++i) {
        std::string path = catalogue.CatalogueFiles[i];
        const std::optional<std::string> title = ReadConversionTitle(path, folders);
        ASSERT_TRUE(title) << path;
        EXPECT_EQ(*title, catalogue.Names[i]);
        ExpectTextFile(platform::ToFileSystemPath(ResolveConversionPath(path, folders)));
    }
}

struct Currency {
    std::string code;
    std::string rate;
    std::string oneEuro; // one euro in the national currency, as shown
};

class ShippedEuro : public ::testing::TestWithParam<Currency> {
protected:
    RecordingSink sink;
    MessageTexts texts;
    Engine engine{{[] { return std::string("."); }, sink, texts, nullptr, Installed()}};
};

TEST_P(ShippedEuro, ConvertsByTheFixedRate) {
    const Currency& c = GetParam();
    std::string path = "euro\\" + c.code;
    ASSERT_TRUE(engine.LoadConversion(path, 3)) << "every line is recognised";
    ASSERT_TRUE(engine.LoadConversion(path, 1));
    const ConversionDefinition& def = engine.Definition;
    EXPECT_FALSE(def.Name.empty());
    EXPECT_FALSE(def.Input1.empty());
    EXPECT_EQ(def.Input2, "Euros");
    EXPECT_EQ(def.Symbol2, "\x80");
    EXPECT_EQ(def.ResultFormat, "0.00");
    EXPECT_FALSE(def.ErrorText.empty());
    ASSERT_EQ(def.MathSteps().size(), 1u);

    // The operator stands in column 10 of the line and the operand starts in column 12.
    const std::string line = "MATH " + def.MathSteps()[0];
    EXPECT_EQ(line.substr(9, 1), "/");
    EXPECT_EQ(line.substr(11), c.rate);

    std::string one = "1";
    EXPECT_EQ(engine.EvaluateConversion(one, Reverse), c.oneEuro);
    std::string rate = c.rate;
    EXPECT_EQ(engine.EvaluateConversion(rate, Forward), "1.00");
    std::string bad = "abc";
    EXPECT_EQ(engine.EvaluateConversion(bad, Forward), "");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, def.ErrorText);
}

INSTANTIATE_TEST_SUITE_P(
    Currencies, ShippedEuro,
    ::testing::Values(Currency{"ATS", "13.7603", "13.76"}, Currency{"BEF", "40.3399", "40.34"},
                      Currency{"DEM", "1.95583", "1.96"}, Currency{"ESP", "166.386", "166.39"},
                      Currency{"FIM", "5.94573", "5.95"}, Currency{"FRF", "6.55957", "6.56"},
                      Currency{"GRD", "340.750", "340.75"}, Currency{"IEP", "0.787564", "0.79"},
                      Currency{"ITL", "1936.27", "1936.27"}, Currency{"LUF", "40.3399", "40.34"},
                      Currency{"PTE", "200.482", "200.48"}, Currency{"NLG", "2.20371", "2.20"},
                      Currency{"BGN", "1.95583", "1.96"}, Currency{"CYP", "0.585274", "0.59"},
                      Currency{"EEK", "15.6466", "15.65"}, Currency{"HRK", "7.53450", "7.53"},
                      Currency{"LTL", "3.45280", "3.45"}, Currency{"LVL", "0.702804", "0.70"},
                      Currency{"MTL", "0.429300", "0.43"}, Currency{"SIT", "239.640", "239.64"},
                      Currency{"SKK", "30.1260", "30.13"}),
    [](const auto& testCase) { return testCase.param.code; });

TEST(ShippedText, ReplacesOldAreaCodesBothWays) {
    RecordingSink sink;
    MessageTexts texts;
    Engine engine{{[] { return std::string("."); }, sink, texts, nullptr, Installed()}};
    std::string path = "Text\\Dialcodes";
    ASSERT_TRUE(engine.LoadConversion(path, 3));
    ASSERT_TRUE(engine.LoadConversion(path, 1));
    EXPECT_TRUE(engine.Definition.HasChangeTable());
    EXPECT_FALSE(engine.Definition.GetIntroText().empty());
    struct Case {
        std::string input;
        Direction direction;
        std::string output;
    };
    const std::vector<Case> cases = {
        {"020 123456", Forward, "0420 123456"}, {"+990 20 123456", Forward, "+990 420 123456"},
        {"0420 123456", Reverse, "020 123456"}, {"+990 420 123456", Reverse, "+990 20 123456"},
        {"079 55", Forward, "0879 55"},
    };
    for (const Case& c : cases) {
        std::string input = c.input;
        EXPECT_EQ(engine.EvaluateConversion(input, c.direction), c.output) << c.input;
    }
    EXPECT_TRUE(sink.messages.empty());
    std::string unknown = "099 1";
    EXPECT_EQ(engine.EvaluateConversion(unknown, Forward), "");
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST(ShippedHelp, PagesLinkOnlyToPagesThatExist) {
    const std::filesystem::path help = Bin / "help";
    for (const char* page : {"index.html", "converting.html", "options.html", "definitions.html"})
        EXPECT_TRUE(std::filesystem::exists(help / page)) << page;
    // The translated pages in the language folders too.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(help)) {
        if (entry.path().extension() != ".html")
            continue;
        const std::string html = ReadFile(entry.path());
        ASSERT_FALSE(html.empty()) << entry.path();
        for (std::size_t at = html.find("href=\""); at != std::string::npos;
             at = html.find("href=\"", at + 1)) {
            const std::size_t start = at + 6;
            const std::string target = html.substr(start, html.find('"', start) - start);
            EXPECT_TRUE(std::filesystem::exists(entry.path().parent_path() / target))
                << entry.path() << " -> " << target;
        }
    }
}

// A record as a translation must repeat it: its window and index, and for the
// about box's block the keyword that the block reader looks for.
struct RecordKey {
    std::string window;
    int index;
    std::string keyword;
    auto operator<=>(const RecordKey&) const = default;
};

struct RecordTexts {
    std::string text;
    std::string extra;
};

// The records of a language file in file order, up to its "end" record.
std::vector<std::pair<RecordKey, RecordTexts>> Records(const std::filesystem::path& file) {
    const std::string bytes = ReadFile(file);
    QuotedFieldReader reader(bytes);
    std::vector<std::pair<RecordKey, RecordTexts>> records;
    std::vector<std::string> fields;
    bool inBlock = false;
    while (reader.NextRecord(fields, 4) == QuotedFieldReader::RecordStatus::Record) {
        if (fields[0] == "end")
            break;
        if (fields[0].size() != 1 || fields[0][0] < '0' || fields[0][0] > '8')
            continue; // a comment record
        const bool blockRecord = fields[0] == "3" && (fields[1] == "103" || inBlock);
        inBlock = blockRecord && fields[2] != "end";
        records.push_back({{fields[0], std::stoi(fields[1]), blockRecord ? fields[2] : ""},
                           {fields[2], fields[3]}});
    }
    return records;
}

// Every language file shipped beside eng.lng, so a new one is checked as well.
std::vector<std::string> Translations() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Source)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".lng" && name != "eng.lng")
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ShippedTranslation : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedTranslation, HasEveryRecordOfTheEnglishFileAndNoOther) {
    const auto english = Records(Bin / "eng.lng");
    const auto translated = Records(Bin / GetParam());
    std::multiset<RecordKey> englishKeys;
    std::multiset<RecordKey> translatedKeys;
    for (const auto& record : english)
        englishKeys.insert(record.first);
    for (const auto& record : translated)
        translatedKeys.insert(record.first);
    for (const RecordKey& key : englishKeys) {
        EXPECT_EQ(translatedKeys.count(key), englishKeys.count(key))
            << "record " << key.window << "/" << key.index << " " << key.keyword;
    }
    for (const RecordKey& key : translatedKeys) {
        EXPECT_TRUE(englishKeys.count(key))
            << "not in eng.lng: " << key.window << "/" << key.index << " " << key.keyword;
    }
    // A text or target that English has is not left out; an empty one stays empty.
    std::map<RecordKey, RecordTexts> byKey;
    for (const auto& record : translated)
        byKey.emplace(record.first, record.second);
    for (const auto& [key, texts] : english) {
        const auto found = byKey.find(key);
        if (found == byKey.end())
            continue;
        const std::string where = key.window + "/" + std::to_string(key.index);
        EXPECT_EQ(found->second.text.empty(), texts.text.empty()) << where;
        EXPECT_EQ(found->second.extra.empty(), texts.extra.empty()) << where;
    }
}

TEST_P(ShippedTranslation, IsWindows1252TextThatLoadsForEveryWindowWithoutAMessage) {
    const std::string name = GetParam();
    ExpectTextFile(Bin / name);
    // Text saved as UTF-8 by mistake shows as "Ã" and a second byte in Windows-1252.
    const std::string bytes = ReadFile(Bin / name);
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const auto next = static_cast<unsigned char>(bytes[i + 1]);
        EXPECT_FALSE((c == 0xC2 || c == 0xC3) && next >= 0x80 && next <= 0xBF)
            << name << " holds UTF-8 at " << i;
    }
    for (std::int16_t window = 0; window <= 8; ++window) {
        RecordingSink sink;
        MessageTexts texts;
        LinkTargets targets;
        const LanguageLoad load = LoadLanguage(name, window, {Installed(), sink, texts, targets});
        EXPECT_TRUE(load.ok) << window;
        EXPECT_TRUE(sink.messages.empty()) << window;
        for (int number : {100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 201, 202, 203, 204})
            EXPECT_FALSE(texts.Get(number).empty()) << number;
        std::set<std::string> got;
        for (const WindowText& text : load.texts) {
            got.insert(text.target);
            EXPECT_FALSE(text.text.empty()) << window << " " << text.target;
        }
        for (const WindowTextEntry& entry : WindowTextTable(window))
            EXPECT_TRUE(got.count(std::string(entry.target))) << window << "/" << entry.index;
        if (window == MainWindow || window == EditorWindow) {
            // The help pages of the file's own language.
            EXPECT_TRUE(std::filesystem::exists(targets.HelpTarget)) << targets.HelpTarget;
            EXPECT_NE(targets.HelpTarget, (Bin / "help" / "index.html").string());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, ::testing::ValuesIn(Translations()),
                         [](const auto& testCase) {
                             return testCase.param.substr(0, testCase.param.find('.'));
                         });

} // namespace
} // namespace ombrix
