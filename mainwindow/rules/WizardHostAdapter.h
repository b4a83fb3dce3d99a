#pragma once
// The main window as the wizard sees it: the flags the two share.

#include "mainwindow/rules/MainFlags.h"
#include "wizard/rules/WizardHost.h"

namespace ombrix {

class WizardHostAdapter : public WizardHost {
public:
    explicit WizardHostAdapter(MainFlags& flags) : flags_(flags) {}

    void SetWizardOpen(bool open) override { flags_.WizardOpen = open; }
    bool AlwaysOnTop() const override { return flags_.AlwaysOnTop; }

private:
    MainFlags& flags_;
};

} // namespace ombrix
