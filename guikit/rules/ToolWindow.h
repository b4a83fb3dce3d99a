#pragma once
// A window that lives beside the main window (the wizard, the calculator):
// made when first opened, it follows the main window out of and back into
// view, above the others, and out of the way while a dialog is open.

namespace ombrix {

class ToolWindow {
public:
    virtual ~ToolWindow() = default;
    virtual void Show() = 0; // visible, its timer running
    virtual void Hide() = 0; // hidden, its timer stopped
    virtual void SetTopmost(bool on) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // Applies the current language file's texts again.
    virtual void ReloadTexts() = 0;
};

} // namespace ombrix
