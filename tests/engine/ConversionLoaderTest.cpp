#include "engine/ConversionLoader.h"
#include "engine/DefinitionLines.h"

#include "DefinitionTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ombrix {
namespace {

using testing::FakeRegistry;
using testing::RecordingSink;
using testing::TempFolders;

template <std::size_t N> std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

std::string MathLines(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "MATH     + " + std::to_string(i) + "\r\n";
    return lines;
}

bool operator==(const TextPair& a, const TextPair& b) {
    return a.from == b.from && a.to == b.to;
}

class ConversionLoaderTest : public ::testing::Test {
protected:
    ConversionLoaderTest() {
        texts.Set(100, "Quavomat");
        texts.Set(101, " cannot be loaded.");
        texts.Set(107, " is not understood.");
    }

    LoaderContext Context() { return LoaderContext{sink, texts, &registry, temp.folders}; }

    // Writes the file "t.nod" to the program folder and loads it by its
    // catalogue name.
    bool Run(const std::string& content, std::int16_t mode = LoadMode) {
        TempFolders::Write(temp.folders.program, "t.nod", content);
        std::string path = "t";
        return LoadConversion(def, path, mode, Context());
    }

    std::string ResolvedName() const { return temp.folders.program + "/t.nod"; }

    // Exactly one critical OK box with the loader's title and this text.
    void ExpectOneMessage(const std::string& text) {
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(sink.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(sink.messages[0].title, "Quavomat");
        EXPECT_EQ(sink.messages[0].text, text);
    }
    void ExpectLoadFailureMessage() { ExpectOneMessage(ResolvedName() + " cannot be loaded."); }

    TempFolders temp;
    RecordingSink sink;
    FakeRegistry registry;
    MessageTexts texts;
    ConversionDefinition def;
};

struct LoadCase {
    const char* what;
    std::string content;
    bool ok;
    std::function<void(const ConversionDefinition&)> check;
};

TEST_F(ConversionLoaderTest, LinesTakeTheirEffect) {
    const std::vector<LoadCase> cases = {
        {"empty file", "", true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.Name, "");
             EXPECT_TRUE(d.MathSteps().empty());
             EXPECT_TRUE(d.ChangeTable().empty());
             EXPECT_TRUE(d.TranslationTable().empty());
             EXPECT_FALSE(d.HasChangeTable());
         }},
        {"only the first separator is skipped", "name   Euro\r\n", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.GetConversionName(), "  Euro"); }},
        {"keyword alone gives an empty value", "NAME A\r\nNAME", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.Name, ""); }},
        {"trailing spaces are kept", "NAME  x  \r\n", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.Name, " x  "); }},
        {"anything after the keyword counts", "NAMEXabc\rINPUT1=Euro", true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.Name, "abc");
             EXPECT_EQ(d.GetInput1Label(), "Euro");
         }},
        {"comment and indented lines are ignored", "'MATH     * 2\r MATH     * 2\r", true,
         [](const ConversionDefinition& d) { EXPECT_TRUE(d.MathSteps().empty()); }},
        {"lines after END are read", "END\r\nNAME X\r\n", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.Name, "X"); }},
        {"translation pair", "TRANS [Ja],[Yes, sure]\r\nTRANS 'a','b'\r\n", true,
         [](const ConversionDefinition& d) {
             ASSERT_EQ(d.TranslationTable().size(), 2u);
             EXPECT_TRUE((d.TranslationTable()[0] == TextPair{"Ja", "Yes, sure"}));
             EXPECT_TRUE((d.TranslationTable()[1] == TextPair{"a", "b"}));
         }},
        {"empty translation texts", "TRANS [],<>", true,
         [](const ConversionDefinition& d) {
             ASSERT_EQ(d.TranslationTable().size(), 1u);
             EXPECT_TRUE((d.TranslationTable()[0] == TextPair{"", ""}));
         }},
        {"change pairs keep further commas", "CHG 020,010\r\nchg ,1,2\r\n", true,
         [](const ConversionDefinition& d) {
             ASSERT_EQ(d.ChangeTable().size(), 2u);
             EXPECT_TRUE((d.ChangeTable()[0] == TextPair{"020", "010"}));
             EXPECT_TRUE((d.ChangeTable()[1] == TextPair{"", "1,2"}));
             EXPECT_TRUE(d.HasChangeTable());
         }},
        {"prefix pair", "LDNR +9,0\r\nLDNR +31,0,\r\n", true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.PrefixFrom, "+31");
             EXPECT_EQ(d.PrefixTo, "0,");
         }},
        {"code before the symbol line: the symbol line wins", "SYMBA1 128\r\nSYMB1 EUR\r\n", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.GetSymbol1(), "EUR"); }},
        {"code after the symbol line is ignored", "SYMB1 EUR\r\nSYMBA1 128\r\n", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.GetSymbol1(), "EUR"); }},
        {"second code line is ignored, even a bad one", "SYMBA2 128\r\nSYMBA2 65\r\nSYMBA2 x\r\n",
         true, [](const ConversionDefinition& d) { EXPECT_EQ(d.GetSymbol2(), "\x80"); }},
        {"codes give characters", "SYMBA1 36\rSYMBA2 0\rSYMBA3 127.5\rSYMBA4 66.5\r", true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.GetSymbol1(), "$");
             EXPECT_EQ(d.GetSymbol2(), std::string(1, '\0'));
             EXPECT_EQ(d.GetSymbol3(), "\x80"); // halves round to even
             EXPECT_EQ(d.GetSymbol4(), "B");
         }},
        {"symbols 2 to 4", "SYMB2 a\rSYMB3 b\rSYMB4 c\r", true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.GetSymbol2(), "a");
             EXPECT_EQ(d.GetSymbol3(), "b");
             EXPECT_EQ(d.GetSymbol4(), "c");
         }},
        {"intro lines joined by one carriage return",
         "INDOPRINT Hello\r\nINDOEND World\r\nINDOPRINT \r\n", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.GetIntroText(), "Hello\rWorld\r"); }},
        {"empty first intro line adds no separator", "INDOPRINT\rINDOEND x\r", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.IntroText, "x"); }},
        {"formats, labels, error text", "FORMAT #,##0.00\rTFORMAT 0.0\rINPUT2 DM\rERRRES Bad!\r",
         true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.ResultFormat, "#,##0.00");
             EXPECT_EQ(d.StepFormat, "0.0");
             EXPECT_EQ(d.GetInput2Label(), "DM");
             EXPECT_EQ(d.ErrorText, "Bad!");
         }},
        {"MATH value stored whole", "MATH     * 2\rMATH 1234/ 1,5\r", true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.MathSteps(), (std::vector<std::string>{"    * 2", "1234/ 1,5"}));
         }},
        {"lines without effect", "URLN x\rDATE 2001\rRESULT\rRESFOU\rPHCODE 12abc\rPHCODE\r", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.Name, ""); }},
        {"unknown lines are ignored", "Hello\r\n\r\n NAME y\r\nNAM z\r\nNAME x", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.Name, "x"); }},
        {"keywords ignore letter case, values keep it", "nAmE MiXeD\r", true,
         [](const ConversionDefinition& d) { EXPECT_EQ(d.Name, "MiXeD"); }},
        {"NUL bytes and binary are plain characters",
         Bytes("NAME a\0b\r\x01\x02\xFF\x00\r\rCHG \0,\x80"), true,
         [](const ConversionDefinition& d) {
             EXPECT_EQ(d.Name, std::string("a\0b", 3));
             ASSERT_EQ(d.ChangeTable().size(), 1u);
             EXPECT_EQ(d.ChangeTable()[0].from, std::string(1, '\0'));
             EXPECT_EQ(d.ChangeTable()[0].to, "\x80");
         }},
        {"21 steps fit", MathLines(21), true,
         [](const ConversionDefinition& d) {
             ASSERT_EQ(d.MathSteps().size(), 21u);
             EXPECT_EQ(d.MathSteps()[0], "    + 0");
             EXPECT_EQ(d.MathSteps()[20], "    + 20");
         }},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        def.Clear();
        sink.messages.clear();
        EXPECT_EQ(Run(c.content), c.ok);
        EXPECT_TRUE(sink.messages.empty());
        if (c.check)
            c.check(def);
    }
}

// Files saved on Linux end their lines in a lone line feed; a file edited on
// both systems mixes the two.
TEST_F(ConversionLoaderTest, LinesEndAtLineFeedsAsWellAsCarriageReturns) {
    const std::vector<std::string> files = {
        "NAME Mark\nINPUT1 DM\nURLN x\n\nINPUT2 Euro\n",
        "NAME Mark\r\nINPUT1 DM\r\nURLN x\r\n\r\nINPUT2 Euro\r\n",
        "NAME Mark\nINPUT1 DM\r\nURLN x\r\n\nINPUT2 Euro",
        "NAME Mark\rINPUT1 DM\n\rURLN x\n\r\nINPUT2 Euro\r",
    };
    for (const std::string& content : files) {
        SCOPED_TRACE(content);
        sink.messages.clear();
        ASSERT_TRUE(Run(content));
        EXPECT_EQ(def.Name, "Mark");
        EXPECT_EQ(def.Input1, "DM");
        EXPECT_EQ(def.Input2, "Euro");
        EXPECT_TRUE(Run(content, ValidateMode));
        EXPECT_TRUE(sink.messages.empty());
    }
}

TEST_F(ConversionLoaderTest, ReaderSplitsLinesAcrossItsReadChunks) {
    // A line end whose line feed starts the next chunk of the reader must
    // not become an empty line of its own.
    for (std::size_t pad : {65534, 65535, 65536}) {
        SCOPED_TRACE(pad);
        const std::string first = "'" + std::string(pad - 1, 'c');
        const std::string path =
            TempFolders::Write(temp.folders.program, "t.nod", first + "\r\nNAME a\n\r\nNAME b");
        DefinitionLines reader;
        ASSERT_TRUE(reader.Open(path));
        std::vector<std::string> lines;
        std::string line;
        while (reader.Next(line) == DefinitionLines::Status::Line)
            lines.push_back(line);
        EXPECT_EQ(lines, (std::vector<std::string>{first, "NAME a", "", "NAME b"}));
    }
}

TEST_F(ConversionLoaderTest, MalformedValuesFailWithThePathMessage) {
    const std::vector<std::string> bad = {
        "CHG 020",
        "TRANS [a]",
        "TRANS [a],b",
        "TRANS a,[b]",
        "LDNR +9",
        "SYMBA1 abc",
        "SYMBA1 256",
        "SYMBA1 -1",
        "SYMBA1 255.5",
        "SYMBA3",
        "SYMBA4 99999999999999999999999999999999",
        "SYMBA2 1e2",
        "PHCODE 32768",
        "PHCODE -32769",
        "PHCODE 32767.5",
        "PHCODE 1E5",
        "PHCODE 3 2 7 6 8",
    };
    for (const std::string& line : bad) {
        SCOPED_TRACE(line);
        sink.messages.clear();
        EXPECT_FALSE(Run("NAME before\r\n" + line + "\r\nNAME after\r\n"));
        ExpectLoadFailureMessage();
        EXPECT_EQ(def.Name, "before"); // what came before the failure stays

        // A validation fails where the load does, with the same message,
        // and leaves the loaded conversion alone.
        sink.messages.clear();
        EXPECT_FALSE(Run("NAME other\r\n" + line + "\r\n", ValidateMode));
        ExpectLoadFailureMessage();
        EXPECT_EQ(def.Name, "before");
    }
}

TEST_F(ConversionLoaderTest, NumbersThatFit) {
    const std::vector<std::string> good = {
        "PHCODE -32768",   "PHCODE 32767", "PHCODE 32766.5",   "PHCODE -32768.5", "PHCODE abc",
        "PHCODE  +12 34x", "PHCODE .5e1",  "PHCODE 1E-400000", "PHCODE 3.2767D4", "SYMBA1 255",
        "SYMBA1 -0.5",     "SYMBA1  +65 ", "SYMBA1 254.5",
    };
    for (const std::string& line : good) {
        SCOPED_TRACE(line);
        sink.messages.clear();
        EXPECT_TRUE(Run(line));
        EXPECT_TRUE(sink.messages.empty());
    }
}

TEST_F(ConversionLoaderTest, ListLimits) {
    EXPECT_FALSE(Run(MathLines(22)));
    ExpectLoadFailureMessage();
    ASSERT_EQ(def.MathSteps().size(), 21u);
    EXPECT_EQ(def.MathSteps()[20], "    + 20");
    sink.messages.clear();
    EXPECT_TRUE(Run(MathLines(21), ValidateMode));
    EXPECT_FALSE(Run(MathLines(22), ValidateMode));
    ExpectLoadFailureMessage();

    for (const char* keyword : {"CHG ", "TRANS "}) {
        SCOPED_TRACE(keyword);
        const bool trans = std::string(keyword) == "TRANS ";
        std::string table;
        for (int i = 0; i < 25566; ++i) {
            const std::string key = std::to_string(i);
            table += keyword + (trans ? "[" + key + "],[" + key + "]" : key + "," + key) + "\r\n";
        }
        sink.messages.clear();
        EXPECT_TRUE(Run(table));
        EXPECT_TRUE(sink.messages.empty());
        const auto& list = trans ? def.TranslationTable() : def.ChangeTable();
        ASSERT_EQ(list.size(), 25566u);
        EXPECT_EQ(list[25565].from, "25565");
        EXPECT_EQ(trans ? def.FindTranslation("25565", true) : def.FindChange("25565x", true),
                  trans ? 25565 : 2);

        EXPECT_FALSE(Run(table + keyword + (trans ? "[a],[b]" : "a,b") + "\r\n"));
        ExpectLoadFailureMessage();
        EXPECT_EQ(list.size(), 25566u);
        sink.messages.clear();
        EXPECT_FALSE(Run(table + keyword + (trans ? "[a],[b]" : "a,b") + "\r\n", ValidateMode));
        ExpectLoadFailureMessage();
    }
}

TEST_F(ConversionLoaderTest, LoadClearsTheLastConversionFirst) {
    ASSERT_TRUE(Run("NAME a\rCHG 1,2\rTRANS [a],[b]\rMATH     * 2\rFORMAT 0\rTFORMAT 0\r"
                    "LDNR 1,2\rERRRES e\rINPUT1 i\rINPUT2 j\rSYMB1 s\rINDOEND x\r"));
    const std::int16_t otherModes[] = {LoadMode, 0, 2, -1};
    for (std::int16_t mode : otherModes) {
        SCOPED_TRACE(mode);
        ASSERT_TRUE(Run("CHG 5,6\r", mode));
        ASSERT_EQ(def.ChangeTable().size(), 1u);
        EXPECT_EQ(def.FindChange("1", true), -1);
        EXPECT_EQ(def.FindChange("5", true), 0);
        EXPECT_TRUE(def.TranslationTable().empty());
        EXPECT_TRUE(def.MathSteps().empty());
        EXPECT_EQ(def.Name + def.ResultFormat + def.StepFormat + def.PrefixFrom + def.PrefixTo +
                      def.ErrorText + def.Input1 + def.Input2 + def.Symbol1 + def.IntroText,
                  "");
    }
}

TEST_F(ConversionLoaderTest, FailedLoadLeavesAUsableDefinition) {
    ASSERT_FALSE(Run("CHG 1,one\rTRANS [a],[A]\rINPUT1 in\rCHG 2\rCHG 3,three\rNAME late\r"));
    ExpectLoadFailureMessage();
    ASSERT_EQ(def.ChangeTable().size(), 1u);
    EXPECT_EQ(def.FindChange("12", true), 0);
    EXPECT_EQ(def.FindChange("3", true), -1);
    EXPECT_EQ(def.FindTranslation("A", true), 0);
    EXPECT_EQ(def.Input1, "in");
    EXPECT_EQ(def.Name, "");
}

TEST_F(ConversionLoaderTest, NameIsWrittenToTheSettings) {
    ASSERT_TRUE(Run("NAME First\rNAME Euro\r"));
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "Name"), "Euro");
    EXPECT_EQ(registry.writes, 2);

    // Neither validation nor a missing registry writes anything.
    ASSERT_TRUE(Run("NAME Other\r", ValidateMode));
    EXPECT_EQ(registry.writes, 2);
    TempFolders::Write(temp.folders.program, "t.nod", "NAME Alone\r");
    std::string path = "t";
    EXPECT_TRUE(
        LoadConversion(def, path, LoadMode, LoaderContext{sink, texts, nullptr, temp.folders}));
    EXPECT_EQ(def.Name, "Alone");
    EXPECT_EQ(registry.writes, 2);
}

TEST_F(ConversionLoaderTest, ValidationReportsTheFirstUnknownLine) {
    struct Case {
        std::string content;
        bool ok;
        std::string line;
    };
    const Case cases[] = {
        {"NAME x\r\n\r\n'comment\r\nEND\r\n", true, ""},
        {"SYMBA1 128\r\nSYMB1 EUR\r\n", true, ""},
        {"SYMB1 EUR\r\nSYMBA1 128\r\nSYMBA1 129\r\n", true, ""},
        {"NAME x\r\n MATH     * 2\r\nbad two\r\n", false, " MATH     * 2"},
        {"NAME x\nMATH\r\n", true, ""},
        {"\nMATH\n MATH\n", false, " MATH"},
        // A code line that a load ignores is not read.
        {"SYMB1 EUR\r\nSYMBA1 abc\r\n", true, ""},
        // The first failure counts, whichever kind it is.
        {"CHG 020\r\nbad\r\n", false, ""},
        {"bad\r\nCHG 020\r\n", false, "bad"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        sink.messages.clear();
        EXPECT_EQ(Run(c.content, ValidateMode), c.ok);
        if (c.ok) {
            EXPECT_TRUE(sink.messages.empty());
        } else if (c.line.empty()) {
            ExpectLoadFailureMessage();
        } else {
            ExpectOneMessage(c.line + " is not understood.");
        }
    }
}

TEST_F(ConversionLoaderTest, ValidationTouchesOnlyIntroAndSymbols) {
    ASSERT_TRUE(Run("NAME n\rCHG 1,2\rTRANS [a],[b]\rMATH     * 2\rFORMAT 0.00\rTFORMAT 0\r"
                    "LDNR 1,2\rERRRES e\rINPUT1 i\rINPUT2 j\rSYMB1 s1\rSYMB2 s2\rSYMB3 s3\r"
                    "SYMB4 s4\rINDOEND x\r"));
    TempFolders::Write(temp.folders.program, "other.nod",
                       "NAME z\rCHG 7,8\rMATH     / 3\rFORMAT #\rSYMB1 q\rINDOEND y\r");
    std::string other = "other";
    ASSERT_TRUE(LoadConversion(def, other, ValidateMode, Context()));
    EXPECT_EQ(def.Name, "n");
    ASSERT_EQ(def.ChangeTable().size(), 1u);
    EXPECT_EQ(def.FindChange("7", true), -1);
    EXPECT_EQ(def.FindChange("1", true), 0);
    EXPECT_EQ(def.TranslationTable().size(), 1u);
    EXPECT_EQ(def.MathSteps(), std::vector<std::string>{"    * 2"});
    EXPECT_EQ(def.ResultFormat, "0.00");
    EXPECT_EQ(def.StepFormat, "0");
    EXPECT_EQ(def.PrefixFrom + def.PrefixTo + def.ErrorText + def.Input1 + def.Input2, "12eij");
    EXPECT_EQ(def.Symbol1 + def.Symbol2 + def.Symbol3 + def.Symbol4 + def.IntroText, "");
}

TEST_F(ConversionLoaderTest, UnreadableFilesFailWithThePathMessage) {
    std::string missing = "euro\\NONE";
    EXPECT_FALSE(LoadConversion(def, missing, LoadMode, Context()));
    EXPECT_EQ(missing, "euro\\NONE.nod"); // the caller's variable gets the extension
    ExpectOneMessage(temp.folders.program + "/euro\\NONE.nod cannot be loaded.");

    sink.messages.clear();
    std::filesystem::create_directories(temp.folders.program + "/folder.nod");
    std::string folder = "folder.nod";
    EXPECT_FALSE(LoadConversion(def, folder, ValidateMode, Context()));
    ExpectOneMessage(temp.folders.program + "/folder.nod cannot be loaded.");
}

TEST_F(ConversionLoaderTest, HostileFilesAreRefusedWithoutHarm) {
    // A line longer than any definition line.
    std::string giant = "NAME " + std::string(DefinitionLines::MaxLineBytes, 'x') + "\r\n";
    for (std::int16_t mode : {LoadMode, ValidateMode}) {
        sink.messages.clear();
        EXPECT_FALSE(Run("INPUT1 a\r\n" + giant + "INPUT2 b\r\n", mode));
        ExpectLoadFailureMessage();
    }
    EXPECT_EQ(def.Input1, "a");
    EXPECT_EQ(def.Name, "");

    // The longest line accepted, split across read chunks and ended by CRLF.
    sink.messages.clear();
    const std::string longest(DefinitionLines::MaxLineBytes - 5, 'y');
    EXPECT_TRUE(Run("NAME " + longest + "\r\nINPUT2 b"));
    EXPECT_EQ(def.Name, longest);
    EXPECT_EQ(def.Input2, "b");

    // A file larger than any definition file (sparse, so it costs nothing).
    sink.messages.clear();
    const std::string huge = TempFolders::Write(temp.folders.program, "t.nod", "NAME x\r\n");
    std::filesystem::resize_file(huge, DefinitionLines::MaxFileBytes + 1);
    std::string path = "t";
    EXPECT_FALSE(LoadConversion(def, path, LoadMode, Context()));
    ExpectLoadFailureMessage();
}

} // namespace
} // namespace ombrix
