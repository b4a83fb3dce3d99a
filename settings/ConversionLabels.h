#pragma once
// What a window shows of the loaded conversion beside its two value fields,
// and the rule that places those texts when the fields are switched.

#include <string>

namespace ombrix {

// The texts of the loaded conversion that the windows show.
struct ConversionTexts {
    std::string name;
    std::string input1;
    std::string input2;
    std::string symbol1;
    std::string symbol2;
    std::string symbol3;
    std::string symbol4;
    std::string intro;
};

// The six labels beside the value fields.
struct PanelLabels {
    std::string label1; // left of the first field
    std::string label2; // left of the second field
    std::string label3; // above the first field
    std::string label4; // above the second field
    std::string label5; // right of the first field
    std::string label6; // right of the second field
    bool operator==(const PanelLabels&) const = default;
};

// The labels for `texts`, the first field's side first. Switched sides trade
// each label with its partner beside the other field.
PanelLabels LabelsFor(const ConversionTexts& texts, bool switchSides);

} // namespace ombrix
