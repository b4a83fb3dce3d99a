#include "calculator/rules/Keypad.h"
#include "CaseName.h"
#include "FakeCalculatorHost.h"
#include "FakeServices.h"
#include "calculator/rules/Puntkomma.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace ombrix::testing {
namespace {

constexpr const char* Largest = "79228162514264337593543950335";

// The calculator opened on a main window whose first field reads `start`,
// with the user's decimal separator `separator`.
struct Bench {
    explicit Bench(std::string separator, const std::string& start = "") : d(std::move(separator)) {
        host.text1 = start;
        keys.Load();
    }

    // Keys by caption, separated by blanks: "M+" for "M +", "D" for the decimal
    // key; a run of digits and D ("12D5") presses each in turn. "field1" and
    // "field2" select a main-window field.
    void Press(const std::string& sequence) {
        std::istringstream words(sequence);
        std::string key;
        while (words >> key) {
            PressOne(key);
        }
    }

    void PressOne(const std::string& key) {
        static const std::map<std::string, int> operators{{"+", 0},   {"--", 1},  {"/", 2},
                                                          {"*", 3},   {"=", 4},   {"%", 5},
                                                          {"-/+", 6}, {"1/x", 7}, {"sqrt", 8}};
        static const std::map<std::string, int> memory{{"M+", Keypad::MemoryAdd},
                                                       {"MS", Keypad::MemoryStore},
                                                       {"MR", Keypad::MemoryRecall},
                                                       {"MC", Keypad::MemoryClear}};
        if (auto op = operators.find(key); op != operators.end()) {
            keys.Command2_Click(op->second);
        } else if (auto m = memory.find(key); m != memory.end()) {
            keys.Command7_Click(m->second);
        } else if (key == "C") {
            keys.Command3_Click();
        } else if (key == "CE") {
            keys.Command4_Click();
        } else if (key == "Convert") {
            keys.Convert_Click();
        } else if (key == "field1" || key == "field2") {
            host.selected = key == "field1" ? 1 : 2;
        } else {
            for (const char c : key) {
                ASSERT_TRUE(c == 'D' || (c >= '0' && c <= '9')) << "no key " << key;
                keys.Command1_Click(c == 'D' ? Keypad::DecimalKey : c - '0');
            }
        }
    }

    std::string d;
    NumberText numbers{[this] { return d; }};
    FakeCalculatorHost host;
    RecordingSink sink;
    MessageTexts texts;
    FakeBeeper beeper;
    FakeClipboard clipboard;
    Keypad keys{{host, numbers, sink, texts, beeper, clipboard}};
};

struct KeyCase {
    const char* what;
    const char* start; // the first field when the calculator opens
    const char* keys;
    const char* fieldPoint; // the first field with D = "."
    const char* fieldComma; // and with D = ","
    const char* accumulator;
    const char* memoryPoint;
    const char* memoryComma;
    int messages;
};

class KeySequence : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeySequence, GivesFieldAccumulatorAndMemory) {
    const KeyCase& c = GetParam();
    for (const char* separator : {".", ","}) {
        SCOPED_TRACE(std::string("D = ") + separator);
        Bench bench(separator, c.start);
        bench.Press(c.keys);
        const bool point = std::string(separator) == ".";
        EXPECT_EQ(bench.host.text1, point ? c.fieldPoint : c.fieldComma);
        EXPECT_EQ(bench.keys.Register(0).Accumulator.toString("."), c.accumulator);
        EXPECT_EQ(bench.keys.MemoryStatus(), point ? c.memoryPoint : c.memoryComma);
        EXPECT_EQ(bench.sink.messages.size(), static_cast<std::size_t>(c.messages));
    }
}

const KeyCase KeyCases[] = {
    // what, start, keys, field ".", field ",", accumulator, memory ".", memory ",", messages
    {"5 plus 3 equals 8", "", "5 + 3 =", "8", "8", "8", "0", "0", 0},
    {"a further equals leaves 8", "", "5 + 3 = =", "8", "8", "8", "0", "0", 0},
    {"a second operator key only replaces the first", "", "5 + * 2 =", "10", "10", "10", "0", "0",
     0},
    {"after equals a digit starts a new number", "", "5 + 3 = 2", "2", "2", "0", "0", "0", 0},
    {"after equals an operator goes on from the result", "", "5 + 3 = + 2 =", "10", "10", "10", "0",
     "0", 0},
    {"operators apply in the order typed", "", "7 -- 2 * 3 / 5 =", "3", "3", "3", "0", "0", 0},
    {"square root", "", "9 sqrt", "3", "3", "0", "0", "0", 0},
    {"a digit after the square root is appended", "", "9 sqrt 1", "31", "31", "0", "0", "0", 0},
    {"ten percent of 200", "", "200 + 10 %", "20", "20", "200", "0", "0", 0},
    {"reciprocal", "", "4 1/x", "0.25", "0,25", "0", "0", "0", 0},
    {"a double gives fifteen significant digits", "", "3 1/x", "0.333333333333333",
     "0,333333333333333", "0", "0", "0", 0},
    {"trailing zeros of a double are dropped", "", "2 sqrt", "1.4142135623731", "1,4142135623731",
     "0", "0", "0", 0},
    {"sign change", "", "5 -/+", "-5", "-5", "0", "0", "0", 0},
    {"accumulator arithmetic is decimal", "", "0D1 + 0D2 =", "0.30", "0,3", "0.3", "0", "0", 0},
    {"the decimal key counts once a number", "", "1DD5", "1.5", "1,5", "0", "0", "0", 0},
    {"C clears the display and the entry counts as 0", "", "5 + 3 C =", "5", "5", "5", "0", "0", 0},
    {"CE clears the register", "", "5 + 3 CE 2 =", "2", "2", "2", "0", "0", 0},
    {"the field's text is taken over on opening", "42", "1 + 1 =", "422", "422", "422", "0", "0",
     0},
    {"M+ reads a decimal comma in either notation", "12,5", "M+", "12,5", "12,5", "0", "12.50",
     "12,50", 0},
    {"M+ adds to the memory", "", "12D5 M+ C 1 M+", "1", "1", "0", "13.50", "13,50", 0},
    {"a memory of -12.5", "", "12D5 -/+ MS", "-12.50", "-12,5", "0", "-12.50", "-12,50", 0},
    {"MR recalls a stored memory", "", "7 MS C MR", "7", "7", "0", "7", "7", 0},
    {"MR of an added memory sets the accumulator", "", "7 M+ C MR", "7", "7", "7", "7", "7", 0},
    {"CE arms MS to clear a stored memory", "", "7 MS CE 3 MS", "3", "3", "0", "0", "0", 0},
    {"CE clears a memory that was not stored", "", "7 M+ CE", "", "", "0", "0", "0", 0},
    {"MC clears the memory", "", "7 MS MC", "7", "7", "0", "0", "0", 0},
    // Failures leave the register as it was before the key, with one message.
    {"division by a pending 0 changes nothing", "", "8 / 0 /", "0", "0", "8", "0", "0", 1},
    {"reciprocal of 0", "", "0 1/x", "0", "0", "0", "0", "0", 1},
    {"a field that is not a number", "abc", "+", "abc", "abc", "0", "0", "0", 1},
    {"M+ on a field that is not a number", "abc", "M+", "abc", "abc", "0", "0", "0", 1},
    {"square root of a negative number", "", "4 -/+ sqrt", "-4", "-4", "0", "0", "0", 1},
    {"a result beyond the decimal range", Largest, "* 2 =", "2", "2", Largest, "0", "0", 1},
    {"a percentage beyond the decimal range", Largest, "+ 200 %", "200", "200", Largest, "0", "0",
     1},
};

INSTANTIATE_TEST_SUITE_P(Calculator, KeySequence, ::testing::ValuesIn(KeyCases),
                         [](const auto& tested) { return CaseName(tested.param.what); });

TEST(KeypadFailure, LeavesEveryFieldOfTheRegisterAsItWas) {
    for (const char* keys : {"/", "1/x"}) {
        SCOPED_TRACE(keys);
        Bench bench(".");
        bench.texts.Set(Keypad::DivisionMessage, "Deling door nul");
        bench.Press("8D5 / 0");
        const CalculatorRegister before = bench.keys.Register(0);
        bench.Press(keys);
        const CalculatorRegister& after = bench.keys.Register(0);
        EXPECT_EQ(after.Display, before.Display);
        EXPECT_EQ(after.Accumulator.toString("."), before.Accumulator.toString("."));
        EXPECT_EQ(after.PendingOperator, before.PendingOperator);
        EXPECT_EQ(after.OperatorPressed, before.OperatorPressed);
        EXPECT_EQ(after.EntryInProgress, before.EntryInProgress);
        EXPECT_EQ(after.DecimalEntered, before.DecimalEntered);
        ASSERT_EQ(bench.sink.messages.size(), 1u);
        EXPECT_EQ(bench.sink.messages[0].text, "Deling door nul");
        EXPECT_EQ(bench.sink.messages[0].title, ""); // the application's title
        EXPECT_EQ(bench.sink.messages[0].buttons, MessageButtons::Ok);
    }
}

TEST(KeypadFailure, DivisionMessageHasAnEnglishTextWhenTheLanguageFileGivesNone) {
    Bench bench(",");
    bench.Press("0 1/x");
    ASSERT_EQ(bench.sink.messages.size(), 1u);
    EXPECT_EQ(bench.sink.messages[0].text, "Division by zero is not possible.");
}

TEST(KeypadRegisters, EachFieldHasItsOwnRegister) {
    Bench bench(",");
    bench.Press("5 + field2 3 * field1 2 = field2 4 =");
    EXPECT_EQ(bench.host.text1, "7");
    EXPECT_EQ(bench.host.text2, "12");
}

TEST(KeypadRegisters, TypingInTheMainWindowIsTakenOverByTheNextDigit) {
    Bench bench(",");
    bench.Press("5 +");
    bench.host.text1 = "7";
    bench.host.edited = true;
    bench.Press("5");
    EXPECT_EQ(bench.host.text1, "75");
    EXPECT_FALSE(bench.host.edited);
    bench.Press("=");
    EXPECT_EQ(bench.host.text1, "80");
}

TEST(KeypadRegisters, DisplayOfASpaceAndZeroIsReplacedByTheDigit) {
    Bench bench(",");
    EXPECT_TRUE(bench.keys.KeyPress('5'));
    EXPECT_TRUE(bench.keys.KeyPress('d'));
    EXPECT_EQ(bench.keys.Register(0).Display, " 0");
    EXPECT_EQ(bench.host.text1, "5"); // not shown
    EXPECT_TRUE(bench.keys.KeyPress('7'));
    EXPECT_EQ(bench.host.text1, " 7");
}

TEST(KeypadLoad, OpensFreshWithAnEmptyClipboard) {
    Bench bench(",", "0");
    EXPECT_TRUE(bench.host.open);
    EXPECT_EQ(bench.keys.Register(0).Display, ""); // a field reading 0 is not taken over
    bench.clipboard.text = "left over";
    bench.Press("5 MS");
    bench.keys.Load();
    EXPECT_EQ(bench.clipboard.text, "");
    EXPECT_EQ(bench.keys.MemoryStatus(), "0");
    EXPECT_FALSE(bench.keys.Register(0).MemoryValue.has_value());
    EXPECT_EQ(bench.keys.Register(0).Display, "5"); // the field as the last key left it
    bench.keys.Unload();
    EXPECT_FALSE(bench.host.open);
}

TEST(KeypadConvert, HandsTheSelectedFieldToTheConversionAndResetsTheOther) {
    for (int field : {1, 2}) {
        SCOPED_TRACE(field);
        Bench bench(",");
        bench.host.conversionResult = "22,69";
        // Both registers hold a pending addition.
        bench.Press("field2 4 + field1 5 +");
        bench.host.selected = field;
        bench.Press("50 Convert");
        EXPECT_EQ(bench.host.conversions, std::vector<int>{field});
        const int other = field == 1 ? 1 : 0;
        EXPECT_TRUE(bench.keys.Register(other).Accumulator.isZero());
        EXPECT_EQ(bench.keys.Register(other).PendingOperator, CalculatorRegister::Add);
        EXPECT_FALSE(bench.keys.Register(other).OperatorPressed);
        EXPECT_FALSE(bench.keys.Register(1 - other).Accumulator.isZero()); // kept
        EXPECT_EQ(bench.keys.Register(0).Display, bench.host.text1);
        EXPECT_EQ(bench.keys.Register(1).Display, bench.host.text2);
        // The converted value is the other register's next operand.
        bench.host.selected = 3 - field;
        bench.Press("+ 1 =");
        EXPECT_EQ(bench.host.FieldText(3 - field), "23,69");
    }
}

TEST(KeypadConvert, NothingConvertedChangesNothing) {
    Bench bench(",");
    bench.host.conversionResult = "";
    bench.Press("field2 4 + field1");
    bench.host.text1 = "abc";
    bench.Press("Convert");
    EXPECT_EQ(bench.host.conversions, std::vector<int>{1});
    EXPECT_EQ(bench.host.text1, "abc");
    EXPECT_EQ(bench.host.text2, "4");
    EXPECT_EQ(bench.keys.Register(1).Accumulator.toString("."), "4");
    EXPECT_EQ(bench.keys.Register(1).PendingOperator, CalculatorRegister::Add);
    EXPECT_TRUE(bench.keys.Register(1).OperatorPressed);
}

TEST(KeypadKeyboard, KeysPressTheirButtonsAndBeep) {
    Bench bench(",");
    for (const char c : std::string("12.5+1=")) {
        EXPECT_TRUE(bench.keys.KeyPress(c)) << c;
    }
    EXPECT_EQ(bench.host.text1, "13,5");
    EXPECT_EQ(bench.beeper.beeps, 7);
    for (const char c : std::string("*3-/")) {
        EXPECT_TRUE(bench.keys.KeyPress(c)) << c;
    }
    EXPECT_EQ(bench.keys.Register(0).PendingOperator, CalculatorRegister::Divide);
    EXPECT_EQ(bench.keys.Register(0).Accumulator.toString("."), "40.5");

    EXPECT_TRUE(bench.keys.KeyPress('C'));
    EXPECT_EQ(bench.beeper.beeps, 13); // two for C
    const CalculatorRegister& r = bench.keys.Register(0);
    EXPECT_EQ(r.Display, " 0");
    EXPECT_TRUE(r.Accumulator.isZero());
    EXPECT_EQ(r.PendingOperator, CalculatorRegister::Add);
    EXPECT_FALSE(r.OperatorPressed);
    EXPECT_FALSE(r.EntryInProgress);
    EXPECT_EQ(bench.host.text1, "40,5"); // not shown
    bench.keys.KeyPress('7');
    EXPECT_EQ(bench.host.text1, "7");

    for (const char c : {'x', 'E', ' ', '\r', ','}) {
        EXPECT_FALSE(bench.keys.KeyPress(c)) << c;
    }
    EXPECT_EQ(bench.beeper.beeps, 14);
    EXPECT_EQ(bench.host.text1, "7");
}

struct PuntkommaCase {
    const char* in;
    const char* out;
};

TEST(Puntkomma, FirstCommaBecomesAPoint) {
    for (const auto& [in, out] :
         {PuntkommaCase{"12,5", "12.50"}, PuntkommaCase{"12,50", "12.50"},
          PuntkommaCase{",5", ".50"}, PuntkommaCase{"1,2,3", "1.2,3"},
          PuntkommaCase{"12,5-", "12.5-"}, PuntkommaCase{"12.5", "12.5"}, PuntkommaCase{"", ""}}) {
        EXPECT_EQ(Puntkomma(in), out) << in;
    }
}

} // namespace
} // namespace ombrix::testing
