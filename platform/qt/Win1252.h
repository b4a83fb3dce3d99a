#pragma once
// The GUI's boundary between core texts (Windows-1252 bytes) and Qt strings.

#include "platform/posix/CodePage.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace ombrix::platform {

QString FromWin1252(std::string_view text);
// Characters Windows-1252 cannot hold become '?'; `lossless` tells whether any did.
std::string ToWin1252(const QString& text, bool* lossless = nullptr);

// File names cross through the file system's own conversion (ToFileSystemPath
// and FromFileSystemPath), never through the two above: a stored name as Qt
// names the file, and a name Qt gives as a stored name or the reason it
// cannot be one.
QString QtFileName(std::string_view path);
CodePageText StoredFileName(const QString& name);
// The stored name; when there is none, a warning box owned by `owner` names
// the character that stands in the way (so does stderr, for a name typed in
// a terminal), and the result is nullopt.
std::optional<std::string> StoredFileNameOrTell(const QString& name, QWidget* owner,
                                                bool alsoToStderr = false);

} // namespace ombrix::platform
