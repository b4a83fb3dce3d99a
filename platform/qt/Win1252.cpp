#include "platform/qt/Win1252.h"

#include <array>

namespace ombrix::platform {

namespace {

// The characters of codes 0x80 to 0x9F; the five codes Windows-1252 leaves
// undefined map to the control characters of the same number.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString FromWin1252(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        result.append(
            QChar(byte >= 0x80 && byte <= 0x9F ? High[byte - 0x80] : static_cast<char16_t>(byte)));
    }
    return result;
}

std::string ToWin1252(const QString& text, bool* lossless) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    bool exact = true;
    for (QChar qc : text) {
        const char16_t u = qc.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            result.push_back(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        bool found = false;
        for (std::size_t i = 0; i < High.size(); ++i) {
            if (High[i] == u) {
                mapped = static_cast<char>(0x80 + i);
                found = true;
                break;
            }
        }
        exact = exact && found;
        result.push_back(mapped);
    }
    if (lossless != nullptr) {
        *lossless = exact;
    }
    return result;
}

} // namespace ombrix::platform
