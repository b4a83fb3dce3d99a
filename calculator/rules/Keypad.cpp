#include "calculator/rules/Keypad.h"

#include "calculator/rules/Puntkomma.h"

#include <cmath>
#include <string_view>

namespace ombrix {

namespace {

// A double's result as a decimal of at most fifteen significant digits;
// nothing when the double is not finite or does not fit.
std::optional<Decimal> FromDouble(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const DecimalResult result = Decimal::fromDouble(value);
    if (!result.ok()) {
        return std::nullopt;
    }
    return result.value;
}

} // namespace

Keypad::Keypad(KeypadServices services) : s_(services) {}

void Keypad::Load() {
    s_.host.SetCalculatorOpen(true);
    registers_ = {};
    memoryStatus_ = "0";
    s_.clipboard.Clear();
    const int number = RegisterInUse();
    Fetch(registers_[number], number);
}

void Keypad::Unload() {
    s_.host.SetCalculatorOpen(false);
}

void Keypad::Fetch(CalculatorRegister& r, int number) const {
    const std::string text = s_.host.FieldText(number + 1);
    if (!r.EntryInProgress && text == "0") {
        return;
    }
    r.Display = text;
    if (!text.empty()) {
        r.EntryInProgress = true;
    }
}

void Keypad::Show(const CalculatorRegister& r, int number) {
    s_.host.SetFieldText(number + 1, r.Display);
}

std::optional<Decimal> Keypad::Value(const std::string& text) const {
    // Read as the conversions read their input, so "12.50" is twelve and a
    // half with either decimal separator.
    const DecimalResult result = s_.numbers.ToNumber(s_.numbers.ToLocaleDecimal(text));
    if (!result.ok()) {
        return std::nullopt;
    }
    return result.value;
}

void Keypad::Report(Failure failure) {
    std::string text;
    switch (failure) {
    case Failure::DivisionByZero:
        text = s_.texts.Get(DivisionMessage);
        if (text.empty()) {
            text = "Division by zero is not possible.";
        }
        break;
    case Failure::NotANumber:
        text = "The value in the field is not a number.";
        break;
    case Failure::NegativeRoot:
        text = "A negative number has no square root.";
        break;
    case Failure::OutOfRange:
        text = "The result is too large to calculate with.";
        break;
    }
    s_.messages.Show({MessageIcon::None, MessageButtons::Ok, "", text});
}

void Keypad::Command1_Click(int index) {
    const int number = RegisterInUse();
    CalculatorRegister& r = registers_[number];
    if (s_.host.MainWindowEdited()) {
        Fetch(r, number);
        r.EntryInProgress = true;
        s_.host.ClearMainWindowEdited();
    }
    if (r.PendingOperator == CalculatorRegister::Equals) {
        r.Accumulator = Decimal();
        r.PendingOperator = CalculatorRegister::Add;
        r.Display.clear();
    }
    r.OperatorPressed = false;
    if (!r.EntryInProgress) {
        r.Display.clear();
    }
    r.EntryInProgress = true;
    if (index == DecimalKey) {
        const std::string d = DecimalSeparator();
        if (!r.DecimalEntered && r.Display.find(d) == std::string::npos) {
            r.Display += d;
        }
        r.DecimalEntered = true;
    } else {
        const char digit = static_cast<char>('0' + index);
        if (r.Display == " 0") {
            r.Display = std::string(" ") + digit;
        } else {
            r.Display += digit;
        }
    }
    Show(r, number);
}

std::optional<Keypad::Failure> Keypad::Unary(CalculatorRegister& r, int index) const {
    if (r.Display.empty()) {
        return std::nullopt;
    }
    const std::optional<Decimal> value = Value(r.Display);
    if (!value) {
        return Failure::NotANumber;
    }
    const double x = value->toDouble();
    double y = 0;
    switch (index) {
    case SquareRoot:
        if (value->isNegative()) {
            return Failure::NegativeRoot;
        }
        y = std::sqrt(x);
        break;
    case Reciprocal:
        if (value->isZero()) {
            return Failure::DivisionByZero;
        }
        y = 1 / x;
        break;
    case ChangeSign:
        y = x * -1;
        break;
    default: // Percent
        y = x / 100;
        break;
    }
    std::optional<Decimal> result = FromDouble(y);
    if (!result) {
        return Failure::OutOfRange;
    }
    if (index == Percent) {
        const DecimalResult share = result->mul(r.Accumulator);
        if (!share.ok()) {
            return Failure::OutOfRange;
        }
        result = share.value;
    }
    r.Display = Text(*result);
    return std::nullopt;
}

std::optional<Keypad::Failure> Keypad::Arithmetic(CalculatorRegister& r, int index) const {
    if (!r.OperatorPressed || index == CalculatorRegister::Equals) {
        // An empty display, as "C" leaves it, is an entry of zero.
        std::optional<Decimal> value = r.Display.empty() ? Decimal() : Value(r.Display);
        if (!value) {
            return Failure::NotANumber;
        }
        DecimalResult result{r.Accumulator, DecimalStatus::Ok};
        switch (r.PendingOperator) {
        case CalculatorRegister::Add:
            result = r.Accumulator.add(*value);
            break;
        case CalculatorRegister::Subtract:
            result = r.Accumulator.sub(*value);
            break;
        case CalculatorRegister::Divide:
            if (value->isZero()) {
                return Failure::DivisionByZero;
            }
            result = r.Accumulator.div(*value);
            break;
        case CalculatorRegister::Multiply:
            result = r.Accumulator.mul(*value);
            break;
        default:
            break;
        }
        if (!result.ok()) {
            return Failure::OutOfRange;
        }
        r.Accumulator = result.value;
        r.Display = Text(r.Accumulator);
        r.EntryInProgress = false;
    }
    r.OperatorPressed = true;
    r.PendingOperator = static_cast<std::int16_t>(index);
    r.DecimalEntered = false;
    return std::nullopt;
}

void Keypad::Command2_Click(int index) {
    const int number = RegisterInUse();
    // Worked on a copy: a key that fails leaves the register as it was.
    CalculatorRegister r = registers_[number];
    if (r.Display == "0") {
        Fetch(r, number);
    }
    r.Display = s_.numbers.NormalizeInput(r.Display);
    const std::optional<Failure> failure =
        index >= Percent ? Unary(r, index) : Arithmetic(r, index);
    if (failure) {
        Report(*failure);
        return;
    }
    r.Display = s_.numbers.LocalizeResult(r.Display);
    registers_[number] = r;
    Show(r, number);
}

void Keypad::Command3_Click() {
    const int number = RegisterInUse();
    CalculatorRegister& r = registers_[number];
    r.DecimalEntered = false;
    r.Display.clear();
    Show(r, number);
}

void Keypad::Command4_Click() {
    const int number = RegisterInUse();
    CalculatorRegister& r = registers_[number];
    if (r.MemoryStored) {
        r.MemoryClearArmed = true;
    } else {
        r.MemoryValue = Decimal();
        memoryStatus_ = "0";
    }
    r.DecimalEntered = false;
    r.Accumulator = Decimal();
    r.EntryInProgress = false;
    r.PendingOperator = CalculatorRegister::Add;
    r.OperatorPressed = false;
    r.Display.clear();
    Show(r, number);
}

std::optional<Keypad::Failure> Keypad::Memory(CalculatorRegister& r, int number, int index) const {
    switch (index) {
    case MemoryAdd: {
        Fetch(r, number);
        r.Display = Puntkomma(r.Display);
        if (r.Display.empty()) {
            break;
        }
        const std::optional<Decimal> value = Value(r.Display);
        if (!value) {
            return Failure::NotANumber;
        }
        const DecimalResult sum = r.MemoryValue.value_or(Decimal()).add(*value);
        if (!sum.ok()) {
            return Failure::OutOfRange;
        }
        r.MemoryValue = sum.value;
        break;
    }
    case MemoryStore:
        if (r.MemoryClearArmed) {
            // CE with a stored memory armed this: the store clears instead.
            r.MemoryValue = Decimal();
            r.MemoryStored = false;
            r.MemoryClearArmed = false;
        } else {
            const std::optional<Decimal> value = Value(r.Display);
            if (!value) {
                return Failure::NotANumber;
            }
            r.MemoryValue = *value;
            r.MemoryStored = true;
        }
        r.EntryInProgress = false;
        break;
    case MemoryRecall:
        r.MemoryClearArmed = false;
        r.Display = r.MemoryValue ? Text(*r.MemoryValue) : std::string();
        if (r.MemoryStored) {
            r.OperatorPressed = false;
        } else {
            r.Accumulator = r.MemoryValue.value_or(Decimal());
        }
        r.Display = s_.numbers.LocalizeResult(r.Display);
        if (!r.Display.empty() && r.Display.front() == ' ') {
            r.Display.erase(0, 1);
        }
        break;
    case MemoryClear:
        r.MemoryValue = Decimal();
        r.MemoryStored = false;
        r.MemoryClearArmed = false;
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::string Keypad::MemoryText(const CalculatorRegister& r) const {
    // Written with "." and then localised, so a memory of 12.5 reads "12,50"
    // when the decimal separator is a comma.
    return s_.numbers.LocalizeResult(r.MemoryValue.value_or(Decimal()).toString("."));
}

void Keypad::Command7_Click(int index) {
    const int number = RegisterInUse();
    CalculatorRegister r = registers_[number];
    if (r.Display.empty()) {
        r.Display = "0";
    }
    if (const std::optional<Failure> failure = Memory(r, number, index)) {
        Report(*failure);
        return;
    }
    registers_[number] = r;
    if (index == MemoryRecall) {
        Show(r, number);
    }
    memoryStatus_ = MemoryText(r);
}

void Keypad::Convert_Click() {
    const int field = s_.host.SelectedField();
    if (!s_.host.ConvertField(field)) {
        return;
    }
    // The other field holds a new value: its register starts afresh.
    CalculatorRegister& other = registers_[field == 1 ? 1 : 0];
    other.Accumulator = Decimal();
    other.PendingOperator = CalculatorRegister::Add;
    other.DecimalEntered = false;
    other.EntryInProgress = false;
    other.OperatorPressed = false;
    registers_[1].Display = s_.host.FieldText(2);
    registers_[0].Display = s_.host.FieldText(1);
}

bool Keypad::KeyPress(char key) {
    int beeps = 1;
    if (key >= '0' && key <= '9') {
        Command1_Click(key - '0');
    } else if (key == '.') {
        Command1_Click(DecimalKey);
    } else if (key == '+' || key == '-' || key == '/' || key == '*' || key == '=') {
        static constexpr std::string_view Operators = "+-/*=";
        Command2_Click(static_cast<int>(Operators.find(key)));
    } else if (key == 'C' || key == 'c') {
        // The register starts afresh but keeps its memory; the field is left as it is.
        CalculatorRegister& r = registers_[RegisterInUse()];
        r.DecimalEntered = false;
        r.Accumulator = Decimal();
        r.EntryInProgress = false;
        r.PendingOperator = CalculatorRegister::Add;
        r.OperatorPressed = false;
        r.Display = " 0";
        beeps = 2;
    } else if (key == 'D' || key == 'd') {
        registers_[RegisterInUse()].Display = " 0";
    } else {
        return false;
    }
    for (int i = 0; i < beeps; ++i) {
        s_.beeper.Beep();
    }
    return true;
}

} // namespace ombrix
