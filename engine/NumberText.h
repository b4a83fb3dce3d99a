#pragma once
// The engine's number-text rules: reading the user's separators, normalising
// typed input, grouping, and formatting results. The number state lives here
// for the whole run and is shared by every caller of the engine.

#include "engine/decimal/Decimal.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ombrix {

// Answers the user's monetary decimal separator, asked afresh at every use.
using SeparatorSource = std::function<std::string()>;

class NumberText {
public:
    explicit NumberText(SeparatorSource separatorSource);

    // The number state.
    std::int16_t DecimalPlaces = 0;
    bool FixedDecimals = false;
    bool DigitGrouping = false;
    bool GroupingSeen = false;
    // Until a text has been read, results are written in the user's own notation.
    bool PointDecimal = true;

    std::string GetLocaleSeparators() const;
    // The decimal separator that number text is read and written with: the
    // user's, or "," while a text in comma notation is being converted for a
    // user whose separator is ".".
    std::string NotationSeparator() const;

    // While a pin lives, the separator is asked once instead of at every use,
    // so a batch such as a table is converted in one notation throughout.
    class SeparatorPin {
    public:
        explicit SeparatorPin(NumberText& numbers);
        ~SeparatorPin();
        SeparatorPin(const SeparatorPin&) = delete;
        SeparatorPin& operator=(const SeparatorPin&) = delete;

    private:
        NumberText& numbers_;
        std::optional<std::string> previous_;
    };
    void SetDecimalPlaces(std::int16_t n);

    // Each of these may change the caller's text as described for it.
    std::string NormalizeInput(std::string& text);
    std::string StripGrouping(std::string& text);
    std::string InsertGrouping(std::string& text) const;

    std::string ToLocaleDecimal(const std::string& text) const;
    std::string LocalizeResult(const std::string& text) const;
    static Decimal RoundToWhole(const Decimal& value);
    std::string FormatResult(const Decimal& value, std::string_view resultFormat) const;
    // ".50" becomes "0.50" and "-.50" becomes "-0.50".
    static std::string ApplyLeadingZero(std::string text);
    // Empty when the text cannot be read as a number.
    std::optional<std::string> FormatForDisplay(std::string& text, std::string_view resultFormat);

    // Text in the user's notation to a number.
    DecimalResult ToNumber(std::string_view text) const;
    // A number as shortest exact text in the user's notation.
    std::string ToText(const Decimal& value) const;

private:
    // The text without the grouping separators of the current notation, as
    // StripGrouping gives it; `removed` tells whether there were any.
    std::string WithoutGrouping(std::string_view text, bool& removed) const;
    int DisplayDecimals(std::string_view resultFormat) const;
    bool GroupingWanted() const { return GroupingSeen || DigitGrouping; }

    SeparatorSource separatorSource_;
    std::optional<std::string> pinnedSeparator_;
};

} // namespace ombrix
