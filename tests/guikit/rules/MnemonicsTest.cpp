#include "guikit/rules/Mnemonics.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(Mnemonics, MarksGoAndTheDoubledSignStays) {
    const struct {
        const char* caption;
        const char* shown;
    } cases[] = {
        {"&Calculator", "Calculator"},   {"Conversion &Wizard", "Conversion Wizard"},
        {"Save && Exit", "Save & Exit"}, {"&&&Both", "&Both"},
        {"Trailing &", "Trailing &"},    {"", ""},
        {"No marks", "No marks"},        {"&Options...", "Options..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithoutMnemonics(c.caption), c.shown) << c.caption;
    }
}

} // namespace
} // namespace ombrix
