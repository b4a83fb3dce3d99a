#include "base/TextCase.h"
#include "engine/ConversionDefinition.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ombrix {
namespace {

// The lookups as a reader of the file would do them: entry by entry.
int ReferenceChange(const std::vector<TextPair>& table, const std::string& input, bool forward) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string& key = forward ? table[i].from : table[i].to;
        if (input.compare(0, key.size(), key) == 0 && key.size() <= input.size())
            return static_cast<int>(i);
    }
    return -1;
}

int ReferenceTranslation(const std::vector<TextPair>& table, const std::string& input,
                         bool forward) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string& key = forward ? table[i].from : table[i].to;
        if (key.size() == input.size() && ToUpper1252(key) == ToUpper1252(input))
            return static_cast<int>(i);
    }
    return -1;
}

TEST(ConversionLookup, FirstEntryInFileOrderWins) {
    ConversionDefinition def;
    ASSERT_TRUE(def.AppendChange("020", "010"));
    ASSERT_TRUE(def.AppendChange("0", "9"));
    ASSERT_TRUE(def.AppendChange("0201", "x"));
    ASSERT_TRUE(def.AppendChange("", "01"));
    def.BuildIndexes();
    struct Case {
        const char* input;
        bool forward;
        int expected;
    };
    const Case cases[] = {
        {"020 123", true, 0}, {"0201", true, 0},   {"030", true, 1}, {"5", true, 3},
        {"", true, 3},        {"010 5", false, 0}, {"9", false, 1},  {"x", false, 2},
        {"0", false, -1},     {"01", false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(def.FindChange(c.input, c.forward), c.expected);
    }

    ASSERT_TRUE(def.AppendTranslation("Si", "Yes"));
    ASSERT_TRUE(def.AppendTranslation("si", "Oui"));
    ASSERT_TRUE(def.AppendTranslation("\xC9t\xE9", "Summer"));
    def.BuildIndexes();
    EXPECT_EQ(def.FindTranslation("SI", true), 0);
    EXPECT_EQ(def.FindTranslation("\xE9T\xC9", true), 2);
    EXPECT_EQ(def.FindTranslation("Si ", true), -1);
    EXPECT_EQ(def.FindTranslation("yes", false), 0);
    EXPECT_EQ(def.FindTranslation("OUI", false), 1);
}

TEST(ConversionLookup, ChangesAfterTheLastBuildAreStillFound) {
    ConversionDefinition def;
    def.AppendChange("a", "b");
    def.AppendTranslation("[x]", "[y]");
    def.BuildIndexes();
    def.AppendChange("c", "d");
    def.AppendTranslation("z", "w");
    EXPECT_EQ(def.FindChange("c1", true), 1);
    EXPECT_EQ(def.FindTranslation("Z", true), 1);
    ConversionDefinition copy = def;
    copy.BuildIndexes();
    def.Clear();
    EXPECT_EQ(copy.FindChange("d", false), 1);
    EXPECT_EQ(copy.FindTranslation("W", false), 1);
    EXPECT_EQ(def.FindChange("c1", true), -1);
}

// Random tables over a tiny alphabet, so keys repeat, nest and differ only in
// case; every answer of the index must equal the scan's.
TEST(ConversionLookup, IndexAnswersExactlyAsAScanInFileOrder) {
    std::mt19937 random(20240611);
    const std::string alphabet = std::string("aAb\xE9\xC9", 5) + std::string(1, '\0');
    auto randomText = [&](int maxLength) {
        std::string text(std::uniform_int_distribution<int>(0, maxLength)(random), ' ');
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        return text;
    };
    int checked = 0;
    for (int round = 0; round < 400; ++round) {
        ConversionDefinition def;
        const int entries = std::uniform_int_distribution<int>(0, 80)(random);
        const int maxKey = round % 2 == 0 ? 3 : 6;
        std::vector<TextPair> table;
        for (int i = 0; i < entries; ++i) {
            TextPair pair{randomText(maxKey), randomText(maxKey)};
            table.push_back(pair);
            ASSERT_TRUE(def.AppendChange(pair.from, pair.to));
            ASSERT_TRUE(def.AppendTranslation(pair.from, pair.to));
        }
        def.BuildIndexes();
        std::vector<std::string> inputs;
        for (int q = 0; q < 60; ++q)
            inputs.push_back(randomText(maxKey + 3));
        for (const TextPair& pair : table) {
            inputs.push_back(pair.from + randomText(2));
            inputs.push_back(ToLower1252(pair.to));
        }
        for (const std::string& input : inputs) {
            for (bool forward : {true, false}) {
                ASSERT_EQ(def.FindChange(input, forward), ReferenceChange(table, input, forward))
                    << "round " << round << " forward " << forward;
                ASSERT_EQ(def.FindTranslation(input, forward),
                          ReferenceTranslation(table, input, forward))
                    << "round " << round << " forward " << forward;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 40000);
}

// Long chains of keys that are prefixes of one another, in shuffled file
// order: the climb up a chain must still land on the right entry.
TEST(ConversionLookup, DeepPrefixChains) {
    std::mt19937 random(7);
    std::vector<int> lengths(3000);
    for (std::size_t i = 0; i < lengths.size(); ++i)
        lengths[i] = static_cast<int>(i % 1500) + (i % 7 == 0 ? 0 : 1);
    std::shuffle(lengths.begin(), lengths.end(), random);
    ConversionDefinition def;
    std::vector<TextPair> table;
    for (int length : lengths) {
        TextPair pair{std::string(length, 'a'), std::string(length, 'a') + "b"};
        table.push_back(pair);
        ASSERT_TRUE(def.AppendChange(pair.from, pair.to));
    }
    def.BuildIndexes();
    for (int m = 0; m < 1600; m += 3) {
        for (const std::string& input :
             {std::string(m, 'a'), std::string(m, 'a') + "b", std::string(m, 'a') + "c"}) {
            for (bool forward : {true, false})
                ASSERT_EQ(def.FindChange(input, forward), ReferenceChange(table, input, forward))
                    << m;
        }
    }
}

TEST(ConversionLookup, ListsStopAtTheirCapacity) {
    ConversionDefinition def;
    for (std::size_t i = 0; i < ConversionDefinition::MaxMathSteps; ++i)
        ASSERT_TRUE(def.AppendMathStep("x"));
    EXPECT_FALSE(def.AppendMathStep("y"));
    for (std::size_t i = 0; i < ConversionDefinition::MaxChanges; ++i)
        ASSERT_TRUE(def.AppendChange(std::to_string(i), "t"));
    EXPECT_FALSE(def.AppendChange("z", "t"));
    EXPECT_EQ(def.ChangeTable().size(), 25566u);
    EXPECT_EQ(def.MathSteps().size(), 21u);
    EXPECT_TRUE(def.HasChangeTable());
    def.BuildIndexes();
    EXPECT_EQ(def.FindChange("25565", true), 2); // "2" is the first prefix
    EXPECT_EQ(def.FindChange("z", true), -1);
}

} // namespace
} // namespace ombrix
