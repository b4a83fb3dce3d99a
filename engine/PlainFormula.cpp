#include "engine/PlainFormula.h"

#include <algorithm>

namespace ombrix {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the run of digits at the start of `text`.
std::size_t digitRun(std::string_view text) {
    return std::size_t(std::find_if_not(text.begin(), text.end(), isDigit) - text.begin());
}

} // namespace

bool IsPlainNumber(std::string_view text, char decimal) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t integerDigits = digitRun(text);
    if (integerDigits == 0)
        return false;
    text.remove_prefix(integerDigits);
    if (text.empty())
        return true;
    if (text.front() != decimal)
        return false;
    text.remove_prefix(1);
    return !text.empty() && digitRun(text) == text.size();
}

bool IsPlainDecimalsPattern(std::string_view pattern) {
    constexpr std::size_t maxDecimals = 28;
    // The grouped form's separators are read back as grouping by the display
    // rules, so it shows its own text just as the plain form does.
    if (pattern.starts_with("#,##"))
        pattern.remove_prefix(4);
    if (!pattern.starts_with("0."))
        return false;
    pattern.remove_prefix(2);
    return !pattern.empty() && pattern.size() <= maxDecimals &&
           pattern.find_first_not_of('0') == std::string_view::npos;
}

} // namespace ombrix
