#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

NumberText withSeparator(std::string separator) {
    return NumberText([separator] { return separator; });
}

Decimal dec(const char* text) {
    return Decimal::parse(text, ".").value;
}

TEST(NumberTextSeparators, SeparatorIsAskedAfreshAndCutAtZero) {
    std::string answer = std::string(",\0x", 3);
    NumberText numbers([&answer] { return answer; });
    EXPECT_EQ(numbers.GetLocaleSeparators(), ",");
    answer = ".";
    EXPECT_EQ(numbers.GetLocaleSeparators(), ".");
    EXPECT_EQ(NumberText(nullptr).GetLocaleSeparators(), "");
}

struct NormalizeCase {
    const char* separator;
    const char* input;
    const char* expected;
    const char* callerAfter;
    bool pointDecimal;
};

TEST(NumberTextNormalize, DecidesTheNotationFromTheTypedText) {
    const NormalizeCase cases[] = {
        {",", "12.5-", "12.5-", "12.5", false},
        {".", "12", "12.00", "12", true},
        {".", "1234,56", "1234,56", "1234,56", false},
        {".", "1,234", "1,234.00", "1,234", true},
        {".", "12.5-", "12.5-", "12.5", true},
        {".", "7-", "7.00-", "7", true},
        // A last comma with one or two digits after it is a decimal comma.
        {".", "2,5", "2,5", "2,5", false},
        {".", "1,5-", "1,5-", "1,5", false},
        {".", "-0,5", "-0,5", "-0,5", false},
        {".", "1.234,5", "1.234,5", "1.234,5", false},
        {".", "2,5  ", "2,5  ", "2,5  ", false},
        {".", "12,345,678", "12,345,678.00", "12,345,678", true},
        {".", "2,5x", "2,5x.00", "2,5x", true},
        {".", "1,2345", "1,2345.00", "1,2345", true},
    };
    for (const NormalizeCase& c : cases) {
        NumberText numbers = withSeparator(c.separator);
        numbers.PointDecimal = !c.pointDecimal;
        std::string text = c.input;
        EXPECT_EQ(numbers.NormalizeInput(text), c.expected) << c.input;
        EXPECT_EQ(text, c.callerAfter) << c.input;
        EXPECT_EQ(numbers.PointDecimal, c.pointDecimal) << c.input;
    }
}

TEST(NumberTextNormalize, EmptyTextLeavesPointDecimalAlone) {
    NumberText numbers = withSeparator(",");
    numbers.PointDecimal = true;
    std::string text = "-";
    EXPECT_EQ(numbers.NormalizeInput(text), "");
    EXPECT_TRUE(numbers.PointDecimal);
}

TEST(NumberTextNormalize, CommaInputBecomesANumberInTheUsersNotation) {
    NumberText numbers = withSeparator(",");
    std::string text = "12.5-";
    std::string normalized = numbers.NormalizeInput(text);
    std::string local = numbers.ToLocaleDecimal(normalized);
    EXPECT_EQ(local, "12,5-");
    DecimalResult value = numbers.ToNumber(local);
    ASSERT_TRUE(value.ok());
    EXPECT_EQ(value.value, dec("-12.5"));
}

struct GroupingCase {
    bool pointDecimal;
    const char* input;
    const char* expected;
};

TEST(NumberTextGrouping, StripRemovesOnlySeparatorsFollowedByThreeOrMore) {
    const GroupingCase cases[] = {
        {false, "1.234.567,89", "1234567,89"},
        {false, "1,5", "1,5"},
        {false, "1.5", "1.5"},
        {false, "1.234-", "1234-"},
        {true, "1,234,567.89", "1234567.89"},
    };
    for (const GroupingCase& c : cases) {
        NumberText numbers = withSeparator(",");
        numbers.PointDecimal = c.pointDecimal;
        std::string text = c.input;
        EXPECT_EQ(numbers.StripGrouping(text), c.expected) << c.input;
        EXPECT_EQ(numbers.GroupingSeen, std::string(c.input) != c.expected) << c.input;
    }
}

TEST(NumberTextGrouping, InsertGroupsTheIntegerPart) {
    const GroupingCase cases[] = {
        {false, "1234567,89", "1.234.567,89"},
        {false, "-123456", "-123.456"},
        {false, "123", "123"},
        {false, " 1234", "1.234"},
        {false, "123456", "123.456"},
        {false, "-1234,5", "-1.234,5"},
        {true, "1,234.5", "1,234.5"},
        {false, "1.234,5", "1.234,5"},
        {true, "1234567.5", "1,234,567.5"},
        {true, "-1234567.5", "-1,234,567.5"},
    };
    for (const GroupingCase& c : cases) {
        NumberText numbers = withSeparator(",");
        numbers.PointDecimal = c.pointDecimal;
        std::string text = c.input;
        EXPECT_EQ(numbers.InsertGrouping(text), c.expected) << c.input;
    }
}

TEST(NumberTextGrouping, InsertDropsTheCallersLeadingSpace) {
    NumberText numbers = withSeparator(",");
    std::string text = " 1234";
    numbers.InsertGrouping(text);
    EXPECT_EQ(text, "1234");
}

TEST(NumberTextLocalize, SwapsTheFirstPointAndPadsOneDecimal) {
    NumberText numbers = withSeparator(",");
    EXPECT_EQ(numbers.LocalizeResult("12.5"), "12,50");
    EXPECT_EQ(numbers.LocalizeResult("12.345"), "12,345");
    EXPECT_EQ(numbers.LocalizeResult("12"), "12");
    EXPECT_EQ(numbers.LocalizeResult("-0.5"), "-0,50");
    EXPECT_EQ(numbers.ToLocaleDecimal("1.5.6"), "1,5.6");
    EXPECT_EQ(withSeparator(".").ToLocaleDecimal("1,5,6"), "1.5,6");
}

TEST(NumberTextRounding, RoundToWholeTruncatesAndRoundsOnlyAboveHalf) {
    struct Case {
        const char* value;
        const char* whole;
    } cases[] = {{"2.5", "2"}, {"2.51", "3"}, {"-0.6", "0"}, {"-2.7", "-2"}, {"7", "7"}};
    for (const Case& c : cases)
        EXPECT_EQ(NumberText::RoundToWhole(dec(c.value)).toString("."), c.whole) << c.value;
}

struct FormatResultCase {
    std::int16_t decimalPlaces; // -1: fixed decimals off
    const char* resultFormat;
    const char* value;
    const char* expected; // with "," as the user's separator
};

TEST(NumberTextFormatResult, FixedDecimalsThenPatternThenPlainNumber) {
    const FormatResultCase cases[] = {
        {2, "", "1234.567", "1234,57"},
        {2, "", "0.5", ",50"},
        {0, "", "2.5", "2"},
        {3, "0.00", "1.23456", "1,235"},
        {-1, "0.00", "1.239", "1,24"},
        {-1, "#", "2.7", "3"},
        {-1, "#,##0.00", "1234.5", "1.234,50"},
        // No format and no fixed decimals: the number itself, not zero.
        {-1, "", "1234.5678", "1234,5678"},
    };
    for (const FormatResultCase& c : cases) {
        NumberText numbers = withSeparator(",");
        numbers.SetDecimalPlaces(c.decimalPlaces);
        EXPECT_EQ(numbers.FormatResult(dec(c.value), c.resultFormat), c.expected) << c.value;
    }
}

TEST(NumberTextFormatResult, LeadingZeroRule) {
    NumberText numbers = withSeparator(".");
    numbers.SetDecimalPlaces(2);
    EXPECT_EQ(NumberText::ApplyLeadingZero(numbers.FormatResult(dec("-0.25"), "")), "-0.25");
    EXPECT_EQ(NumberText::ApplyLeadingZero(",50"), "0,50");
    EXPECT_EQ(NumberText::ApplyLeadingZero("0.50"), "0.50");
    EXPECT_EQ(NumberText::ApplyLeadingZero("12"), "12");
    EXPECT_EQ(NumberText::ApplyLeadingZero(""), "");
}

struct DisplayCase {
    const char* separator;
    bool pointDecimal;
    std::int16_t decimalPlaces; // -1: fixed decimals off
    bool digitGrouping;
    const char* resultFormat;
    const char* input;
    const char* expected;
};

TEST(NumberTextFormatForDisplay, ShowsFormatResultsWithTheMinusAtTheEnd) {
    const DisplayCase cases[] = {
        {",", false, 2, false, "0.00", "-1234,5", "1234,50-"},
        {",", false, 2, true, "0.00", "-1234,5", "1.234,50-"},
        {",", false, -1, false, "0.00", "12,5", "12,50"},
        {",", false, -1, false, "0.00", "12", "12,00"},
        {",", false, -1, false, "0.00", ",5", "0,50"},
        {",", false, 0, false, "0.00", "2,5", "2"},
        {",", false, -1, false, "#", "1234,7", "1235"},
        {",", false, -1, true, "0.00", "1.234.567,891", "1.234.567,89"},
        {".", true, -1, false, "0.00", "12.5", "12.50"},
        {".", true, -1, false, "0.00", "-5", "5.00-"},
        {".", true, 3, false, "0.00", "7.1", "7.100"},
        {".", true, 3, false, "0.00", "0.511", "0.511"},
        {".", true, 2, false, "0.00", "-0.5", "0.50-"},
        {".", true, -1, true, "0.00", "1234567.5", "1,234,567.50"},
        {".", true, -1, false, "0.000", "", ""},
        // A grouping FORMAT's own text reads back as the number it shows.
        {".", true, -1, false, "#,##0.00", "511,291.88", "511,291.88"},
        {".", true, -1, false, "#,##0.00", "-511,291.88", "511,291.88-"},
        {".", true, -1, false, "#,##0", "1,235", "1,235.00"},
        {".", true, -1, false, "0,00", "1,235", "1,235.00"},
        {",", false, -1, false, "#,##0.00", "511.291,88", "511.291,88"},
        {",", false, -1, true, "#,##0.00", "-511.291,88", "511.291,88-"},
        {",", false, -1, false, "#,##0", "1.235", "1.235,000"},
        // Comma notation for a point user is written as for a comma user.
        {".", false, -1, false, "0.00", "2,5", "2,50"},
        {".", false, 2, true, "0.00", "-1234,5", "1.234,50-"},
    };
    for (const DisplayCase& c : cases) {
        NumberText numbers = withSeparator(c.separator);
        numbers.PointDecimal = c.pointDecimal;
        numbers.SetDecimalPlaces(c.decimalPlaces);
        numbers.DigitGrouping = c.digitGrouping;
        std::string text = c.input;
        std::optional<std::string> shown = numbers.FormatForDisplay(text, c.resultFormat);
        ASSERT_TRUE(shown.has_value()) << c.input;
        EXPECT_EQ(*shown, c.expected) << c.input << " with " << c.resultFormat;
    }
}

TEST(NumberTextFormatForDisplay, TextThatIsNoNumberIsAFailedResult) {
    NumberText numbers = withSeparator(".");
    numbers.PointDecimal = true;
    numbers.SetDecimalPlaces(-1);
    for (const char* text : {"abc", "1.234.5", "12-3"}) {
        std::string word = text;
        EXPECT_FALSE(numbers.FormatForDisplay(word, "0.00").has_value()) << text;
    }
    // Reading a grouping FORMAT's text back is no input with grouping.
    std::string grouped = "1,234.50";
    EXPECT_TRUE(numbers.FormatForDisplay(grouped, "#,##0.00").has_value());
    EXPECT_FALSE(numbers.GroupingSeen);
}

} // namespace
} // namespace ombrix
