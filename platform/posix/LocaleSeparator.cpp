#include "platform/posix/LocaleSeparator.h"

#include <clocale>

namespace ombrix::platform {

std::string MonetaryDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions != nullptr) {
        if (conventions->mon_decimal_point != nullptr && *conventions->mon_decimal_point != '\0')
            return conventions->mon_decimal_point;
        if (conventions->decimal_point != nullptr && *conventions->decimal_point != '\0')
            return conventions->decimal_point;
    }
    return ".";
}

} // namespace ombrix::platform
