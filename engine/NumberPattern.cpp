#include "engine/NumberPattern.h"

#include <algorithm>

namespace ombrix {

namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

struct SplitPattern {
    std::string_view integerPart;
    std::string_view fractionPart;
    bool hasPoint = false;
};

SplitPattern split(std::string_view pattern) {
    // Only the first section counts; the others are for negative and zero values.
    pattern = pattern.substr(0, pattern.find(';'));
    SplitPattern s;
    std::size_t point = pattern.find('.');
    s.hasPoint = point != std::string_view::npos;
    s.integerPart = pattern.substr(0, point);
    if (s.hasPoint)
        s.fractionPart = pattern.substr(point + 1);
    return s;
}

std::string formatFraction(std::string_view fractionPattern, std::string_view digits) {
    // Optional digits drop trailing zeros; required ones always show.
    std::size_t required = 0;
    std::size_t index = 0;
    for (char c : fractionPattern) {
        if (isPlaceholder(c) && c == '0')
            required = index + 1;
        index += isPlaceholder(c) ? 1 : 0;
    }
    std::size_t lastNonZero = digits.find_last_not_of('0');
    std::size_t significant = lastNonZero == std::string_view::npos ? 0 : lastNonZero + 1;
    std::size_t shown = std::max(required, significant);
    std::string out;
    index = 0;
    for (char c : fractionPattern) {
        if (!isPlaceholder(c)) {
            out += c;
            continue;
        }
        if (index < shown)
            out += digits[index];
        ++index;
    }
    return out;
}

std::string formatInteger(std::string_view integerPattern, std::string digits,
                          std::string_view groupSeparator) {
    std::size_t firstPlaceholder = integerPattern.find_first_of("0#");
    bool grouping = firstPlaceholder != std::string_view::npos &&
                    integerPattern.find(',', firstPlaceholder) != std::string_view::npos;
    // Required digits count from the first "0" to the end of the integer part.
    std::size_t firstZero = integerPattern.find('0');
    std::size_t minDigits = 0;
    if (firstZero != std::string_view::npos) {
        for (char c : integerPattern.substr(firstZero))
            minDigits += isPlaceholder(c) ? 1 : 0;
    }
    if (digits.size() < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');

    std::string pattern(integerPattern);
    pattern.erase(std::remove(pattern.begin(), pattern.end(), ','), pattern.end());
    if (pattern.find_first_of("0#") == std::string::npos)
        pattern += '#'; // digits never vanish for want of a place
    std::size_t leftmost = pattern.find_first_of("0#");

    // Built right to left, then reversed.
    std::string reversed;
    std::string reversedGroup(groupSeparator.rbegin(), groupSeparator.rend());
    std::size_t remaining = digits.size();
    std::size_t emitted = 0;
    auto emitDigit = [&] {
        if (grouping && emitted > 0 && emitted % 3 == 0)
            reversed += reversedGroup;
        reversed += digits[--remaining];
        ++emitted;
    };
    for (std::size_t i = pattern.size(); i > 0; --i) {
        char c = pattern[i - 1];
        if (!isPlaceholder(c)) {
            reversed += c;
        } else if (i - 1 == leftmost) {
            while (remaining > 0)
                emitDigit();
        } else if (remaining > 0) {
            emitDigit();
        }
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

} // namespace

std::string_view GroupingSeparatorFor(std::string_view decimalSeparator) {
    return decimalSeparator == "," ? "." : ",";
}

std::string FormatWithPattern(const Decimal& value, std::string_view pattern,
                              std::string_view decimalSeparator) {
    SplitPattern parts = split(pattern);
    int decimals =
        int(std::count_if(parts.fractionPart.begin(), parts.fractionPart.end(), isPlaceholder));
    Decimal rounded = value.roundedAwayFromZero(decimals);

    std::string all = rounded.magnitudeDigits();
    int scale = rounded.scale();
    if (int(all.size()) <= scale)
        all.insert(0, std::size_t(scale + 1) - all.size(), '0');
    std::string integerDigits = all.substr(0, all.size() - std::size_t(scale));
    std::string fractionDigits = all.substr(all.size() - std::size_t(scale));
    fractionDigits.append(std::size_t(decimals) - fractionDigits.size(), '0');
    integerDigits.erase(0, integerDigits.find_first_not_of('0'));

    std::string out = rounded.isNegative() ? "-" : "";
    out += formatInteger(parts.integerPart, integerDigits, GroupingSeparatorFor(decimalSeparator));
    if (parts.hasPoint) {
        out += decimalSeparator;
        out += formatFraction(parts.fractionPart, fractionDigits);
    }
    return out;
}

} // namespace ombrix
