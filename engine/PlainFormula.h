#pragma once
// Recognises the everyday formula conversion: a plain number in the user's
// notation and a FORMAT that only fixes the number of decimals ("0.00" or
// "#,##0.00"). For it the display rules that follow the evaluation provably
// give back the pattern's own text with a leading minus moved behind, so the
// engine can skip those text round trips.

#include <string_view>

namespace ombrix {

// Digits with an optional leading minus and an optional `decimal` followed
// by digits: "-1234.5" when `decimal` is '.'. Nothing else.
bool IsPlainNumber(std::string_view text, char decimal);

// "0." or "#,##0." followed by 1 to 28 zeros: a FORMAT that fixes the
// number of decimals, grouped in thousands or not.
bool IsPlainDecimalsPattern(std::string_view pattern);

} // namespace ombrix
