#include "engine/Engine.h"

#include "DefinitionTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
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

TEST_F(EngineTest, GroupedFormatResultThatCannotBeReadBackIsStillShown) {
    Steps({step('/', "1.95583")});
    engine.Definition.ResultFormat = "#,##0.00";
    EXPECT_EQ(Convert("1000000", Forward), "511,291.88");
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
