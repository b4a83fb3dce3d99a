#pragma once
// The 96-bit scaled decimal of automation arithmetic: an unsigned 96-bit
// magnitude, a scale of 0 to 28 decimals and a sign. Results are exact when
// they fit and otherwise rounded half-to-even at the largest scale that fits;
// an integer part that does not fit is an overflow.

#include <cstdint>
#include <string>
#include <string_view>

namespace ombrix {

enum class DecimalStatus : std::uint8_t { Ok, NotANumber, DivisionByZero, Overflow };

class Decimal;
struct DecimalResult;

class Decimal {
public:
    static constexpr int MaxScale = 28;

    constexpr Decimal() = default;
    static Decimal fromInt(std::int64_t value);
    // Magnitude lo + mid * 2^32 + hi * 2^64, divided by 10^scale.
    static DecimalResult fromParts(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi, int scale,
                                   bool negative);
    static DecimalResult fromDouble(double value);

    // Digits, the decimal separator, the grouping separator ("," when the decimal
    // separator is ".", "." when it is ",") in the integer part, one leading or
    // trailing minus and surrounding spaces; anything else is NotANumber.
    static DecimalResult parse(std::string_view text, std::string_view decimalSeparator);

    // Shortest exact text: no trailing fraction zeros, a leading minus.
    std::string toString(std::string_view decimalSeparator) const;
    // The unscaled magnitude as decimal digits ("0" for zero).
    std::string magnitudeDigits() const;

    bool isNegative() const { return negative_ && !isZero(); }
    bool isZero() const { return lo_ == 0 && mid_ == 0 && hi_ == 0; }
    int scale() const { return scale_; }

    Decimal negated() const;
    Decimal abs() const;
    Decimal truncated() const;
    // Rounds to at most `decimals` decimals, halves away from zero.
    Decimal roundedAwayFromZero(int decimals) const;
    double toDouble() const;

    DecimalResult add(const Decimal& other) const;
    DecimalResult sub(const Decimal& other) const;
    DecimalResult mul(const Decimal& other) const;
    DecimalResult div(const Decimal& other) const;

    // Numeric comparison: -1, 0 or 1. 1.0 equals 1.
    static int compare(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
    friend bool operator<(const Decimal& a, const Decimal& b) { return compare(a, b) < 0; }
    friend bool operator>(const Decimal& a, const Decimal& b) { return compare(a, b) > 0; }
    friend bool operator<=(const Decimal& a, const Decimal& b) { return compare(a, b) <= 0; }
    friend bool operator>=(const Decimal& a, const Decimal& b) { return compare(a, b) >= 0; }

private:
    friend class DecimalBuilder;

    std::uint32_t lo_ = 0;
    std::uint32_t mid_ = 0;
    std::uint32_t hi_ = 0;
    std::uint8_t scale_ = 0;
    bool negative_ = false;
};

struct DecimalResult {
    Decimal value;
    DecimalStatus status = DecimalStatus::Ok;

    bool ok() const { return status == DecimalStatus::Ok; }
};

} // namespace ombrix
