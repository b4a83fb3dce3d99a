#pragma once
// The main window as the calculator sees it: its value fields and option
// buttons, the conversion its Enter runs, and the flags the two share.

#include "calculator/rules/CalculatorHost.h"
#include "mainwindow/rules/ConversionPanel.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/WindowPorts.h"

namespace ombrix {

class CalculatorHostAdapter : public CalculatorHost {
public:
    CalculatorHostAdapter(MainView& view, ConversionPanel& panel, MainFlags& flags)
        : view_(view), panel_(panel), flags_(flags) {}

    std::string FieldText(int field) const override { return view_.FieldText(field); }
    void SetFieldText(int field, const std::string& text) override {
        view_.SetFieldText(field, text);
    }
    int SelectedField() const override { return view_.ActiveOption(); }
    bool ConvertField(int field) override {
        return panel_.ConvertField(field, ConversionPanel::WhenNothingConverted::KeepFields);
    }
    bool MainWindowEdited() const override { return flags_.MainWindowEdited; }
    void ClearMainWindowEdited() override { flags_.MainWindowEdited = false; }
    void SetCalculatorOpen(bool open) override { flags_.CalculatorOpen = open; }
    bool AlwaysOnTop() const override { return flags_.AlwaysOnTop; }

private:
    MainView& view_;
    ConversionPanel& panel_;
    MainFlags& flags_;
};

} // namespace ombrix
