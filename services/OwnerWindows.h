#pragma once
// The windows a box keeps out of the way while it waits for its answer: the
// box disables them when it opens and enables them again when it closes. A
// program with no such windows gives one that does nothing.

namespace ombrix {

class OwnerWindows {
public:
    virtual ~OwnerWindows() = default;
    virtual void SetOwnersEnabled(bool enabled) = 0;
};

class NoOwnerWindows : public OwnerWindows {
public:
    void SetOwnersEnabled(bool) override {}
};

} // namespace ombrix
