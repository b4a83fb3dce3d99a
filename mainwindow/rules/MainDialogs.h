#pragma once
// The dialogs the main window opens without waiting for them: the options
// dialog and the intro dialog.

namespace ombrix {

class MainDialogs {
public:
    virtual ~MainDialogs() = default;
    // False when no options dialog could be shown.
    virtual bool ShowOptions() = 0;
    virtual void ShowIntro() = 0;
};

} // namespace ombrix
