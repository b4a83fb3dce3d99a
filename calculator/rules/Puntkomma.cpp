#include "calculator/rules/Puntkomma.h"

namespace ombrix {

std::string Puntkomma(const std::string& text) {
    std::string out = text;
    const std::size_t comma = out.find(',');
    if (comma == std::string::npos) {
        return out;
    }
    out[comma] = '.';
    if (comma + 2 == out.size()) {
        out += '0';
    }
    return out;
}

} // namespace ombrix
