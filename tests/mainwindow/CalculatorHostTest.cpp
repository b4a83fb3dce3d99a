#include "PanelFixture.h"

#include "mainwindow/rules/CalculatorHostAdapter.h"

namespace ombrix::testing {
namespace {

class CalculatorHostTest : public PanelFixture {
protected:
    CalculatorHostAdapter host{view, panel, flags};
};

TEST_F(CalculatorHostTest, ConvertsAsEnterDoesButKeepsBothFieldsWhenNothingConverts) {
    struct Case {
        int field;
        bool swapped;
        std::string result;
        bool format;
        bool forward;
        std::string text1, text2;
    };
    for (const Case& c : {
             Case{1, false, " 4,54", true, true, "[10]", "4,54"},
             Case{2, false, "4,54", false, false, "4,54", "20"},
             Case{2, true, "4,54", true, true, "4,54", "[20]"},
             Case{1, false, "", true, true, "10", "20"}, // the conversion's error box was shown
             Case{2, true, "", false, true, "10", "20"},
         }) {
        SCOPED_TRACE(c.field * 10 + c.swapped);
        flags.SwitchSides = c.swapped;
        view.text1 = "10";
        view.text2 = "20";
        conversion.evaluations.clear();
        conversion.result = c.result;
        conversion.currentFormat = c.format;
        EXPECT_EQ(host.ConvertField(c.field), !c.result.empty());
        ASSERT_EQ(conversion.evaluations.size(), 1u);
        EXPECT_EQ(conversion.evaluations[0].second, c.forward);
        EXPECT_EQ(view.text1, c.text1);
        EXPECT_EQ(view.text2, c.text2);
    }
}

TEST_F(CalculatorHostTest, SharesTheFieldsOptionsAndFlags) {
    view.activeOption = 2;
    EXPECT_EQ(host.SelectedField(), 2);
    host.SetFieldText(2, "7");
    EXPECT_EQ(view.text2, "7");
    EXPECT_EQ(host.FieldText(2), "7");

    host.SetCalculatorOpen(true);
    EXPECT_TRUE(flags.CalculatorOpen);
    panel.FieldKey(1); // typing in the main window while the calculator is open
    EXPECT_EQ(host.SelectedField(), 1);
    EXPECT_TRUE(host.MainWindowEdited());
    host.ClearMainWindowEdited();
    EXPECT_FALSE(flags.MainWindowEdited);
    flags.AlwaysOnTop = true;
    EXPECT_TRUE(host.AlwaysOnTop());
    host.SetCalculatorOpen(false);
    EXPECT_FALSE(flags.CalculatorOpen);
}

} // namespace
} // namespace ombrix::testing
