#pragma once
// The GUI services the windows use, as small interfaces: Qt implementations
// for the programs, scripted fakes for the tests. Texts are Windows-1252.

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

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Clear() = 0;
};

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

// Opens an address or a file with the desktop's handler. A relative file name
// is taken from `workingFolder` (when not empty).
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool Open(const std::string& target, const std::string& workingFolder) = 0;
};

} // namespace ombrix
