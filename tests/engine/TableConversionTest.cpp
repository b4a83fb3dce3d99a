#include "engine/TableConversion.h"

#include "DefinitionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace ombrix {
namespace {

TEST(Incontrol, FindsTheNumberInACell) {
    struct Case {
        const char* cell;
        int rowsDone;
        CellStatus status;
        const char* text;
    } cases[] = {
        {"12,50", 0, CellStatus::Convert, "12,50"},
        {"12 EUR", 1, CellStatus::Convert, "12"},
        {"EUR 12", 1, CellStatus::Convert, " 12"},
        {"12 34", 1, CellStatus::Convert, " 34"},
        {"-1.234,5", 0, CellStatus::Convert, "-1.234,5"},
        {"Amount", 0, CellStatus::Header, "Amount"},
        {"n/a", 3, CellStatus::Keep, "n/a"},
        {" 12", 0, CellStatus::Header, " 12"},
        {" 12", 2, CellStatus::Keep, " 12"},
        {".5", 1, CellStatus::Keep, ".5"}, // a point counts only after a digit
        {"", 0, CellStatus::Keep, ""},
    };
    for (const auto& c : cases) {
        CellClassification r = Incontrol(c.cell, c.rowsDone);
        EXPECT_EQ(r.status, c.status) << '"' << c.cell << '"';
        EXPECT_EQ(r.text, c.text) << '"' << c.cell << '"';
    }
}

class TableConversionTest : public ::testing::Test {
protected:
    TableConversionTest()
        : engine(EngineServices{[] { return std::string(","); }, sink, texts, nullptr, {}}) {
        engine.Numbers.SetDecimalPlaces(-1);
        engine.Definition.ErrorText = "no amount";
    }

    void Doubling() { engine.Definition.AppendMathStep("    * 2"); }

    testing::RecordingSink sink;
    MessageTexts texts;
    Engine engine;
};

TEST_F(TableConversionTest, FormulaTablesKeepTextDropHeadersAndEndEveryRow) {
    Doubling();
    struct Case {
        const char* table;
        const char* expected;
    } cases[] = {
        {"12,50", "25\r\n"},
        {"12 EUR\tEUR 12\t12 34\r\n", "24\t24\t68\r\n"},
        {"Amount\tPrice\r\n10\t20\r\n", "20\t40\r\n"},
        {"1\t2\r\n10\tn/a\r\n", "2\t4\r\n20\tn/a\r\n"},
        {" 12\r\n5\r\n", "10\r\n"},
        {"5\r\n 12\r\n", "10\r\n 12\r\n"},
        {"\r\n\r\n", "\r\n\r\n"},
        // Rows ended by a bare line feed keep their last character.
        {"10\n20\n", "20\n40\n"},
        {"10\n20", "20\n40\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertTable(engine, c.table, Forward, false).text, c.expected) << c.table;
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(TableConversionTest, GroupingSeenIsClearedAfterEveryCell) {
    Doubling();
    engine.Definition.ResultFormat = "0.00";
    ConvertTable(engine, "1.000,5\r\n", Forward, false);
    EXPECT_FALSE(engine.Numbers.GroupingSeen);
}

TEST_F(TableConversionTest, SymbolsGoAroundConvertedValuesOnly) {
    Doubling();
    engine.Definition.Symbol1 = "DM";
    engine.Definition.Symbol2 = "EUR";
    engine.Definition.Symbol4 = "net";
    EXPECT_EQ(ConvertTable(engine, "1\r\n10\tn/a\r\n", Forward, true).text,
              "EUR 2 net\r\nEUR 20 net\tn/a\r\n");
    EXPECT_EQ(ConvertTable(engine, "10\r\n", Reverse, true).text, "DM 5\r\n");
    EXPECT_EQ(ConvertTable(engine, "10\r\n", Forward, false).text, "20\r\n");
}

// Symbols are offered only for a conversion whose first unit has one.
struct SymbolRuleCase {
    const char* symbols[4];
    const char* forward;
    const char* reverse;
};

TEST_F(TableConversionTest, SymbolsComeOnlyWhenTheFirstUnitHasOne) {
    Doubling();
    const SymbolRuleCase cases[] = {
        {{"", "EUR", "", "E"}, "10", "3"},          {{"", "", "", ""}, "10", "3"},
        {{"DM", "", "", ""}, "10", "DM 3"},         {{"", "", "M", ""}, "10", "3 M"},
        {{"", "EUR", "M", "E"}, "EUR 10 E", "3 M"}, {{"DM", "EUR", "", ""}, "EUR 10", "DM 3"},
    };
    for (const SymbolRuleCase& c : cases) {
        engine.Definition.Symbol1 = c.symbols[0];
        engine.Definition.Symbol2 = c.symbols[1];
        engine.Definition.Symbol3 = c.symbols[2];
        engine.Definition.Symbol4 = c.symbols[3];
        EXPECT_EQ(ConvertTable(engine, "5\r\n", Forward, true).text,
                  c.forward + std::string("\r\n"))
            << c.symbols[1];
        EXPECT_EQ(ConvertTable(engine, "6\r\n", Reverse, true).text,
                  c.reverse + std::string("\r\n"))
            << c.symbols[1];
    }
}

TEST_F(TableConversionTest, EveryFailingCellShowsTheErrorAndStaysEmpty) {
    engine.Definition.AppendTranslation("Ja", "Yes");
    engine.Definition.AppendTranslation("Nein", "No");
    engine.Definition.BuildIndexes();
    TableConversionResult r =
        ConvertTable(engine, "ja\tvielleicht\r\nNEIN\tdoch\r\n", Forward, false);
    EXPECT_EQ(r.text, "Yes\t\r\nNo\t\r\n");
    EXPECT_EQ(r.failedCells, 2);
    EXPECT_EQ(sink.messages.size(), 2u);
}

TEST_F(TableConversionTest, TableFedInPiecesConvertsAsInOnePiece) {
    Doubling();
    // Header row, text cells, CRLF and bare line feeds, a last row without an ending.
    const std::string tables[] = {"Amount\tPrice\r\n10\t2 EUR\r\nn/a\t\r\n\r\n7\t8",
                                  "1\n22\t333\n4444\r", "5\r\n6"};
    for (const std::string& table : tables) {
        const std::string whole = ConvertTable(engine, table, Forward, false).text;
        for (std::size_t piece = 1; piece <= table.size(); ++piece) {
            TableConverter converter(engine, Forward, false);
            std::string out;
            std::size_t at = 0;
            EXPECT_TRUE(converter.ConvertStream(
                [&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
                    const std::size_t n = table.copy(buffer, std::min(piece, size), at);
                    at += n;
                    return n;
                },
                [&out](std::string_view text) { out += text; }));
            EXPECT_EQ(out, whole) << "pieces of " << piece << " from " << table;
        }
    }
}

TEST_F(TableConversionTest, FailedReadDropsTheUnfinishedRow) {
    Doubling();
    TableConverter converter(engine, Forward, false);
    std::string out;
    bool delivered = false;
    EXPECT_FALSE(converter.ConvertStream(
        [&delivered](char* buffer, std::size_t) -> std::optional<std::size_t> {
            if (delivered)
                return std::nullopt;
            delivered = true;
            return std::string("1\r\n2").copy(buffer, 4);
        },
        [&out](std::string_view text) { out += text; }));
    EXPECT_EQ(out, "2\r\n");
}

TEST_F(TableConversionTest, EmptyTableGivesNothing) {
    Doubling();
    EXPECT_EQ(ConvertTable(engine, "", Forward, false).text, "");
}

TEST(TableConversionNotation, OneTableIsReadInTheNotationItStartedWith) {
    // The user's setting changes from "," to "." while the table is converted.
    int asked = 0;
    testing::RecordingSink sink;
    MessageTexts texts;
    Engine engine(EngineServices{
        [&asked] { return std::string(asked++ == 0 ? "," : "."); }, sink, texts, nullptr, {}});
    engine.Numbers.SetDecimalPlaces(-1);
    engine.Definition.ErrorText = "no amount";
    engine.Definition.AppendMathStep("    * 2");

    EXPECT_EQ(ConvertTable(engine, "1,5\t2,5\r\n3,5\r\n", Forward, false).text, "3\t5\r\n7\r\n");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(sink.messages.empty());
    // Afterwards every use asks again.
    EXPECT_EQ(engine.Numbers.GetLocaleSeparators(), ".");
    EXPECT_EQ(engine.Numbers.GetLocaleSeparators(), ".");
    EXPECT_EQ(asked, 3);
}

} // namespace
} // namespace ombrix
