// What a user sees after Enter in a value field of a conversion with a
// formula: the result in the other field and, for a conversion with a FORMAT
// line, the typed value rewritten in display form.

#include "engine/Engine.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>

namespace ombrix {
namespace {

struct Fields {
    std::string source; // the field Enter was pressed in
    std::string result; // the other field
    bool failed = false;
};

class ResultDisplayTest : public ::testing::Test {
protected:
    ResultDisplayTest()
        : engine(EngineServices{[this] { return separator; }, sink, texts, nullptr, {}}) {
        engine.Definition.ErrorText = "That is no amount";
        engine.Numbers.SetDecimalPlaces(-1);
    }

    void Define(const char* step, const std::string& format) {
        engine.Definition.Clear();
        engine.Definition.ErrorText = "That is no amount";
        engine.Definition.AppendMathStep(step);
        engine.Definition.ResultFormat = format;
    }

    // Enter in a field as the main window handles it: the result goes to the
    // other field less one leading space, and with a FORMAT line the typed
    // text is shown in display form when it reads as a number.
    Fields Enter(const std::string& typed) {
        Fields fields{typed, std::string()};
        engine.Numbers.GroupingSeen = false;
        std::string input = typed;
        std::string result = engine.EvaluateConversion(input, Forward);
        fields.failed = engine.LastConversionFailed();
        fields.result = !result.empty() && result.front() == ' ' ? result.substr(1) : result;
        if (!engine.Definition.ResultFormat.empty() && !result.empty()) {
            std::string shown = typed;
            if (std::optional<std::string> display =
                    engine.Numbers.FormatForDisplay(shown, engine.Definition.ResultFormat))
                fields.source = *display;
        }
        return fields;
    }

    std::string separator = ".";
    testing::RecordingSink sink;
    MessageTexts texts;
    Engine engine;
};

// The expected texts follow the display rules step by step, with every text
// the evaluation writes read back as the number it shows. Derivations:
//
// "#,##0", 1234.5, D ".", grouping off: the pattern rounds to 1235 and
//   writes "1,235", which reads back as 1235 (its "," has three digits after
//   it, so it groups). The display shows as many decimals as the FORMAT has
//   characters after its first ",": 3. The point branch formats 1235 again
//   ("1,235"), finds no "." within the last 3 characters nor 4 from the end,
//   and the text holds no "." at all, so ".00" is appended: "1,235.00".
// "#,##0", -1234.5, D ",", grouping on: "-1.235" reads back as -1235. The
//   comma branch formats it again ("-1.235", grouped already), finds no ","
//   and appends "," and 3 zeros; the minus moves behind: "1.235,000-".
// "0,00", 56.789, D ".": the pattern pads to three digits and rounds: "057"
//   reads back as 57; 2 decimals are shown (two characters after the ","),
//   and with no "." in the text ".00" is appended: "057.00".
// "0", 0.456, D ",": "0" (rounded); 1 decimal shown (the FORMAT's length);
//   the comma branch appends "," and one zero: "0,0".
// "#", -56.789: no "0" in the FORMAT, so the value is taken to a whole
//   number, truncated unless the rest is above a half: -56; nothing is
//   shown after it and the minus stays in front.
// "0.00", -1234.5, D ".", grouping on: "-1234.50" reads back; the point
//   branch formats and groups it ("-1,234.50"), finds "." 3 characters from
//   the end, appends nothing and moves the minus behind: "1,234.50-".
struct FormatCase {
    const char* format;
    const char* value; // typed with the user's separator in place of "."
    const char* pointOff;
    const char* pointGrouped;
    const char* commaOff;
    const char* commaGrouped;
};

TEST_F(ResultDisplayTest, FormatResultsReadBackAsTheNumberTheyShow) {
    const FormatCase cases[] = {
        {"0.00", "56.789", "56.79", "56.79", "56,79", "56,79"},
        {"0.00", "-56.789", "56.79-", "56.79-", "56,79-", "56,79-"},
        {"0.00", "0.456", "0.46", "0.46", "0,46", "0,46"},
        {"0.00", "1234.5", "1234.50", "1,234.50", "1234,50", "1.234,50"},
        {"0.00", "-1234.5", "1234.50-", "1,234.50-", "1234,50-", "1.234,50-"},
        {"#,##0.00", "56.789", "56.79", "56.79", "56,79", "56,79"},
        {"#,##0.00", "-56.789", "56.79-", "56.79-", "56,79-", "56,79-"},
        {"#,##0.00", "0.456", "0.46", "0.46", "0,46", "0,46"},
        {"#,##0.00", "1234.5", "1,234.50", "1,234.50", "1.234,50", "1.234,50"},
        {"#,##0.00", "-1234.5", "1,234.50-", "1,234.50-", "1.234,50-", "1.234,50-"},
        {"#,##0", "56.789", "57.00", "57.00", "57,000", "57,000"},
        {"#,##0", "-56.789", "57.00-", "57.00-", "57,000-", "57,000-"},
        {"#,##0", "0.456", "0.00", "0.00", "0,000", "0,000"},
        {"#,##0", "1234.5", "1,235.00", "1,235.00", "1.235,000", "1.235,000"},
        {"#,##0", "-1234.5", "1,235.00-", "1,235.00-", "1.235,000-", "1.235,000-"},
        {"0,00", "56.789", "057.00", "057.00", "057,00", "057,00"},
        {"0,00", "-56.789", "057.00-", "057.00-", "057,00-", "057,00-"},
        {"0,00", "0.456", "000.00", "000.00", "000,00", "000,00"},
        {"0,00", "1234.5", "1,235.00", "1,235.00", "1.235,00", "1.235,00"},
        {"0,00", "-1234.5", "1,235.00-", "1,235.00-", "1.235,00-", "1.235,00-"},
        {"0", "56.789", "57.00", "57.00", "57,0", "57,0"},
        {"0", "-56.789", "57.00-", "57.00-", "57,0-", "57,0-"},
        {"0", "0.456", "0.00", "0.00", "0,0", "0,0"},
        {"0", "1234.5", "1235.00", "1,235.00", "1235,0", "1.235,0"},
        {"0", "-1234.5", "1235.00-", "1,235.00-", "1235,0-", "1.235,0-"},
        {"#", "56.789", "57", "57", "57", "57"},
        {"#", "-56.789", "-56", "-56", "-56", "-56"},
        {"#", "0.456", "0", "0", "0", "0"},
        {"#", "1234.5", "1234", "1,234", "1234", "1.234"},
        {"#", "-1234.5", "-1234", "-1,234", "-1234", "-1.234"},
    };
    for (const FormatCase& c : cases) {
        Define("    * 1", c.format);
        for (const char* d : {".", ","}) {
            for (bool grouping : {false, true}) {
                separator = d;
                engine.Numbers.DigitGrouping = grouping;
                std::string typed = c.value;
                std::replace(typed.begin(), typed.end(), '.', *d);
                const char* expected = *d == '.' ? (grouping ? c.pointGrouped : c.pointOff)
                                                 : (grouping ? c.commaGrouped : c.commaOff);
                const Fields fields = Enter(typed);
                EXPECT_FALSE(fields.failed);
                EXPECT_EQ(fields.result, expected)
                    << c.format << " " << typed << " D " << d << (grouping ? " grouped" : "");
            }
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

// With D "." a value whose last comma has one or two digits after it is in
// comma notation and converts as it would for a user whose separator is ",".
struct CommaCase {
    const char* typed;
    const char* format;
    std::int16_t decimals; // -1: fixed decimals off
    bool sameWithComma;    // a user whose separator is "," sees the same
    const char* result;    // "" expects the error box
    const char* source;    // the typed field afterwards
};

TEST_F(ResultDisplayTest, DecimalCommaUnderAPointUserConvertsAsUnderACommaUser) {
    const CommaCase cases[] = {
        {"2,5", "0.00", -1, true, "7,50", "2,50"},
        {"0,5", "0.00", -1, true, "1,50", "0,50"},
        {"1234,56", "0.00", -1, true, "3703,68", "1234,56"},
        {"1.234,5", "0.00", -1, true, "3.703,50", "1.234,50"},
        {"-2,5", "0.00", -1, true, "7,50-", "2,50-"},
        {"2,5-", "0.00", -1, true, "7,50-", "2,50-"},
        {"2,5", "#,##0.00", -1, true, "7,50", "2,50"},
        {"1234,56", "#,##0.00", -1, true, "3.703,68", "1.234,56"},
        {"2,5 ", "0.00", -1, true, "7,50", "2,50"},
        {"1,5", "0.00", -1, true, "4,50", "1,50"},
        {"2,5", "", -1, true, "7,5", "2,5"},
        {"1234,56", "", -1, true, "3703,68", "1234,56"},
        {"-2,5", "", -1, true, "-7,5", "-2,5"},
        {"2,5", "", 2, true, "7,50", "2,5"},
        {"0,1", "", 2, true, "0,30", "0,1"},
        {"2,5", "0.00", 3, true, "7,500", "2,500"},
        // Grouped thousands, not a decimal comma.
        {"1,234", "0.00", -1, false, "3,702.00", "1,234.00"},
        {"12,345,678", "0.00", -1, false, "37,037,034.00", "12,345,678.00"},
        // Without a FORMAT line grouping is not removed, as for a comma user.
        {"1.234,5", "", -1, true, "", "1.234,5"},
    };
    for (const CommaCase& c : cases) {
        for (const char* d : {".", ","}) {
            if (*d == ',' && !c.sameWithComma)
                continue;
            separator = d;
            Define("    * 3", c.format);
            engine.Numbers.SetDecimalPlaces(c.decimals);
            sink.messages.clear();
            const Fields fields = Enter(c.typed);
            EXPECT_EQ(fields.result, c.result) << c.typed << " with D " << d;
            EXPECT_EQ(fields.source, c.source) << c.typed << " with D " << d;
            EXPECT_EQ(sink.messages.size(), *c.result ? 0u : 1u) << c.typed;
        }
    }
}

// The number a text shows in a notation: grouping separators dropped, the
// minus in front or behind.
std::optional<Decimal> ShownNumber(std::string text, char decimal) {
    bool negative = false;
    if (!text.empty() && text.back() == '-') {
        negative = true;
        text.pop_back();
    } else if (!text.empty() && text.front() == '-') {
        negative = true;
        text.erase(0, 1);
    }
    std::erase(text, decimal == ',' ? '.' : ',');
    const DecimalResult number = Decimal::parse(text, std::string(1, decimal));
    if (!number.ok() || text.find('-') != std::string::npos)
        return std::nullopt;
    return negative ? number.value.negated() : number.value;
}

struct DisplaySetting {
    const char* format;
    int rounding; // decimals the FORMAT rounds to
    int shown;    // decimals the display rules show
};

// For generated inputs: the converted value is the value typed, the typed
// field then shows that value, and Enter again on what the program wrote
// changes neither field, in both notations, with and without FORMAT, digit
// grouping and fixed decimals.
TEST_F(ResultDisplayTest, EnterShowsTheConvertedValueAndAgainChangesNothing) {
    const DisplaySetting formats[] = {
        {"", 4, 4},  {"0.00", 2, 2}, {"#,##0.00", 2, 2}, {"0.0", 1, 1},       {"0.000", 3, 3},
        {"0", 0, 1}, {"#", 0, 0},    {"#,##0", 0, 3},    {"#,##0.000", 3, 3},
    };
    std::mt19937 random(20240612);
    auto pick = [&random](int n) { return int(random() % unsigned(n)); };
    int converted = 0;
    int repeated = 0;
    for (int round = 0; round < 6000; ++round) {
        const DisplaySetting& setting = formats[pick(int(std::size(formats)))];
        const int fixed = pick(3) == 0 ? pick(4) : -1;
        const bool grouping = pick(2) == 0;
        separator = pick(2) == 0 ? "." : ",";
        Define("    * 1", setting.format);
        engine.Numbers.SetDecimalPlaces(std::int16_t(fixed));
        engine.Numbers.DigitGrouping = grouping;
        const int rounding = fixed >= 0 ? fixed : setting.rounding;
        const int shown = fixed >= 0 ? fixed : setting.shown;

        // A decimal comma for a point user needs one or two decimals.
        bool comma = separator == "," || (pick(2) == 0 && rounding >= 1);
        int decimals = pick(rounding + 1);
        if (separator == "." && comma)
            decimals = std::min(1 + pick(2), rounding);
        const char decimal = comma ? ',' : '.';
        const char group = comma ? '.' : ',';

        std::string integer = std::to_string(pick(10));
        for (int digits = pick(8); digits > 0; --digits)
            integer += char('0' + pick(10));
        integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
        std::string fraction;
        for (int i = 0; i < decimals; ++i)
            fraction += char('0' + pick(10));
        const bool negative = pick(3) == 0;
        const std::string plain =
            (negative ? "-" : "") + integer + (decimals > 0 ? "." + fraction : "");
        const Decimal value = Decimal::parse(plain, ".").value;

        // Only a conversion with a FORMAT line removes grouping from its input;
        // without one, "1.234" is a decimal point typed by a comma user.
        const bool hasFormat = *setting.format != '\0';
        std::string typed = integer;
        if (hasFormat && pick(2) == 0) {
            for (std::size_t at = typed.size(); at > 3; at -= 3)
                typed.insert(at - 3, 1, group);
        }
        if (decimals > 0)
            typed += decimal + fraction;
        if (negative)
            typed = pick(2) == 0 ? "-" + typed : typed + "-";

        const Fields first = Enter(typed);
        if (first.failed)
            continue; // only what converts
        ++converted;
        const std::optional<Decimal> result = ShownNumber(first.result, decimal);
        ASSERT_TRUE(result && *result == value)
            << typed << " gave " << first.result << " with " << setting.format << ", D "
            << separator << ", fixed " << fixed << (grouping ? ", grouped" : "");
        if (hasFormat) {
            const std::optional<Decimal> source = ShownNumber(first.source, decimal);
            ASSERT_TRUE(source && *source == value) << typed << " shows " << first.source;
        }
        // A point user reads "2,500" as thousands, so a text written in comma
        // notation with three or more decimals changes notation on the next
        // Enter.
        const bool ambiguous = separator == "." && comma && hasFormat && shown >= 3;
        if (ambiguous)
            continue;
        ++repeated;
        const Fields second = Enter(first.source);
        ASSERT_FALSE(second.failed) << first.source;
        ASSERT_EQ(second.result, first.result) << typed << " then " << first.source;
        ASSERT_EQ(second.source, first.source) << typed;
    }
    EXPECT_GT(converted, 4000);
    EXPECT_GT(repeated, 3000);
}

} // namespace
} // namespace ombrix
