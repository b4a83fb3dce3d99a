#pragma once
// What the options and intro dialogs need of the program around them: the
// main window, its flags and its tool windows. The main window implements
// these; the dialogs never see it directly.

#include "guikit/rules/ToolWindow.h"

#include <cstdint>
#include <string>

namespace ombrix {

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // The index the main window's conversion list selects; -1 for none.
    virtual std::int16_t MainListSelection() const = 0;
    // Re-reads the catalogue into the main window's list, keeping its
    // selection when it still exists, and loads the selected conversion.
    virtual void RefreshMainWindow() = 0;
    virtual bool MainWindowVisible() const = 0;
    // Shows the main window; from then on the program runs as after a normal start.
    virtual void ShowMainWindow() = 0;
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // The always-on-top band and the open wizard and calculator windows.
    virtual void EnableMainWindows(bool on) = 0;
    // Applies the catalogue's language file to window `window`; false when it
    // failed (its message has been shown).
    virtual bool LoadLanguage(std::int16_t window) = 0;
    // Closes every window and ends the program.
    virtual void EndProgram() = 0;
    virtual void ShowIntro() = 0;
    // The program was started with the command line "/Once".
    virtual bool StartedOnce() const = 0;
    virtual bool IntroEnabled() const = 0;
    virtual bool WizardOpen() const = 0;
    virtual bool CalculatorOpen() const = 0;
    virtual void SetStartupPhase(std::int16_t phase) = 0;
    // The main window refreshes itself from the catalogue at its next activation.
    virtual void SetNeedsRefresh() = 0;
    virtual void SetOptionsOpen(bool open) = 0;
    // The dialog closed and the program goes on: what waited for it may run.
    virtual void OptionsClosed() = 0;
};

class IntroHost {
public:
    virtual ~IntroHost() = default;
    virtual bool AlwaysOnTop() const = 0;
    virtual bool WizardOpen() const = 0;
    virtual bool CalculatorOpen() const = 0;
    virtual void SetMainWindowTopmost(bool on) = 0;
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    virtual ToolWindow& Wizard() = 0;
    virtual ToolWindow& Calculator() = 0;
    // The loaded conversion's name and intro text.
    virtual std::string ConversionName() const = 0;
    virtual std::string IntroText() const = 0;
    // The intro option: the flag, the main window's menu item and the stored setting.
    virtual void SetIntroEnabled(bool on) = 0;
};

} // namespace ombrix
