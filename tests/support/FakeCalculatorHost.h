#pragma once
// The main window as the calculator's rules see it: two fields, the selected
// one, a conversion that answers as scripted, and the shared flags.

#include "calculator/rules/CalculatorHost.h"

#include <string>
#include <vector>

namespace ombrix::testing {

class FakeCalculatorHost : public CalculatorHost {
public:
    std::string text1, text2;
    int selected = 1;
    bool edited = false;
    bool open = false;
    bool onTop = false;
    // What a conversion puts into the other field; empty: nothing converted.
    std::string conversionResult = "2,00";
    std::vector<int> conversions; // the fields converted

    std::string FieldText(int field) const override { return field == 1 ? text1 : text2; }
    void SetFieldText(int field, const std::string& text) override {
        (field == 1 ? text1 : text2) = text;
    }
    int SelectedField() const override { return selected; }
    bool ConvertField(int field) override {
        conversions.push_back(field);
        if (conversionResult.empty()) {
            return false;
        }
        (field == 1 ? text2 : text1) = conversionResult;
        return true;
    }
    bool MainWindowEdited() const override { return edited; }
    void ClearMainWindowEdited() override { edited = false; }
    void SetCalculatorOpen(bool o) override { open = o; }
    bool AlwaysOnTop() const override { return onTop; }
};

} // namespace ombrix::testing
