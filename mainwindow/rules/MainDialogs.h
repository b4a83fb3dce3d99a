#pragma once
// The dialogs the main window opens without waiting for them: the options
// dialog and the intro dialog.

namespace ombrix {

class MainDialogs {
public:
    virtual ~MainDialogs() = default;
    virtual void ShowOptions() = 0;
    virtual void ShowIntro() = 0;
};

// Stands in for dialogs not built yet: asking for them does nothing.
class AbsentDialogs : public MainDialogs {
public:
    void ShowOptions() override {}
    void ShowIntro() override {}
};

} // namespace ombrix
