#include "base/TextCase.h"

namespace ombrix {

namespace {

unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    // à..þ except the division sign; ß (0xDF) has no upper form here.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: // š
    case 0x9C: // œ
    case 0x9E: // ž
        return static_cast<unsigned char>(c - 0x10);
    case 0xFF: // ÿ -> Ÿ
        return 0x9F;
    default:
        return c;
    }
}

unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    // À..Þ except the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Ÿ -> ÿ
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

char ToUpper1252(char c) {
    return static_cast<char>(Upper(static_cast<unsigned char>(c)));
}

char ToLower1252(char c) {
    return static_cast<char>(Lower(static_cast<unsigned char>(c)));
}

std::string ToUpper1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToUpper1252(c);
    return out;
}

std::string ToLower1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = ToLower1252(c);
    return out;
}

bool EqualsIgnoreCase1252(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpper1252(a[i]) != ToUpper1252(b[i]))
            return false;
    }
    return true;
}

bool StartsWithIgnoreCase1252(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreCase1252(text.substr(0, prefix.size()), prefix);
}

bool EndsWithIgnoreCase1252(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualsIgnoreCase1252(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace ombrix
