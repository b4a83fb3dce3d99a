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

// The rounded value's digits split at its decimal point, read in place: the
// integer digits without leading zeros, and the fraction digits at `scale`
// places; places beyond the scale read as zeros.
class SplitDigits {
public:
    SplitDigits(std::string_view all, std::size_t scale) : all_(all), scale_(scale) {
        if (all.size() > scale) {
            integer_ = all.substr(0, all.size() - scale);
            integer_.remove_prefix(std::min(integer_.find_first_not_of('0'), integer_.size()));
        }
    }

    std::string_view Integer() const { return integer_; }

    char Fraction(std::size_t place) const {
        if (place >= scale_ || place + all_.size() < scale_)
            return '0';
        return all_[all_.size() - scale_ + place];
    }

    // Places up to and including the last non-zero fraction digit.
    std::size_t SignificantFractionPlaces() const {
        for (std::size_t place = scale_; place > 0; --place) {
            if (Fraction(place - 1) != '0')
                return place;
        }
        return 0;
    }

private:
    std::string_view all_;
    std::size_t scale_;
    std::string_view integer_;
};

// Writes the fraction part forwards from `at` and returns the end.
char* writeFraction(char* at, std::string_view fractionPattern, const SplitDigits& digits) {
    // Optional digits drop trailing zeros; required ones always show.
    std::size_t required = 0;
    std::size_t index = 0;
    for (char c : fractionPattern) {
        if (c == '0')
            required = index + 1;
        index += isPlaceholder(c) ? 1 : 0;
    }
    const std::size_t shown = std::max(required, digits.SignificantFractionPlaces());
    index = 0;
    for (char c : fractionPattern) {
        if (!isPlaceholder(c))
            *at++ = c;
        else if (index++ < shown)
            *at++ = digits.Fraction(index - 1);
    }
    return at;
}

struct IntegerLayout {
    std::string_view pattern;
    std::size_t firstPlaceholder = std::string_view::npos;
    bool grouping = false;
    std::size_t minDigits = 0;
};

IntegerLayout layOut(std::string_view integerPattern) {
    IntegerLayout layout{integerPattern};
    layout.firstPlaceholder = integerPattern.find_first_of("0#");
    layout.grouping = layout.firstPlaceholder != std::string_view::npos &&
                      integerPattern.find(',', layout.firstPlaceholder) != std::string_view::npos;
    // Required digits count from the first "0" to the end of the integer part.
    const std::size_t firstZero = integerPattern.find('0');
    if (firstZero != std::string_view::npos)
        layout.minDigits =
            std::size_t(std::count_if(integerPattern.begin() + std::ptrdiff_t(firstZero),
                                      integerPattern.end(), isPlaceholder));
    return layout;
}

// Room the integer part may take: its pattern, every digit and a group separator per digit.
std::size_t integerRoom(const IntegerLayout& layout, std::size_t digitCount,
                        std::string_view groupSeparator) {
    return layout.pattern.size() +
           std::max(digitCount, layout.minDigits) * (1 + groupSeparator.size());
}

// Writes the integer part backwards, ending just before `end`, and returns its start.
char* writeIntegerBackwards(char* end, const IntegerLayout& layout, std::string_view digits,
                            std::string_view groupSeparator) {
    // Zeros pad the digits on the left up to minDigits.
    const std::size_t total = std::max(digits.size(), layout.minDigits);
    std::size_t emitted = 0;
    auto emitDigit = [&] {
        if (layout.grouping && emitted > 0 && emitted % 3 == 0) {
            for (std::size_t k = groupSeparator.size(); k > 0; --k)
                *--end = groupSeparator[k - 1];
        }
        *--end = emitted < digits.size() ? digits[digits.size() - 1 - emitted] : '0';
        ++emitted;
    };
    auto emitRest = [&] {
        while (emitted < total)
            emitDigit();
    };
    // Digits never vanish for want of a place: a pattern without one gets a
    // "#" at its end.
    if (layout.firstPlaceholder == std::string_view::npos)
        emitRest();
    for (std::size_t i = layout.pattern.size(); i > 0; --i) {
        const char c = layout.pattern[i - 1];
        if (c == ',')
            continue;
        if (!isPlaceholder(c))
            *--end = c;
        else if (i - 1 == layout.firstPlaceholder)
            emitRest();
        else if (emitted < total)
            emitDigit();
    }
    return end;
}

} // namespace

std::string_view GroupingSeparatorFor(std::string_view decimalSeparator) {
    return decimalSeparator == "," ? "." : ",";
}

std::string FormatWithPattern(const Decimal& value, std::string_view pattern,
                              std::string_view decimalSeparator) {
    const SplitPattern parts = split(pattern);
    const int decimals =
        int(std::count_if(parts.fractionPart.begin(), parts.fractionPart.end(), isPlaceholder));
    const Decimal rounded = value.roundedAwayFromZero(decimals);
    const std::string all = rounded.magnitudeDigits();
    const SplitDigits digits(all, std::size_t(rounded.scale()));

    const IntegerLayout layout = layOut(parts.integerPart);
    const std::string_view groupSeparator = GroupingSeparatorFor(decimalSeparator);
    const std::size_t room = integerRoom(layout, digits.Integer().size(), groupSeparator);

    // The integer part is written backwards into its room, then the fraction
    // follows it; one buffer, sized for the longest outcome.
    std::string out(1 + room + decimalSeparator.size() + parts.fractionPart.size(), '\0');
    char* const integerEnd = out.data() + 1 + room;
    char* first = writeIntegerBackwards(integerEnd, layout, digits.Integer(), groupSeparator);
    if (rounded.isNegative())
        *--first = '-';
    char* last = integerEnd;
    if (parts.hasPoint) {
        last = std::copy(decimalSeparator.begin(), decimalSeparator.end(), last);
        last = writeFraction(last, parts.fractionPart, digits);
    }
    out.erase(std::size_t(last - out.data()));
    out.erase(0, std::size_t(first - out.data()));
    return out;
}

} // namespace ombrix
