#pragma once
// Letter case of Windows-1252 text: the ASCII letters plus the accented and
// other letters of the code page that have an upper and a lower form.
// Used wherever keywords, translations or names are compared without case.

#include <string>
#include <string_view>

namespace ombrix {

char ToUpper1252(char c);
char ToLower1252(char c);
std::string ToUpper1252(std::string_view text);
std::string ToLower1252(std::string_view text);

// Equal when both texts have the same length and the same letters in any case.
bool EqualsIgnoreCase1252(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase1252(std::string_view text, std::string_view prefix);
bool EndsWithIgnoreCase1252(std::string_view text, std::string_view suffix);

} // namespace ombrix
