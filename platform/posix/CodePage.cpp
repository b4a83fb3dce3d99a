#include "platform/posix/CodePage.h"

#include <array>

namespace ombrix::platform {

namespace {

// The characters of codes 0x80 to 0x9F.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The character at the front of `utf8` and its length in bytes; a length of
// 0 when the bytes there are no well-formed UTF-8 (overlong forms,
// surrogates and values past U+10FFFF included).
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view utf8) {
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (utf8.size() < length)
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

} // namespace

char32_t FromCodePage(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? High[byte - 0x80] : char32_t(byte);
}

std::optional<unsigned char> ToCodePage(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < High.size(); ++i) {
        if (High[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string CodePageToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, FromCodePage(static_cast<unsigned char>(c)));
    return out;
}

CodePageText Utf8ToCodePage(std::string_view utf8) {
    CodePageText result;
    result.text.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [character, length] = DecodeUtf8(utf8);
        if (length == 0) {
            const auto byte = static_cast<unsigned char>(utf8[0]);
            static constexpr char Hex[] = "0123456789ABCDEF";
            result.refused = std::string("byte 0x") + Hex[byte >> 4] + Hex[byte & 15];
            result.text.clear();
            return result;
        }
        const std::optional<unsigned char> byte = ToCodePage(character);
        if (!byte) {
            result.character = character;
            result.refused = std::string(utf8.substr(0, length));
            result.text.clear();
            return result;
        }
        result.text.push_back(static_cast<char>(*byte));
        utf8.remove_prefix(length);
    }
    return result;
}

std::string ShownUtf8(std::string_view utf8) {
    std::string out;
    while (!utf8.empty()) {
        const std::size_t length = DecodeUtf8(utf8).second;
        out += length == 0 ? std::string_view("?") : utf8.substr(0, length);
        utf8.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

} // namespace ombrix::platform
