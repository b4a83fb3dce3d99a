#include "engine/Engine.h"

#include "DefinitionTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace ombrix {
namespace {

// A formula step as it stands in a file after "MATH ": four unread
// characters, the operator, one unread character, the operand.
std::string step(char op, const char* operand) {
    return std::string("    ") + op + " " + operand;
}

class EngineTest : public ::testing::Test {
protected:
    EngineTest() : engine(EngineServices{[this] { return separator; }, sink, texts, nullptr, {}}) {
        texts.Set(100, "Quavomat");
        engine.Definition.ErrorText = "That is no amount";
        engine.Numbers.SetDecimalPlaces(-1);
    }

    void Steps(std::initializer_list<std::string> steps) {
        for (const std::string& s : steps)
            engine.Definition.AppendMathStep(s);
    }

    std::string Convert(std::string input, Direction direction) {
        engine.Numbers.GroupingSeen = false;
        return engine.EvaluateConversion(input, direction);
    }

    std::string separator = ".";
    testing::RecordingSink sink;
    MessageTexts texts;
    Engine engine;
};

struct FormulaCase {
    std::vector<std::string> steps;
    const char* stepFormat;
    const char* input;
    Direction direction;
    const char* expected; // "" expects the error box
};

TEST_F(EngineTest, FormulaRunsTheStepsForwardAndBackward) {
    const FormulaCase cases[] = {
        {{step('*', "2")}, "", "5", Forward, "10"},
        {{step('*', "2")}, "", "10", Reverse, "5"},
        {{step('*', "2"), step('+', "10")}, "", "5", Forward, "20"},
        {{step('*', "2"), step('+', "10")}, "", "20", Reverse, "5"},
        {{step('-', "1.5"), step('/', "4")}, "", "3.5", Forward, "0.5"},
        {{step('-', "1.5"), step('/', "4")}, "", "0.5", Reverse, "3.5"},
        {{step('*', "2")}, "", "10", 1, "5"}, // anything but -1 is reverse
        {{step('/', "3"), step('*', "3")}, "0.00", "1", Forward, "0.99"},
        {{step('/', "3"), step('*', "3")}, "", "1", Forward, "0.9999999999999999999999999999"},
        // An unknown operator leaves the step result unset, so the next step starts from 0.
        {{step('x', "9"), step('+', "1")}, "", "5", Forward, "1"},
        {{step('/', "0")}, "", "5", Forward, ""},
        {{step('*', "2")}, "", "abc", Forward, ""},
        {{step('*', "two")}, "", "5", Forward, ""},
        {{step('*', "79228162514264337593543950335")}, "", "2", Forward, ""},
        {{step('*', "2")}, "", "5-", Forward, "-10"},
        {{step('*', "2")}, "", "-.5", Forward, "-1"},
    };
    for (const FormulaCase& c : cases) {
        engine.Definition.Clear();
        engine.Definition.ErrorText = "That is no amount";
        for (const std::string& s : c.steps)
            engine.Definition.AppendMathStep(s);
        engine.Definition.StepFormat = c.stepFormat;
        sink.messages.clear();
        EXPECT_EQ(Convert(c.input, c.direction), c.expected) << c.input;
        const bool failed = std::string(c.expected).empty();
        EXPECT_EQ(engine.LastConversionFailed(), failed) << c.input;
        ASSERT_EQ(sink.messages.size(), failed ? 1u : 0u) << c.input;
        if (failed) {
            EXPECT_EQ(sink.messages[0].icon, MessageIcon::Critical);
            EXPECT_EQ(sink.messages[0].title, "Quavomat");
            EXPECT_EQ(sink.messages[0].text, "That is no amount");
        }
    }
}

TEST_F(EngineTest, StepOperandsAreReadAgainWhenTheNotationChanges) {
    Steps({step('*', "1.5")});
    separator = ""; // no decimal separator at all: "1.5" is not a number
    EXPECT_EQ(Convert("5", Forward), "");
    separator = ".";
    EXPECT_EQ(Convert("5", Forward), "7.5");
    separator = "";
    EXPECT_EQ(Convert("5", Forward), "");
}

TEST_F(EngineTest, CommaNotationComesBackInTheUsersNotation) {
    separator = ",";
    Steps({step('*', "2")});
    engine.Numbers.SetDecimalPlaces(2);
    EXPECT_EQ(Convert("1,25", Forward), "2,50");
    EXPECT_EQ(Convert("0,1", Forward), "0,20");
    EXPECT_EQ(Convert("12.5-", Forward), "-25,00");
}

TEST_F(EngineTest, FormatLineShowsTheResultInDisplayForm) {
    separator = ",";
    Steps({step('/', "1,95583")});
    engine.Definition.ResultFormat = "0.00";
    EXPECT_EQ(Convert("100", Forward), "51,13");
    EXPECT_EQ(Convert("-100", Forward), "51,13-");
    engine.Numbers.DigitGrouping = true;
    EXPECT_EQ(Convert("1.000.000", Forward), "511.291,88");
    EXPECT_TRUE(engine.Numbers.GroupingSeen);
}

// The shortcut for plain numbers must give what the general rules give: the
// evaluation followed by the display rules, as a conversion with a FORMAT
// line runs them.
TEST_F(EngineTest, PlainNumberShortcutAgreesWithTheGeneralRules) {
    const std::vector<std::vector<std::string>> formulas = {
        {step('/', "1.95583")},
        {step('*', "40.3399")},
        {step('-', "0.005"), step('*', "3")},
        {step('/', "3"), step('+', "0.5")},
        {step('/', "0")},
        {step('*', "79228162514264337593543950335")},
    };
    const char* formats[] = {"0.0",
                             "0.00",
                             "0.000",
                             "0.0000000000000000000000000000",
                             "#,##0.0",
                             "#,##0.00",
                             "#,##0.0000000000000000000000000000"};
    std::mt19937 random(20261210);
    auto pick = [&random](std::size_t n) { return std::size_t(random() % n); };
    auto digits = [&](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += char('0' + pick(10));
        return text;
    };
    int shortcuts = 0;
    for (int round = 0; round < 4000; ++round) {
        separator = pick(2) == 0 ? "." : ",";
        engine.Definition.Clear();
        engine.Definition.ErrorText = "That is no amount";
        for (const std::string& s : formulas[pick(formulas.size())])
            engine.Definition.AppendMathStep(s);
        engine.Definition.ResultFormat = formats[pick(std::size(formats))];
        // Integer parts up to 31 digits, so some overflow.
        std::string input = (pick(3) == 0 ? "-" : "") + digits(1 + pick(pick(4) == 0 ? 31 : 7));
        if (pick(2) == 0)
            input += separator + digits(1 + pick(pick(4) == 0 ? 40 : 4));
        const Direction direction = pick(2) == 0 ? Forward : Reverse;

        engine.Numbers.PointDecimal = pick(2) == 0;
        sink.messages.clear();
        std::optional<std::string> shortcut = engine.EvaluatePlainFormula(input, direction);
        ASSERT_TRUE(shortcut.has_value()) << input;
        const bool pointDecimal = engine.Numbers.PointDecimal;
        const std::size_t shortcutMessages = sink.messages.size();

        engine.Numbers.PointDecimal = !pointDecimal;
        sink.messages.clear();
        std::string general = input;
        general = engine.EvaluateFormula(general, direction);
        if (!general.empty()) {
            std::string shown = general;
            if (std::optional<std::string> display =
                    engine.Numbers.FormatForDisplay(shown, engine.Definition.ResultFormat))
                general = *display;
        }
        ASSERT_EQ(*shortcut, general) << input << " with " << engine.Definition.ResultFormat;
        ASSERT_EQ(pointDecimal, engine.Numbers.PointDecimal) << input;
        ASSERT_EQ(shortcutMessages, sink.messages.size()) << input;
        ASSERT_FALSE(engine.Numbers.GroupingSeen);
        shortcuts += shortcut->empty() ? 0 : 1;
    }
    EXPECT_GT(shortcuts, 2000); // most rounds converted rather than failed
}

TEST_F(EngineTest, PlainNumberShortcutLeavesEverythingElseToTheGeneralRules) {
    Steps({step('*', "2")});
    engine.Definition.ResultFormat = "0.00";
    EXPECT_TRUE(engine.EvaluatePlainFormula("12.5", Forward));
    const char* notPlain[] = {"1,234.5", "12.5-", " 12.5", "12.", ".5", "+1", "1e3", "", "-"};
    for (const char* input : notPlain)
        EXPECT_FALSE(engine.EvaluatePlainFormula(input, Forward)) << input;
    EXPECT_TRUE(engine.EvaluatePlainFormula("1234.5", Forward));
    engine.Definition.ResultFormat = "#,##0.00";
    EXPECT_TRUE(engine.EvaluatePlainFormula("1234.5", Forward));
    const char* otherFormats[] = {"0",        "#,##0", "0.##",
                                  "#,##0.0#", "0,00",  "0.00 EUR",
                                  "",         "##.00", "#,##0.00000000000000000000000000000",
                                  "#,#0.00"};
    for (const char* format : otherFormats) {
        engine.Definition.ResultFormat = format;
        EXPECT_FALSE(engine.EvaluatePlainFormula("12.5", Forward)) << format;
    }
    engine.Definition.ResultFormat = "0.00";
    separator = "'";
    EXPECT_FALSE(engine.EvaluatePlainFormula("12'5", Forward));
    separator = ".";
    engine.Numbers.SetDecimalPlaces(2);
    EXPECT_FALSE(engine.EvaluatePlainFormula("12.5", Forward));
    engine.Numbers.SetDecimalPlaces(-1);
    engine.Numbers.GroupingSeen = true;
    EXPECT_FALSE(engine.EvaluatePlainFormula("12.5", Forward));
    engine.Numbers.GroupingSeen = false;
    engine.Numbers.DigitGrouping = true;
    EXPECT_FALSE(engine.EvaluatePlainFormula("12.5", Forward));
}

TEST_F(EngineTest, GroupedFormatResultReadsBackForTheDisplay) {
    Steps({step('/', "1.95583")});
    engine.Definition.ResultFormat = "#,##0.00";
    EXPECT_EQ(Convert("1000000", Forward), "511,291.88");
    EXPECT_EQ(Convert("-1000000", Forward), "511,291.88-");
    engine.Definition.ResultFormat = "#,##0";
    EXPECT_EQ(Convert("1000000", Forward), "511,292.00");
    separator = ",";
    EXPECT_EQ(Convert("1000000", Forward), "511.292,000");
    EXPECT_TRUE(sink.messages.empty());
}

struct TableCase {
    const char* input;
    Direction direction;
    const char* expected; // "" expects the error box
};

TEST_F(EngineTest, SubstitutionReplacesTheFirstMatchingPrefixOnce) {
    engine.Definition.AppendChange("020", "010");
    engine.Definition.AppendChange("0", "9");
    engine.Definition.BuildIndexes();
    const TableCase cases[] = {
        {"020 123", Forward, "010 123"},
        {"010 123", Reverse, "020 123"},
        {"030 123", Forward, "930 123"},
        {"130 123", Forward, ""},
        {"020 123", 1, ""}, // a substitution knows only the two directions
    };
    for (const TableCase& c : cases)
        EXPECT_EQ(Convert(c.input, c.direction), c.expected) << c.input;
}

TEST_F(EngineTest, SubstitutionWithoutAMatchShowsTheErrorBox) {
    engine.Definition.AppendChange("020", "010");
    engine.Definition.BuildIndexes();
    EXPECT_EQ(Convert("030 123", Forward), "");
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(EngineTest, PrefixPairIsReplacedAndPutBack) {
    engine.Definition.AppendChange("020", "010");
    engine.Definition.PrefixFrom = "+9";
    engine.Definition.PrefixTo = "0";
    engine.Definition.BuildIndexes();
    EXPECT_EQ(Convert("+920 123", Forward), "+910 123");
    EXPECT_EQ(Convert("020 123", Forward), "010 123");
}

TEST_F(EngineTest, TranslationIgnoresLetterCaseOfTheWholeValue) {
    engine.Definition.AppendTranslation("Si", "Yes");
    engine.Definition.AppendTranslation("si", "Second");
    engine.Definition.BuildIndexes();
    const TableCase cases[] = {
        {"si", Forward, "Yes"},
        {"YES", Reverse, "Si"},
        {"yes", 5, "Si"},
        {"Si ", Forward, ""},
    };
    for (const TableCase& c : cases)
        EXPECT_EQ(Convert(c.input, c.direction), c.expected) << c.input;
}

TEST_F(EngineTest, DefinitionWithoutRulesConvertsNothingSilently) {
    engine.Definition.Input1 = "Mark";
    engine.Definition.Symbol1 = "DM";
    EXPECT_EQ(Convert("5", Forward), "");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(engine.LastConversionFailed());
}

} // namespace
} // namespace ombrix
