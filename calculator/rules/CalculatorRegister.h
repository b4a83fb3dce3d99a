#pragma once
// One value field's register: the number being typed or the last result, the
// running result, the operator waiting for its second operand, and a memory.

#include "engine/decimal/Decimal.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ombrix {

struct CalculatorRegister {
    // The operator keys by index; 4 ("=") also means no operator is waiting.
    static constexpr std::int16_t Add = 0;
    static constexpr std::int16_t Subtract = 1;
    static constexpr std::int16_t Divide = 2;
    static constexpr std::int16_t Multiply = 3;
    static constexpr std::int16_t Equals = 4;

    std::string Display;
    Decimal Accumulator;
    std::int16_t PendingOperator = Add;
    bool OperatorPressed = false;
    bool EntryInProgress = false;
    bool DecimalEntered = false;
    // No value until a memory key gives it one.
    std::optional<Decimal> MemoryValue;
    bool MemoryStored = false;
    bool MemoryClearArmed = false;
};

} // namespace ombrix
