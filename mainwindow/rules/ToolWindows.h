#pragma once
// The main window's tool windows, the wizard and the calculator. They follow
// the main window out of and back into view, but only those of them that are open.

#include "guikit/rules/ToolWindow.h"
#include "mainwindow/rules/MainFlags.h"

namespace ombrix {

struct ToolWindows {
    ToolWindow& wizard;
    ToolWindow& calculator;
};

// Calls `action` on each tool window that is open, the wizard first.
template <typename Action>
void ForEachOpenToolWindow(const MainFlags& flags, const ToolWindows& tools, Action action) {
    if (flags.WizardOpen) {
        action(tools.wizard);
    }
    if (flags.CalculatorOpen) {
        action(tools.calculator);
    }
}

inline void ShowOpenToolWindows(const MainFlags& flags, const ToolWindows& tools) {
    ForEachOpenToolWindow(flags, tools, [](ToolWindow& window) { window.Show(); });
}

inline void HideOpenToolWindows(const MainFlags& flags, const ToolWindows& tools) {
    ForEachOpenToolWindow(flags, tools, [](ToolWindow& window) { window.Hide(); });
}

} // namespace ombrix
