#pragma once
// The wizard and the calculator follow the main window out of and back into
// view, but only those of them that are open.

#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/WindowPorts.h"

namespace ombrix {

inline void ShowOpenToolWindows(const MainFlags& flags, OtherWindows& windows) {
    if (flags.WizardOpen) {
        windows.ShowWizard();
    }
    if (flags.CalculatorOpen) {
        windows.ShowCalculator();
    }
}

inline void HideOpenToolWindows(const MainFlags& flags, OtherWindows& windows) {
    if (flags.WizardOpen) {
        windows.HideWizard();
    }
    if (flags.CalculatorOpen) {
        windows.HideCalculator();
    }
}

} // namespace ombrix
