#pragma once
// The options dialog, intro dialog, wizard and calculator are built by later
// work; until each exists, asking for it does nothing.

#include "mainwindow/rules/WindowPorts.h"

namespace ombrix {

class AbsentWindows : public OtherWindows {
public:
    void ShowOptions() override {}
    void ShowIntro() override {}
    void ShowWizard() override {}
    void ShowCalculator() override {}
    void HideWizard() override {}
    void HideCalculator() override {}
    void ReloadTexts(std::int16_t) override {}
    void SetWizardTopmost(bool) override {}
    void SetCalculatorTopmost(bool) override {}
    void EnableWizard(bool) override {}
    void EnableCalculator(bool) override {}
};

} // namespace ombrix
