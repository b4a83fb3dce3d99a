#pragma once
// Gives a window that has just been built the current language file's texts.

#include <cstdint>

namespace ombrix {

class WindowLanguage {
public:
    virtual ~WindowLanguage() = default;
    // `window` is the window's number in the language file; false when the
    // file could not be applied (its message has been shown).
    virtual bool ApplyTexts(std::int16_t window) = 0;
};

} // namespace ombrix
