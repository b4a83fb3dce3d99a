#include "engine/NumberText.h"

#include "engine/NumberPattern.h"

#include <algorithm>
#include <utility>

namespace ombrix {

namespace {

bool endsWithMinus(const std::string& text) {
    return !text.empty() && text.back() == '-';
}

void dropOneLeadingSpace(std::string& text) {
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
}

void moveLeadingMinusToEnd(std::string& text) {
    if (!text.empty() && text.front() == '-')
        text = text.substr(1) + "-";
}

bool charAtFromEnd(const std::string& text, std::size_t k, char c) {
    return k >= 1 && text.size() >= k && text[text.size() - k] == c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "2,5", "1234,56" and "1.234,5": the last comma has one or two digits after
// it and nothing else but trailing spaces. "1,234" has three, so it is a
// number grouped in thousands.
bool isCommaNotation(std::string_view text) {
    const std::size_t comma = text.rfind(',');
    if (comma == std::string_view::npos)
        return false;
    std::string_view after = text.substr(comma + 1);
    after = after.substr(0, after.find_last_not_of(' ') + 1);
    return !after.empty() && after.size() <= 2 && std::all_of(after.begin(), after.end(), isDigit);
}

} // namespace

NumberText::NumberText(SeparatorSource separatorSource)
    : separatorSource_(std::move(separatorSource)) {}

std::string NumberText::GetLocaleSeparators() const {
    if (pinnedSeparator_)
        return *pinnedSeparator_;
    std::string d = separatorSource_ ? separatorSource_() : std::string();
    // The answer ends at its first zero character, as an operating-system string does.
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (d[i] == '\0') {
            d.resize(i);
            break;
        }
    }
    return d;
}

std::string NumberText::NotationSeparator() const {
    std::string d = GetLocaleSeparators();
    if (d == "." && !PointDecimal)
        return ",";
    return d;
}

NumberText::SeparatorPin::SeparatorPin(NumberText& numbers)
    : numbers_(numbers), previous_(numbers.pinnedSeparator_) {
    numbers_.pinnedSeparator_ = numbers_.GetLocaleSeparators();
}

NumberText::SeparatorPin::~SeparatorPin() {
    numbers_.pinnedSeparator_ = std::move(previous_);
}

void NumberText::SetDecimalPlaces(std::int16_t n) {
    DecimalPlaces = n;
    FixedDecimals = n != -1;
}

std::string NumberText::NormalizeInput(std::string& text) {
    const bool minus = endsWithMinus(text);
    if (minus)
        text.pop_back();
    if (text.empty())
        return text;
    std::string out;
    out.reserve(text.size() + 4);
    out = text;
    if (GetLocaleSeparators() != ".") {
        PointDecimal = false;
    } else if (isCommaNotation(text)) {
        PointDecimal = false;
    } else {
        PointDecimal = true;
        if (text.find('.') == std::string::npos)
            out += ".00";
    }
    if (minus)
        out += '-';
    return out;
}

std::string NumberText::WithoutGrouping(std::string_view text, bool& removed) const {
    removed = false;
    const bool minus = !text.empty() && text.back() == '-';
    if (minus)
        text.remove_suffix(1);
    // A separator is grouping only with at least three characters after it.
    const char separator = PointDecimal ? ',' : '.';
    const std::size_t limit = text.size() > 3 ? text.size() - 3 : 0;
    std::string out;
    out.reserve(text.size() + 1);
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at < limit; at = text.find(separator, from)) {
        out.append(text, from, at - from);
        removed = true;
        from = at + 1;
    }
    out.append(text, from);
    if (minus)
        out += '-';
    return out;
}

std::string NumberText::StripGrouping(std::string& text) {
    bool removed = false;
    std::string out = WithoutGrouping(text, removed);
    if (endsWithMinus(text))
        text.pop_back(); // the caller's text loses its trailing minus too
    GroupingSeen = GroupingSeen || removed;
    return out;
}

std::string NumberText::InsertGrouping(std::string& text) const {
    const char decimal = PointDecimal ? '.' : ',';
    const char group = PointDecimal ? ',' : '.';
    // A text that is grouped already, such as a grouping FORMAT's, stays as it is.
    if (text.find(group) != std::string::npos)
        return text;
    dropOneLeadingSpace(text);
    std::string work = text;
    std::string minus;
    if (!work.empty() && work.front() == '-') {
        minus = "-";
        work.erase(0, 1);
    }
    std::size_t integerEnd = work.find(decimal);
    if (integerEnd == std::string::npos)
        integerEnd = work.size();
    if (integerEnd >= 4) {
        std::string grouped;
        for (std::size_t i = 0; i < integerEnd; ++i) {
            if (i > 0 && (integerEnd - i) % 3 == 0)
                grouped += group;
            grouped += work[i];
        }
        work = grouped + work.substr(integerEnd);
    }
    std::string result = minus + work;
    if (!result.empty() && result.front() == group)
        result.erase(0, 1);
    else if (result.size() > 1 && result[0] == '-' && result[1] == group)
        result.erase(1, 1);
    dropOneLeadingSpace(result);
    return result;
}

std::string NumberText::ToLocaleDecimal(const std::string& text) const {
    const bool commaDecimal = NotationSeparator() == ",";
    const char from = commaDecimal ? '.' : ',';
    const char to = commaDecimal ? ',' : '.';
    std::string out = text;
    std::size_t pos = out.find(from);
    if (pos != std::string::npos)
        out[pos] = to;
    return out;
}

std::string NumberText::LocalizeResult(const std::string& text) const {
    const std::string d = NotationSeparator();
    if (charAtFromEnd(text, 2, '.'))
        return text.substr(0, text.size() - 2) + d + text.back() + "0";
    std::size_t pos = text.find('.');
    if (pos != std::string::npos)
        return text.substr(0, pos) + d + text.substr(pos + 1);
    return text;
}

Decimal NumberText::RoundToWhole(const Decimal& value) {
    Decimal whole = value.truncated();
    DecimalResult fraction = value.sub(whole);
    DecimalResult half = Decimal::parse("0.5", ".");
    if (fraction.ok() && fraction.value > half.value) {
        DecimalResult up = whole.add(Decimal::fromInt(1));
        if (up.ok())
            return up.value;
    }
    return whole;
}

std::string NumberText::FormatResult(const Decimal& value, std::string_view resultFormat) const {
    const std::string d = NotationSeparator();
    if (FixedDecimals && DecimalPlaces > 0)
        return FormatWithPattern(value, "##." + std::string(std::size_t(DecimalPlaces), '0'), d);
    if (FixedDecimals)
        return RoundToWhole(value).toString(d);
    if (!resultFormat.empty()) {
        if (resultFormat.find('0') == std::string_view::npos)
            return RoundToWhole(value).toString(d);
        return FormatWithPattern(value, resultFormat, d);
    }
    // Without a format the number is shown as it is, not as nothing.
    return value.toString(d);
}

std::string NumberText::ApplyLeadingZero(std::string text) {
    std::size_t at = (!text.empty() && text.front() == '-') ? 1 : 0;
    if (at < text.size() && (text[at] == '.' || text[at] == ','))
        text.insert(at, 1, '0');
    return text;
}

int NumberText::DisplayDecimals(std::string_view resultFormat) const {
    if (FixedDecimals)
        return DecimalPlaces;
    if (resultFormat.find('0') == std::string_view::npos)
        return 0;
    std::size_t separator = resultFormat.find('.');
    if (separator == std::string_view::npos)
        separator = resultFormat.find(',');
    if (separator == std::string_view::npos)
        return int(resultFormat.size());
    return int(resultFormat.size() - separator - 1);
}

std::optional<std::string> NumberText::FormatForDisplay(std::string& text,
                                                        std::string_view resultFormat) {
    const int n = DisplayDecimals(resultFormat);
    if (text.empty())
        return std::string();
    if (GroupingWanted())
        text = StripGrouping(text);
    // A FORMAT that groups writes grouping separators whether or not grouping
    // is on; they are read as the evaluation reads them in its input, never as
    // the decimal separator.
    bool grouped = false;
    DecimalResult number = ToNumber(ToLocaleDecimal(WithoutGrouping(text, grouped)));
    if (!number.ok())
        return std::nullopt;

    auto groupedIfWanted = [this](std::string t) {
        return GroupingWanted() ? InsertGrouping(t) : t;
    };
    if (n <= 0)
        return groupedIfWanted(RoundToWhole(number.value).toString(NotationSeparator()));
    const std::size_t decimals = std::size_t(n);

    if (PointDecimal) {
        if (GroupingWanted())
            text = InsertGrouping(text);
        // The leading zero the evaluation gave is kept in this notation too.
        std::string out =
            groupedIfWanted(ApplyLeadingZero(FormatResult(number.value, resultFormat)));
        bool trailingMinus = endsWithMinus(out);
        if (trailingMinus)
            out.pop_back();
        bool found = false;
        for (std::size_t k = 1; k <= decimals && !found; ++k) {
            if (charAtFromEnd(out, k, '.')) {
                out.append(decimals - k + 1, '0');
                found = true;
            }
        }
        if (!found && !charAtFromEnd(out, decimals + 1, '.') && out.find('.') == std::string::npos)
            out += ".00";
        if (!out.empty() && out.front() == '-')
            moveLeadingMinusToEnd(out);
        else if (trailingMinus)
            out += "-";
        return out;
    }

    std::string out = ApplyLeadingZero(FormatResult(number.value, resultFormat));
    if (number.value.abs() >= Decimal::fromInt(1))
        dropOneLeadingSpace(out);
    // FormatResult wrote the comma notation's own separators already; swapping
    // a "." now would only turn a grouping separator into the decimal one.
    out = groupedIfWanted(out);
    bool found = false;
    for (std::size_t k = decimals; k >= 1 && !found; --k) {
        if (charAtFromEnd(out, k, ',')) {
            out.append(decimals - k + 1, '0');
            found = true;
        }
    }
    if (!found && out.find(',') == std::string::npos) {
        dropOneLeadingSpace(out);
        out += "," + std::string(decimals, '0');
    }
    moveLeadingMinusToEnd(out);
    return out;
}

DecimalResult NumberText::ToNumber(std::string_view text) const {
    return Decimal::parse(text, NotationSeparator());
}

std::string NumberText::ToText(const Decimal& value) const {
    return value.toString(NotationSeparator());
}

} // namespace ombrix
