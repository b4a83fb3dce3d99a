#pragma once

#include <string>

namespace ombrix::platform {

// The user's monetary decimal separator: the locale's monetary decimal point,
// else its decimal point, else ".".
std::string MonetaryDecimalSeparator();

} // namespace ombrix::platform
