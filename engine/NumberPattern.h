#pragma once
// Number-format patterns: "0" a required digit, "#" an optional digit, "." the
// decimal separator, "," grouping in thousands; any other character is copied.

#include "engine/decimal/Decimal.h"

#include <string>
#include <string_view>

namespace ombrix {

// The grouping separator that goes with a decimal separator: "." beside ",", else ",".
std::string_view GroupingSeparatorFor(std::string_view decimalSeparator);

// Formats `value` by `pattern`, rounding halves away from zero, writing the
// decimal point as `decimalSeparator`.
std::string FormatWithPattern(const Decimal& value, std::string_view pattern,
                              std::string_view decimalSeparator);

} // namespace ombrix
