#pragma once
// The main window's flags, shared by every window of the program for the run.

#include <cstdint>

namespace ombrix {

struct MainFlags {
    // 0 while loading, 1 once running, 5 when the window texts must be reloaded.
    std::int16_t StartupPhase = 0;
    bool TrayActive = false;
    bool AlwaysOnTop = false;
    bool IntroEnabled = false;
    bool SwitchSides = false;
    bool PrecisionOn = false;
    bool NeedsRefresh = false;
    bool OptionsOpen = false;
    bool WizardOpen = false;
    bool CalculatorOpen = false;
    // A value field was typed in while the calculator is open; the calculator clears it.
    bool MainWindowEdited = false;
    // Forwarded command lines are received (the hand-over channel is open for them).
    bool Hooked = false;
};

} // namespace ombrix
