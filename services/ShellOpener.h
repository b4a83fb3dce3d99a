#pragma once
// Opens an address or a file with the desktop's handler.

#include <string>

namespace ombrix {

// A relative file name is taken from `workingFolder` (when not empty).
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool Open(const std::string& target, const std::string& workingFolder) = 0;
};

} // namespace ombrix
