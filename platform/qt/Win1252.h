#pragma once
// The GUI's boundary between core texts (Windows-1252 bytes) and Qt strings.

#include <QString>

#include <string>
#include <string_view>

namespace ombrix::platform {

QString FromWin1252(std::string_view text);
// Characters Windows-1252 cannot hold become '?'; `lossless` tells whether any did.
std::string ToWin1252(const QString& text, bool* lossless = nullptr);

} // namespace ombrix::platform
