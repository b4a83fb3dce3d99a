#pragma once
// The one table between the program's texts (Windows-1252 bytes, one byte a
// character) and Unicode, shared by the file-name conversion below and the
// GUI's conversion to Qt strings.

#include <optional>
#include <string>
#include <string_view>

namespace ombrix::platform {

// The character of a Windows-1252 byte. The five codes Windows-1252 leaves
// undefined map to the control characters of the same number, so every
// byte has a character and comes back unchanged.
char32_t FromCodePage(unsigned char byte);
// The byte of a character, or nullopt when Windows-1252 cannot hold it.
std::optional<unsigned char> ToCodePage(char32_t character);

// Windows-1252 text as UTF-8. Every text converts.
std::string CodePageToUtf8(std::string_view text);

// UTF-8 as Windows-1252 text, or the reason it cannot be: the first
// character Windows-1252 cannot hold, or the first byte that is not UTF-8.
struct CodePageText {
    std::string text;     // the converted text when `refused` is empty
    std::string refused;  // what cannot be converted: the character in UTF-8, or "byte 0xE9"
    char32_t character{}; // that character; 0 when a byte is not UTF-8
    bool Ok() const { return refused.empty(); }
};
CodePageText Utf8ToCodePage(std::string_view utf8);
// UTF-8 with each byte that is not part of a well-formed character shown as "?".
std::string ShownUtf8(std::string_view utf8);

} // namespace ombrix::platform
