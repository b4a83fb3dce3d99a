#include "wizard/rules/ClipboardTable.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

class ClipboardTableTest : public ::testing::Test {
protected:
    ClipboardTableTest()
        : engine(EngineServices{[] { return std::string(","); }, gate, texts, nullptr, {}}) {
        engine.Numbers.SetDecimalPlaces(-1);
        engine.Definition.ErrorText = "no amount";
        engine.Definition.AppendMathStep("    * 2");
    }

    testing::RecordingSink sink;
    MessageGate gate{sink};
    MessageTexts texts;
    Engine engine;
};

// Whatever the piece size, the table converts as the core converts it whole:
// pieces end on whole rows, a row longer than a piece is taken whole.
TEST_F(ClipboardTableTest, PiecesOfAnySizeGiveTheWholeTablesResult) {
    const std::string tables[] = {"Amount\tPrice\r\n10\t2 EUR\r\nn/a\t\r\n\r\n7\t8",
                                  "1\n22\t333\n4444\r",
                                  "5\r\n6",
                                  "12,50",
                                  "\r\n",
                                  "9\r\n"};
    for (const std::string& table : tables) {
        const std::string expected = ConvertTable(engine, table, Forward, false).text;
        for (std::size_t piece :
             {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{5}, std::size_t{1000}}) {
            ClipboardTable converting(engine, gate, table, Forward, false);
            int steps = 0;
            while (!converting.Step(piece)) {
                ASSERT_LT(++steps, 100) << "no progress";
            }
            EXPECT_EQ(converting.Result(), expected) << table << " in pieces of " << piece;
            EXPECT_EQ(converting.Done(), converting.Total());
        }
    }
}

TEST_F(ClipboardTableTest, OnlyTheFirstFailingCellShowsItsBoxWhileTheTableLives) {
    engine.Definition.Clear();
    engine.Definition.ErrorText = "unknown word";
    engine.Definition.AppendTranslation("Ja", "Yes");
    engine.Definition.BuildIndexes();
    {
        ClipboardTable converting(engine, gate, "x\tja\r\nz\r\n", Forward, false);
        while (!converting.Step(2)) {
        }
        EXPECT_EQ(converting.Result(), "\tYes\r\n\r\n");
        EXPECT_EQ(converting.FailedCells(), 2);
    }
    EXPECT_EQ(sink.messages.size(), 1u);
    ConvertTable(engine, "x\ty\r\n", Forward, false);
    EXPECT_EQ(sink.messages.size(), 3u);
}

} // namespace
} // namespace ombrix
