#pragma once
// What the wizard needs of the main window that opens it: the flag that says
// the wizard is open, and whether the windows stay on top.

namespace ombrix {

class WizardHost {
public:
    virtual ~WizardHost() = default;
    virtual void SetWizardOpen(bool open) = 0;
    virtual bool AlwaysOnTop() const = 0;
};

} // namespace ombrix
