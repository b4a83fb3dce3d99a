#pragma once
// The value grammars of conversion definition lines, each a pure function of
// the value text (the part of the line after the keyword and its separator).

#include "engine/ConversionDefinition.h"

#include <optional>
#include <string_view>

namespace ombrix {

// CHG and LDNR: split at the first comma; the to text may hold more commas.
std::optional<TextPair> SplitAtComma(std::string_view value);

// TRANS: split at the first comma; of each side the first and the last
// character are delimiters and dropped, so each side needs two characters.
std::optional<TextPair> SplitDelimited(std::string_view value);

// SYMBA: a decimal character code 0..255 ("." decimal point). A fraction is
// rounded to the nearest whole number, a half to the even one (128.5 gives
// 128), as an ordinary conversion to a 16-bit integer does.
std::optional<char> ReadCharacterCode(std::string_view value);

// PHCODE: the leading numeric part of the value (spaces, tabs and line feeds
// skipped; a sign, digits, a "." fraction and an E or D exponent; nothing
// numeric reads as 0), rounded half to even, must fit a signed 16-bit
// integer.
bool FitsSigned16(std::string_view value);

} // namespace ombrix
