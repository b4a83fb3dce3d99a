#pragma once
// Small text rules on Windows-1252 strings (one byte is one character).

#include <string>
#include <string_view>

namespace ombrix {

// Letter case of Windows-1252, as the user's ANSI code page defines it.
char LowerCase1252(char c);
char UpperCase1252(char c);
std::string LowerCase1252(std::string_view text);
std::string UpperCase1252(std::string_view text);

// The text up to, not including, its first zero character.
std::string Knipname(std::string_view text);

} // namespace ombrix
