#include "engine/DefinitionValues.h"

#include "engine/decimal/Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace ombrix {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Half to even, as the conversion of a number to a whole number rounds.
double RoundHalfEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace

std::optional<TextPair> SplitAtComma(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    return TextPair{std::string(value.substr(0, comma)), std::string(value.substr(comma + 1))};
}

std::optional<TextPair> SplitDelimited(std::string_view value) {
    const std::size_t comma = value.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    std::string_view from = value.substr(0, comma);
    std::string_view to = value.substr(comma + 1);
    if (from.size() < 2 || to.size() < 2)
        return std::nullopt;
    return TextPair{std::string(from.substr(1, from.size() - 2)),
                    std::string(to.substr(1, to.size() - 2))};
}

std::optional<char> ReadCharacterCode(std::string_view value) {
    std::string_view text = value;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const DecimalResult parsed = Decimal::parse(text, ".");
    if (!parsed.ok())
        return std::nullopt;
    // Anything this far out fits no character; the check keeps the text short.
    const Decimal limit = Decimal::fromInt(100000);
    if (parsed.value.abs() > limit)
        return std::nullopt;
    const Decimal whole = parsed.value.truncated();
    const DecimalResult fraction = parsed.value.sub(whole);
    int code = 0;
    const std::string digits = whole.toString(".");
    if (!fraction.ok() ||
        std::from_chars(digits.data(), digits.data() + digits.size(), code).ec != std::errc())
        return std::nullopt;
    const Decimal half = Decimal::fromParts(5, 0, 0, 1, false).value;
    const int away = parsed.value.isNegative() ? -1 : 1;
    const int tie = Decimal::compare(fraction.value.abs(), half);
    if (tie > 0 || (tie == 0 && code % 2 != 0))
        code += away;
    if (code < 0 || code > 255)
        return std::nullopt;
    return static_cast<char>(static_cast<unsigned char>(code));
}

bool FitsSigned16(std::string_view value) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < value.size() && (value[i] == ' ' || value[i] == '\t' || value[i] == '\n'))
            ++i;
    };
    auto takeDigits = [&](std::string& into) {
        for (skipBlanks(); i < value.size() && IsDigit(value[i]); skipBlanks())
            into += value[i++];
    };
    skipBlanks();
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    std::string integerDigits;
    std::string fractionDigits;
    takeDigits(integerDigits);
    if (i < value.size() && value[i] == '.') {
        ++i;
        takeDigits(fractionDigits);
    }
    long exponent = 0;
    if (i < value.size() &&
        (value[i] == 'E' || value[i] == 'e' || value[i] == 'D' || value[i] == 'd')) {
        ++i;
        skipBlanks();
        bool exponentNegative = false;
        if (i < value.size() && (value[i] == '+' || value[i] == '-'))
            exponentNegative = value[i++] == '-';
        std::string exponentDigits;
        takeDigits(exponentDigits);
        for (char c : exponentDigits)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000L);
        if (exponentNegative)
            exponent = -exponent;
    }

    // The value is 0.DIGITS times 10^point once leading zeros are gone.
    std::string digits = integerDigits + fractionDigits;
    long point = static_cast<long>(integerDigits.size()) + exponent;
    const std::size_t leadingZeros = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, leadingZeros);
    point -= static_cast<long>(leadingZeros);
    if (digits.empty() || point < -5)
        return true; // zero, or too small to round to anything but 0
    if (point > 6)
        return false;
    digits.resize(std::min<std::size_t>(digits.size(), 40));
    const std::string text = "0." + digits + "e" + std::to_string(point);
    double x = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), x).ec != std::errc())
        return false;
    const double whole = RoundHalfEven(negative ? -x : x);
    return whole >= -32768.0 && whole <= 32767.0;
}

} // namespace ombrix
