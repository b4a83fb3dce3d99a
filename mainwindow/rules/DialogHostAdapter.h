#pragma once
// The main window as the options and intro dialogs see it: its list, its
// flags, its tool windows, its language texts and the end of the program.

#include "base/Registry.h"
#include "guikit/rules/WindowLanguage.h"
#include "mainwindow/rules/ConversionPanel.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/WindowPorts.h"
#include "settings/dialogs/rules/DialogHosts.h"

#include <functional>

namespace ombrix {

struct DialogHostServices {
    MainView& view;
    ConversionPanel& panel;
    ConversionPort& conversion;
    MainFlags& flags;
    ToolWindows tools;
    WindowLanguage& language;
    Registry& registry;
    MainDialogs& dialogs;
    // Closes every window and ends the run.
    std::function<void()> endProgram;
    // Runs the command lines handed over while the options dialog was open.
    std::function<void()> optionsClosed;
    // The command line was exactly "/Once".
    bool startedOnce = false;
};

class DialogHostAdapter : public OptionsHost, public IntroHost {
public:
    explicit DialogHostAdapter(DialogHostServices services) : s_(std::move(services)) {}

    // OptionsHost.
    std::int16_t MainListSelection() const override { return s_.view.ListSelection(); }
    void RefreshMainWindow() override { s_.panel.RefreshFromCatalogue(); }
    bool MainWindowVisible() const override { return s_.view.WindowVisible(); }
    void ShowMainWindow() override;
    void SetMainWindowEnabled(bool enabled) override { s_.view.SetWindowEnabled(enabled); }
    void EnableMainWindows(bool on) override;
    bool LoadLanguage(std::int16_t window) override { return s_.language.ApplyTexts(window); }
    void EndProgram() override { s_.endProgram(); }
    void ShowIntro() override { s_.dialogs.ShowIntro(); }
    bool StartedOnce() const override { return s_.startedOnce; }
    bool IntroEnabled() const override { return s_.flags.IntroEnabled; }
    bool WizardOpen() const override { return s_.flags.WizardOpen; }
    bool CalculatorOpen() const override { return s_.flags.CalculatorOpen; }
    void SetStartupPhase(std::int16_t phase) override { s_.flags.StartupPhase = phase; }
    void SetNeedsRefresh() override { s_.flags.NeedsRefresh = true; }
    void SetOptionsOpen(bool open) override { s_.flags.OptionsOpen = open; }
    void OptionsClosed() override { s_.optionsClosed(); }

    // IntroHost.
    bool AlwaysOnTop() const override { return s_.flags.AlwaysOnTop; }
    void SetMainWindowTopmost(bool on) override { s_.view.SetTopmost(on); }
    ToolWindow& Wizard() override { return s_.tools.wizard; }
    ToolWindow& Calculator() override { return s_.tools.calculator; }
    std::string ConversionName() const override { return s_.conversion.Texts().name; }
    std::string IntroText() const override { return s_.conversion.Texts().intro; }
    void SetIntroEnabled(bool on) override;

private:
    DialogHostServices s_;
};

} // namespace ombrix
