#pragma once
// The open and save dialogs. Texts are Windows-1252.

#include <string>

namespace ombrix {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or the empty text when the user cancelled.
    virtual std::string ShowOpenDialog(const std::string& title, const std::string& filter,
                                       const std::string& defaultExtension) = 0;
    virtual std::string ShowSaveDialog(const std::string& filter,
                                       const std::string& defaultExtension,
                                       const std::string& title) = 0;
};

} // namespace ombrix
