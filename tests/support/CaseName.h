#pragma once
// Test names for value-parameterized cases from the case's own description:
// words run together, each capitalized, everything but letters and digits
// dropped ("eu after e" becomes "EuAfterE"), so a case reads as what it checks.

#include <cctype>
#include <string>
#include <string_view>

namespace ombrix::testing {

inline std::string CaseName(std::string_view words) {
    std::string name;
    bool wordStart = true;
    for (const char c : words) {
        const auto byte = static_cast<unsigned char>(c);
        if (!std::isalnum(byte)) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(byte)) : c;
        wordStart = false;
    }
    return name;
}

} // namespace ombrix::testing
