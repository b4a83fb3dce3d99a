#include "guikit/rules/TypeAhead.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

using Kind = TypeAheadAction::Kind;

struct Case {
    const char* what;
    std::string text;
    std::size_t caret;
    bool selected;
    char key;
    Kind kind;
    int index;
    std::size_t newCaret;
};

class TypeAheadTest : public ::testing::TestWithParam<Case> {};

TEST_P(TypeAheadTest, KeyBecomesOneAction) {
    const std::vector<std::string> items{"ATS",    "BEF",     "Euro-NLG",
                                         "EURO-x", "Text.nl", "\xc9t\xe9"};
    const Case& c = GetParam();
    const TypeAheadAction action = TypeAhead(items, c.text, c.caret, c.selected, c.key);
    EXPECT_EQ(action.kind, c.kind) << c.what;
    if (c.kind == Kind::Match) {
        EXPECT_EQ(action.index, c.index) << c.what;
        EXPECT_EQ(action.caret, c.newCaret) << c.what;
    }
    EXPECT_EQ(action.Searched(), c.kind == Kind::Match || c.kind == Kind::NoMatch) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypeAheadTest,
    ::testing::Values(
        Case{"first letter", "", 0, false, 'e', Kind::Match, 2, 1},
        Case{"eu after e", "Euro-NLG", 1, true, 'u', Kind::Match, 2, 2},
        Case{"capital letters match too", "", 0, false, 'T', Kind::Match, 4, 1},
        Case{"text after the caret is ignored", "Ext", 0, true, 'b', Kind::Match, 1, 1},
        Case{"full stop is searched", "Text", 4, true, '.', Kind::Match, 4, 5},
        Case{"no match", "Euro-NLG", 2, true, 'q', Kind::NoMatch, -1, 0},
        Case{"longer than every entry", "ATS", 3, true, 'x', Kind::NoMatch, -1, 0},
        Case{"accented letter in other case", "", 0, false, '\xe9', Kind::Match, 5, 1},
        Case{"escape", "Euro", 2, true, 27, Kind::ClearText, -1, 0},
        Case{"backspace with one char", "E", 1, true, 8, Kind::ClearText, -1, 0},
        Case{"backspace at start", "Euro", 0, true, 8, Kind::ClearText, -1, 0},
        Case{"backspace searches shorter prefix", "Eux", 3, false, 8, Kind::Match, 2, 2},
        Case{"enter with a selection", "BEF", 1, true, 13, Kind::SelectWholeText, -1, 0},
        Case{"enter without a selection", "zz", 2, false, 13, Kind::Match, 0, 0}),
    [](const auto& testCase) { return testing::CaseName(testCase.param.what); });

TEST(TypeAhead, EnterOnEmptyListFindsNothing) {
    EXPECT_EQ(TypeAhead({}, "", 0, false, 13).kind, Kind::NoMatch);
}

} // namespace
} // namespace ombrix
