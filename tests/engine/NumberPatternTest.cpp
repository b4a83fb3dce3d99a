#include "engine/NumberPattern.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

struct PatternCase {
    const char* value; // "." notation
    const char* pattern;
    const char* separator;
    const char* expected;
};

TEST(NumberPattern, FormatsLikeTheCommonPatternLanguage) {
    const PatternCase cases[] = {
        {"0.5", "##.00", ".", ".50"},
        {"1234.567", "##.00", ",", "1234,57"},
        {"1234.567", "#,##0.00", ".", "1,234.57"},
        {"1234.567", "#,##0.00", ",", "1.234,57"},
        {"1234567.891", "#,##0.000", ".", "1,234,567.891"},
        {"0.125", "0.00", ".", "0.13"},
        {"-0.125", "0.00", ".", "-0.13"},
        {"-0.001", "0.00", ".", "0.00"},
        {"2.5", "0", ".", "3"},
        {"12.34567", "##0.0000", ".", "12.3457"},
        {"0", "##0.0000", ".", "0.0000"},
        {"1.5", "0.##", ".", "1.5"},
        {"1", "0.0#", ".", "1.0"},
        {"5", "000", ".", "005"},
        {"999.995", "#,##0.00", ".", "1,000.00"},
        {"12", "0.00 EUR", ".", "12.00 EUR"},
        {"12", "EUR 0.00", ".", "EUR 12.00"},
        {"12345", ".00", ".", "12345.00"},
        {"-1234567", "#,##0", ",", "-1.234.567"},
        {"3.14159", "0.00;(0.00)", ".", "3.14"},
        {"7", "", ".", "7"},
        {"7", "abc", ".", "abc7"},
    };
    for (const PatternCase& c : cases) {
        DecimalResult value = Decimal::parse(c.value, ".");
        ASSERT_TRUE(value.ok()) << c.value;
        EXPECT_EQ(FormatWithPattern(value.value, c.pattern, c.separator), c.expected)
            << c.value << " with " << c.pattern;
    }
}

} // namespace
} // namespace ombrix
