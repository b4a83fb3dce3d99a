// Decimals to and from text and doubles.

#include "engine/decimal/Decimal.h"

#include "engine/decimal/DecimalBuilder.h"
#include "engine/decimal/DecimalKernels.h"
#include "engine/decimal/WideUInt.h"

#include <charconv>
#include <cmath>

namespace ombrix {

DecimalResult Decimal::fromDouble(double value) {
    if (std::isnan(value))
        return {Decimal(), DecimalStatus::NotANumber};
    if (std::isinf(value))
        return {Decimal(), DecimalStatus::Overflow};
    // Fifteen significant digits: what a double reliably holds.
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (ec != std::errc())
        return {Decimal(), DecimalStatus::NotANumber};
    std::string_view text(buffer, std::size_t(end - buffer));
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    std::size_t e = text.find('e');
    NarrowWide magnitude;
    for (char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            magnitude.mulSmall(10);
            magnitude.addSmall(std::uint32_t(c - '0'));
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    int scale = 14 - exponent;
    if (scale < 0) {
        if (-scale > 30)
            return {Decimal(), DecimalStatus::Overflow};
        magnitude.mulPow10(-scale);
        scale = 0;
    }
    if (scale > 60)
        return {Decimal(), DecimalStatus::Ok};
    DecimalResult r = DecimalBuilder::make(magnitude, scale, negative, false);
    if (r.ok())
        r.value = DecimalBuilder::withoutTrailingZeros(r.value);
    return r;
}

DecimalResult Decimal::parse(std::string_view text, std::string_view decimalSeparator) {
    const DecimalResult notANumber{Decimal(), DecimalStatus::NotANumber};
    std::string_view group = decimalSeparator == "."   ? std::string_view(",")
                             : decimalSeparator == "," ? std::string_view(".")
                                                       : std::string_view();
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    } else if (!text.empty() && text.back() == '-') {
        negative = true;
        text.remove_suffix(1);
    }

    // Up to nineteen digits and a point, the everyday case, fit one word.
    if (decimalSeparator.size() == 1 && text.size() <= 20) {
        std::uint64_t magnitude = 0;
        int digits = 0;
        int scale = 0;
        bool point = false;
        bool plain = true;
        for (char c : text) {
            if (c >= '0' && c <= '9') {
                magnitude = magnitude * 10 + std::uint64_t(c - '0');
                ++digits;
                scale += point ? 1 : 0;
            } else if (c == decimalSeparator.front() && !point) {
                point = true;
            } else {
                plain = false;
                break;
            }
        }
        if (plain && digits > 0 && digits <= 19) {
            const std::uint32_t x[3] = {std::uint32_t(magnitude), std::uint32_t(magnitude >> 32),
                                        0};
            return {DecimalBuilder::build3(x, scale, negative), DecimalStatus::Ok};
        }
    }

    // Enough digits to round correctly; later ones only decide a tie.
    constexpr int keptDigitsLimit = 40;
    NarrowWide magnitude;
    // Digits gather in a word and reach the wide magnitude nine at a time.
    std::uint32_t pending = 0;
    int pendingDigits = 0;
    auto take = [&](int digit) {
        pending = pending * 10 + std::uint32_t(digit);
        if (++pendingDigits == 9) {
            magnitude.mulSmall(wide_detail::pow10Small[9]);
            magnitude.addSmall(pending);
            pending = 0;
            pendingDigits = 0;
        }
    };
    int keptDigits = 0;
    int integerDigits = 0; // significant digits of the integer part
    int scale = 0;
    bool sticky = false;
    bool anyDigit = false;
    bool inFraction = false;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            int digit = c - '0';
            if (!inFraction) {
                if (integerDigits > 0 || digit != 0)
                    ++integerDigits;
                if (integerDigits > 29)
                    return {Decimal(), DecimalStatus::Overflow};
                take(digit);
                if (integerDigits > 0)
                    ++keptDigits;
            } else if (keptDigits < keptDigitsLimit && scale < 2 * keptDigitsLimit) {
                take(digit);
                ++scale;
                if (keptDigits > 0 || digit != 0)
                    ++keptDigits;
            } else {
                sticky |= digit != 0;
            }
            ++i;
        } else if (!inFraction && !decimalSeparator.empty() &&
                   text.substr(i).starts_with(decimalSeparator)) {
            inFraction = true;
            i += decimalSeparator.size();
        } else if (!inFraction && !group.empty() && text.substr(i).starts_with(group)) {
            i += group.size();
        } else {
            return notANumber;
        }
    }
    if (!anyDigit)
        return notANumber;
    if (pendingDigits > 0) {
        magnitude.mulSmall(wide_detail::pow10Small[pendingDigits]);
        magnitude.addSmall(pending);
    }
    return DecimalBuilder::make(magnitude, scale, negative, sticky);
}

std::string Decimal::magnitudeDigits() const {
    char digits[32];
    if (hi_ == 0) {
        const std::uint64_t word = (std::uint64_t(mid_) << 32) | lo_;
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, word);
        return std::string(digits, ec == std::errc() ? end : digits);
    }
    // 29 digits at most; nine at a time from the right.
    char* first = digits + sizeof digits;
    std::uint32_t x[3] = {lo_, mid_, hi_};
    do {
        std::uint32_t chunk = decimal_kernels::divide96ByPow10(x, 0, 9);
        const bool more = (x[0] | x[1] | x[2]) != 0;
        for (int k = 0; k < 9 && (chunk != 0 || more); ++k) {
            *--first = char('0' + chunk % 10);
            chunk /= 10;
        }
    } while ((x[0] | x[1] | x[2]) != 0);
    if (first == digits + sizeof digits)
        *--first = '0';
    return std::string(first, digits + sizeof digits);
}

std::string Decimal::toString(std::string_view decimalSeparator) const {
    std::string digits = magnitudeDigits();
    std::string out = isNegative() ? "-" : "";
    if (scale_ == 0) {
        out += digits;
        return out;
    }
    if (digits.size() <= scale_)
        digits.insert(0, scale_ + 1 - digits.size(), '0');
    std::string integerPart = digits.substr(0, digits.size() - scale_);
    std::string fraction = digits.substr(digits.size() - scale_);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    out += integerPart;
    if (!fraction.empty()) {
        out += decimalSeparator;
        out += fraction;
    }
    return out;
}

double Decimal::toDouble() const {
    std::string text = toString(".");
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace ombrix
