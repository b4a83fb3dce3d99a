#pragma once
// The desktop's warning sound.

namespace ombrix {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void Beep() = 0;
};

} // namespace ombrix
