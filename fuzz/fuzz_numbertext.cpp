// Arbitrary bytes through text-to-number, number-to-text, patterns and every
// number-text rule, with both decimal separators.

#include "engine/NumberPattern.h"
#include "engine/NumberText.h"
#include "engine/decimal/Decimal.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void roundTrip(const ombrix::Decimal& value, const char* separator) {
    ombrix::DecimalResult back = ombrix::Decimal::parse(value.toString(separator), separator);
    if (!back.ok() || !(back.value == value))
        std::abort();
}

void exercise(const std::string& text, const std::string& pattern, std::uint8_t flags,
              const char* separator) {
    ombrix::NumberText numbers([separator] { return std::string(separator); });
    numbers.PointDecimal = (flags & 1) != 0;
    numbers.DigitGrouping = (flags & 2) != 0;
    numbers.GroupingSeen = (flags & 4) != 0;
    numbers.SetDecimalPlaces(std::int16_t((flags >> 3) % 14) - 1);

    ombrix::DecimalResult value = ombrix::Decimal::parse(text, separator);
    if (value.ok()) {
        roundTrip(value.value, separator);
        ombrix::FormatWithPattern(value.value, pattern, separator);
        numbers.FormatResult(value.value, pattern);
        ombrix::DecimalResult squared = value.value.mul(value.value);
        ombrix::DecimalResult quotient = value.value.div(ombrix::Decimal::fromInt(7));
        if (quotient.ok()) {
            ombrix::DecimalResult back = quotient.value.mul(ombrix::Decimal::fromInt(7));
            (void)back;
        }
        if (squared.ok())
            roundTrip(squared.value, separator);
        ombrix::DecimalResult sum = value.value.add(value.value);
        if (sum.ok() && value.value.sub(value.value).ok() &&
            !value.value.sub(value.value).value.isZero())
            std::abort();
        ombrix::Decimal::fromDouble(value.value.toDouble());
        ombrix::NumberText::RoundToWhole(value.value);
    }
    std::string work = text;
    numbers.NormalizeInput(work);
    work = text;
    numbers.StripGrouping(work);
    work = text;
    numbers.InsertGrouping(work);
    numbers.ToLocaleDecimal(text);
    numbers.LocalizeResult(text);
    ombrix::NumberText::ApplyLeadingZero(text);
    work = text;
    numbers.FormatForDisplay(work, pattern);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A tab splits the input into the text and a pattern.
    const std::optional<ombrix::fuzzing::SplitInput> input =
        ombrix::fuzzing::Split(data, size, '\t');
    if (!input)
        return 0;
    exercise(input->first, input->second, input->flags, ".");
    exercise(input->first, input->second, input->flags, ",");
    return 0;
}
