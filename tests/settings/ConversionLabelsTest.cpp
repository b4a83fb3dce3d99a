#include "settings/ConversionLabels.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(ConversionLabels, SwitchedSidesTradeEachLabelWithItsPartner) {
    // Every text distinct, so a label taken from the wrong place shows.
    const ConversionTexts texts{"Length", "Metres", "Feet", "m", "ft", "a", "b", "intro"};
    struct Case {
        bool switchSides;
        PanelLabels expected;
    };
    for (const Case& c : {Case{false, {"m", "ft", "Metres", "Feet", "a", "b"}},
                          Case{true, {"ft", "m", "Feet", "Metres", "b", "a"}}}) {
        EXPECT_EQ(LabelsFor(texts, c.switchSides), c.expected) << c.switchSides;
    }
}

} // namespace
} // namespace ombrix
