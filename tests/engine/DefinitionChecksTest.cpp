#include "engine/DefinitionChecks.h"

#include "DefinitionTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

using testing::TempFolders;

struct ParseCase {
    const char* line;
    bool isCheck;
    bool wellFormed;
    Direction direction;
    const char* value;
    const char* expected;
};

TEST(DefinitionChecks, CheckLinesAreCommentsWithAValueAndTheExpectedText) {
    const ParseCase cases[] = {
        {"'CHECK 100 = 51.13", true, true, Forward, "100", "51.13"},
        {"'CHECK-R 51.13 = 100.00", true, true, Reverse, "51.13", "100.00"},
        {"'CHECK +990 20 1 = +990 420 1", true, true, Forward, "+990 20 1", "+990 420 1"},
        {"'CHECK a = b = c", true, true, Forward, "a", "b = c"},
        {"'CHECK 1 = ", true, true, Forward, "1", ""},
        {"'CHECK 100 =51.13", true, false, Forward, "", ""},
        {"'CHECK-R 5", true, false, Reverse, "", ""},
        {"'CHECKS below come from the rate", false, false, Forward, "", ""},
        {"'check 1 = 2", false, false, Forward, "", ""},
        {"'CHECK-R", false, false, Forward, "", ""},
        {"CHECK 1 = 2", false, false, Forward, "", ""},
        {"' CHECK 1 = 2", false, false, Forward, "", ""},
    };
    for (const ParseCase& c : cases) {
        std::optional<CheckLine> check = ParseCheckLine(c.line, 7);
        ASSERT_EQ(check.has_value(), c.isCheck) << c.line;
        if (!check)
            continue;
        EXPECT_EQ(check->lineNumber, 7);
        EXPECT_EQ(check->text, c.line);
        EXPECT_EQ(check->wellFormed, c.wellFormed) << c.line;
        EXPECT_EQ(check->direction, c.direction) << c.line;
        if (c.wellFormed) {
            EXPECT_EQ(check->value, c.value) << c.line;
            EXPECT_EQ(check->expected, c.expected) << c.line;
        }
    }
}

class DefinitionChecksFile : public ::testing::Test {
protected:
    DefinitionChecksFile() {
        texts.Set(100, "Quavomat");
        texts.Set(101, " cannot be loaded.");
    }

    FileCheckReport Check(const std::string& bytes) {
        return CheckDefinitionFile(TempFolders::Write(temp.folders.data, "c.nod", bytes),
                                   temp.folders, texts);
    }

    TempFolders temp;
    MessageTexts texts;
};

struct Outcome {
    int line;
    bool held;
    const char* got;
    const char* error;
};

TEST_F(DefinitionChecksFile, EachCheckRunsUnderTheDefinitionsOwnFormat) {
    // Line ends of every kind, as the loader counts lines; the grouped value
    // of line 8 must not leave grouping on for line 9.
    const FileCheckReport report = Check("NAME Mark\r\n"
                                         "MATH DEM / 1.95583\r\n"
                                         "FORMAT 0.00\n"
                                         "ERRRES Not an amount\r"
                                         "'CHECK 100 = 51.13\r\n"
                                         "'CHECK-R 100 = 195.58\r\n"
                                         "'CHECK -100 = 51.13-\r\n"
                                         "'CHECK 1,000,000 = 511,291.88\r\n"
                                         "'CHECK 2000000 = 1022583.76\r\n"
                                         "'CHECK 100 = 51.14\r\n"
                                         "'CHECK abc = 1\r\n"
                                         "'CHECK-R 5\r\n"
                                         "'CHECKS end here\r\n");
    ASSERT_TRUE(report.loaded) << report.problem;
    const Outcome expected[] = {
        {5, true, "51.13", ""},           {6, true, "195.58", ""},     {7, true, "51.13-", ""},
        {8, true, "511,291.88", ""},      {9, true, "1022583.76", ""}, {10, false, "51.13", ""},
        {11, false, "", "Not an amount"}, {12, false, "", ""},
    };
    ASSERT_EQ(report.results.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CheckResult& r = report.results[i];
        EXPECT_EQ(r.check.lineNumber, expected[i].line);
        EXPECT_EQ(r.held, expected[i].held) << expected[i].line;
        EXPECT_EQ(r.got, expected[i].got) << expected[i].line;
        EXPECT_EQ(r.error, expected[i].error) << expected[i].line;
    }
    EXPECT_EQ(report.Failed(), 3);
}

TEST_F(DefinitionChecksFile, TablesAreCheckedToo) {
    const FileCheckReport report = Check("LDNR +9 ,0\r\n"
                                         "CHG 020,010\r\n"
                                         "'CHECK +9 20 1 = +9 10 1\r\n"
                                         "'CHECK-R 010 5 = 020 5\r\n"
                                         "'CHECK 030 5 = 030 5\r\n");
    ASSERT_TRUE(report.loaded);
    ASSERT_EQ(report.results.size(), 3u);
    EXPECT_TRUE(report.results[0].held) << report.results[0].got;
    EXPECT_TRUE(report.results[1].held) << report.results[1].got;
    EXPECT_FALSE(report.results[2].held) << "an unknown code converts to nothing";
}

TEST_F(DefinitionChecksFile, AFileThatDoesNotLoadIsNotChecked) {
    const FileCheckReport broken = Check("'CHECK 1 = 1\r\nCHG 020\r\n");
    EXPECT_FALSE(broken.loaded);
    EXPECT_TRUE(broken.results.empty());
    EXPECT_EQ(broken.problem, broken.path + " cannot be loaded.");

    const FileCheckReport missing =
        CheckDefinitionFile(temp.folders.data + "/none", temp.folders, texts);
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.path, temp.folders.data + "/none.nod");
    EXPECT_EQ(missing.problem, missing.path + " cannot be loaded.");
}

TEST_F(DefinitionChecksFile, AFileWithoutCheckLinesLoadsWithNoResults) {
    const FileCheckReport report = Check("' A comment\r\nMATH     * 2\r\nFORMAT 0.00\r\n");
    EXPECT_TRUE(report.loaded);
    EXPECT_TRUE(report.results.empty());
    EXPECT_EQ(report.Failed(), 0);
}

} // namespace
} // namespace ombrix
