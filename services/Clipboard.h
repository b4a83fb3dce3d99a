#pragma once
// The desktop's clipboard as text (Windows-1252).

#include <string>

namespace ombrix {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Clear() = 0;
};

} // namespace ombrix
