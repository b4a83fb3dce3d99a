#pragma once
// A number typed with a decimal comma in point notation: the first "," becomes
// "."; a comma before the last character also gets a "0" after that character
// ("12,5" becomes "12.50"). A text without a comma comes back unchanged.

#include <string>

namespace ombrix {

std::string Puntkomma(const std::string& text);

} // namespace ombrix
