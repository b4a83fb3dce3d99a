#pragma once
// The keys of the calculator window without the window. Each value field of
// the main window has its own register; every key works on the register of
// the field selected at that moment and shows its result in that field.
// Accumulator arithmetic is decimal; the square root, reciprocal, sign change
// and the first half of the percentage go through double.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "calculator/rules/CalculatorHost.h"
#include "calculator/rules/CalculatorRegister.h"
#include "engine/NumberText.h"
#include "services/Beeper.h"
#include "services/Clipboard.h"

#include <array>
#include <optional>
#include <string>

namespace ombrix {

struct KeypadServices {
    CalculatorHost& host;
    NumberText& numbers; // the engine's number state, shared with the main window
    MessageSink& messages;
    const MessageTexts& texts;
    Beeper& beeper;
    Clipboard& clipboard;
};

class Keypad {
public:
    // Command1: 0 to 9 are the digits, 10 the decimal key.
    static constexpr int DecimalKey = 10;
    // Command2: 0 to 4 as CalculatorRegister's operators, then these.
    static constexpr int Percent = 5;
    static constexpr int ChangeSign = 6;
    static constexpr int Reciprocal = 7;
    static constexpr int SquareRoot = 8;
    // Command7.
    static constexpr int MemoryAdd = 0;
    static constexpr int MemoryStore = 1;
    static constexpr int MemoryRecall = 4;
    static constexpr int MemoryClear = 5;

    // The message text of a division by zero.
    static constexpr int DivisionMessage = 110;

    explicit Keypad(KeypadServices services);

    // The window opened: both registers start afresh, the clipboard is
    // emptied and the selected field's text is taken over.
    void Load();
    // The window closed.
    void Unload();

    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command3_Click(); // C: clears the display
    void Command4_Click(); // CE: clears the register
    void Command7_Click(int index);
    void Convert_Click();
    // A character typed while the window has the keyboard; false when the
    // key means nothing here.
    bool KeyPress(char key);

    // The user's decimal separator, the decimal key's caption.
    std::string DecimalSeparator() const { return s_.numbers.GetLocaleSeparators(); }
    // What the memory status box shows.
    const std::string& MemoryStatus() const { return memoryStatus_; }
    const CalculatorRegister& Register(int number) const { return registers_.at(number); }

private:
    enum class Failure { DivisionByZero, NotANumber, NegativeRoot, OutOfRange };

    int RegisterInUse() const { return s_.host.SelectedField() == 2 ? 1 : 0; }
    void Fetch(CalculatorRegister& r, int number) const;
    void Show(const CalculatorRegister& r, int number);
    std::optional<Decimal> Value(const std::string& text) const;
    std::string Text(const Decimal& value) const { return s_.numbers.ToText(value); }
    // A unary key through double; the failure when it has no result.
    std::optional<Failure> Unary(CalculatorRegister& r, int index) const;
    std::optional<Failure> Arithmetic(CalculatorRegister& r, int index) const;
    std::optional<Failure> Memory(CalculatorRegister& r, int number, int index) const;
    std::string MemoryText(const CalculatorRegister& r) const;
    void Report(Failure failure);

    KeypadServices s_;
    std::array<CalculatorRegister, 2> registers_;
    std::string memoryStatus_ = "0";
};

} // namespace ombrix
