#include "editor/rules/FindRules.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

class StringTarget : public SearchTarget {
public:
    std::string text;
    int start = 0;
    int length = 0;
    std::string Text() const override { return text; }
    int SelStart() const override { return start; }
    int SelLength() const override { return length; }
    void Select(int s, int l) override {
        start = s;
        length = l;
    }
    void ReplaceSelection(const std::string& t) override {
        text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), t);
        start += static_cast<int>(t.size());
        length = 0;
    }
};

class FindRulesTest : public ::testing::Test {
protected:
    FindRulesTest() {
        texts.Set(201, "not found");
        texts.Set(202, "Find");
        texts.Set(203, "Replaced ");
        texts.Set(204, " times");
    }
    StringTarget target;
    testing::RecordingSink sink;
    MessageTexts texts;
    FindRules rules{sink, texts};
};

struct SearchCase {
    const char* text;
    int start, length;
    const char* find;
    std::uint32_t flags;
    bool forward;
    int foundAt; // -1: not found
};

class SearchCases : public FindRulesTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchCases, SelectsTheOccurrenceOrAnnounces) {
    const SearchCase c = GetParam();
    target.text = c.text;
    target.Select(c.start, c.length);
    const bool found = c.forward ? rules.FindForward(target, c.find, c.flags, true)
                                 : rules.FindBackward(target, c.find, c.flags);
    if (c.foundAt < 0) {
        EXPECT_FALSE(found);
        EXPECT_EQ(target.start, c.start);
        EXPECT_EQ(target.length, c.length);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, "not found");
        EXPECT_EQ(sink.messages[0].title, "Find");
        EXPECT_EQ(sink.messages[0].icon, MessageIcon::Exclamation);
    } else {
        EXPECT_TRUE(found);
        EXPECT_EQ(target.start, c.foundAt);
        EXPECT_EQ(target.length, static_cast<int>(std::string(c.find).size()));
        EXPECT_TRUE(sink.messages.empty());
    }
}

constexpr std::uint32_t W = FindFlag::WholeWord;
constexpr std::uint32_t M = FindFlag::MatchCase;

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchCases,
    ::testing::Values(
        // whole word: the n of concat is a word character
        SearchCase{"cat concat", 0, 0, "cat", W, true, 0},
        SearchCase{"cat concat", 0, 3, "cat", W, true, -1},
        SearchCase{"cats", 0, 0, "cat", W, true, -1},
        SearchCase{"the cat", 0, 0, "cat", W, true, 4},
        // underscore and accented letters separate words
        SearchCase{"my_cat", 0, 0, "cat", W, true, 3},
        SearchCase{"\xE9"
                   "cat\xE8",
                   0, 0, "cat", W, true, 1},
        SearchCase{"Xcat 5cat", 0, 0, "cat", W, true, -1},
        // the search resumes at the second character of the selection
        SearchCase{"aaaa", 0, 0, "aa", 0, true, 0}, SearchCase{"aaaa", 0, 2, "aa", 0, true, 1},
        // letter case: ignored unless asked for, accented letters too
        SearchCase{"a CAT", 0, 0, "cat", 0, true, 2}, SearchCase{"a CAT", 0, 0, "cat", M, true, -1},
        SearchCase{"x \xC9T\xC9", 0, 0, "\xE9t\xE9", 0, true, 2},
        // upwards: the nearest occurrence before the insertion point
        SearchCase{"abcabc", 6, 0, "abc", 0, false, 3},
        SearchCase{"abcabc", 3, 3, "abc", 0, false, 0},
        SearchCase{"abcabc", 2, 0, "abc", 0, false, -1},
        SearchCase{"cat concat", 10, 0, "cat", W, false, 0},
        SearchCase{"", 0, 0, "cat", 0, true, -1}, SearchCase{"abc", 0, 0, "", 0, true, -1}));

TEST(FindLastBefore, LimitsAndModes) {
    EXPECT_EQ(FindLastBefore(6, "abcabc", "abc", CompareExact), 4);
    EXPECT_EQ(FindLastBefore(5, "abcabc", "abc", CompareExact), 1);
    EXPECT_EQ(FindLastBefore(2, "abcabc", "abc", CompareExact), 0);
    EXPECT_EQ(FindLastBefore(6, "abcABC", "abc", CompareText), 4);
    EXPECT_EQ(FindLastBefore(60, "abc", "abc", CompareExact), 1);
}

TEST(IsWholeWord, TheThirtySixCharactersInEitherCase) {
    for (char c : std::string(WordCharacters)) {
        EXPECT_FALSE(IsWholeWord(c, ' ')) << c;
        EXPECT_FALSE(IsWholeWord(' ', static_cast<char>(std::toupper(c)))) << c;
    }
    for (char c : std::string(" _.-\r\n\t\xE9\xC4")) {
        EXPECT_TRUE(IsWholeWord(c, c)) << static_cast<int>(c);
    }
}

TEST_F(FindRulesTest, ReplaceUsesTheCompareModeForTheSelection) {
    target.text = "Cat and cat";
    target.Select(0, 3);
    rules.ReplaceOnce(target, "cat", "dog", 0);
    EXPECT_EQ(target.text, "dog and cat");
    EXPECT_EQ(target.start, 8); // the next occurrence found and selected
    EXPECT_EQ(target.length, 3);

    target.text = "Cat and cat";
    target.Select(0, 3);
    rules.ReplaceOnce(target, "cat", "dog", M);
    EXPECT_EQ(target.text, "Cat and cat");
    EXPECT_EQ(target.start, 8);
}

TEST_F(FindRulesTest, ReplaceAllNeverFindsItsOwnReplacementsAndCounts) {
    target.text = "aaa";
    target.Select(3, 0);
    EXPECT_EQ(rules.ReplaceAll(target, "a", "aa", 0), 3);
    EXPECT_EQ(target.text, "aaaaaa");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Replaced 3 times");
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Information);

    sink.messages.clear();
    target.text = "x cat y cat";
    EXPECT_EQ(rules.ReplaceAll(target, "cat", "", 0), 2);
    EXPECT_EQ(target.text, "x  y ");
    EXPECT_EQ(sink.messages.at(0).text, "Replaced 2 times");

    sink.messages.clear();
    EXPECT_EQ(rules.ReplaceAll(target, "dog", "cat", 0), 0);
    EXPECT_EQ(sink.messages.at(0).text, "not found");
}

TEST_F(FindRulesTest, NotificationsRunInOrderAndFindNextFollowsTheDirection) {
    target.text = "cat cat cat";
    target.Select(4, 3);
    rules.Handle(target, "cat", "", FindFlag::FindNext | FindFlag::Down);
    EXPECT_EQ(target.start, 8);
    rules.Handle(target, "cat", "", FindFlag::FindNext);
    EXPECT_EQ(target.start, 4);
    rules.Handle(target, "cat", "dog", FindFlag::Replace);
    EXPECT_EQ(target.text, "cat dog cat");
    EXPECT_EQ(target.start, 8);
}

} // namespace
} // namespace ombrix
