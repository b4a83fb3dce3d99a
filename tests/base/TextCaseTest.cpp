#include "base/TextCase.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

char Byte(int code) {
    return static_cast<char>(static_cast<unsigned char>(code));
}

TEST(TextCase, LetterPairsOfTheCodePage) {
    struct Pair {
        int upper;
        int lower;
    };
    const Pair pairs[] = {
        {'A', 'a'},   {'Z', 'z'},   {0xC0, 0xE0}, {0xC9, 0xE9}, {0xD6, 0xF6}, {0xD8, 0xF8},
        {0xDE, 0xFE}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.upper);
        EXPECT_EQ(ToUpper1252(Byte(p.lower)), Byte(p.upper));
        EXPECT_EQ(ToLower1252(Byte(p.upper)), Byte(p.lower));
        EXPECT_EQ(ToUpper1252(Byte(p.upper)), Byte(p.upper));
        EXPECT_EQ(ToLower1252(Byte(p.lower)), Byte(p.lower));
    }
}

TEST(TextCase, CharactersWithoutACasePartnerStay) {
    // multiplication and division signs, sharp s, micro sign, euro, digits, NUL
    const int codes[] = {0xD7, 0xF7, 0xDF, 0xB5, 0x80, '0', '@', '[', '`', '{', 0x00, 0x9B, 0x8B};
    for (int code : codes) {
        SCOPED_TRACE(code);
        EXPECT_EQ(ToUpper1252(Byte(code)), Byte(code));
        EXPECT_EQ(ToLower1252(Byte(code)), Byte(code));
    }
}

TEST(TextCase, UpperAndLowerAreInverseOnEveryByte) {
    for (int code = 0; code < 256; ++code) {
        const char c = Byte(code);
        const char up = ToUpper1252(c);
        const char down = ToLower1252(c);
        if (up != c) {
            EXPECT_EQ(ToLower1252(up), c) << code;
        }
        if (down != c) {
            EXPECT_EQ(ToUpper1252(down), c) << code;
        }
        EXPECT_FALSE(up != c && down != c) << code;
    }
}

TEST(TextCase, TextsAndComparisons) {
    EXPECT_EQ(ToUpper1252("Stra\xDF"
                          "e \xE9t\xE9"),
              "STRA\xDF"
              "E \xC9T\xC9");
    EXPECT_EQ(ToLower1252("\x8A"
                          "KODA"),
              "\x9A"
              "koda");
    EXPECT_TRUE(EqualsIgnoreCase1252("\xC4pfel", "\xE4PFEL"));
    EXPECT_FALSE(EqualsIgnoreCase1252("abc", "abcd"));
    EXPECT_FALSE(EqualsIgnoreCase1252("\xD7", "\xF7"));
    EXPECT_TRUE(EqualsIgnoreCase1252(std::string("a\0b", 3), std::string("A\0B", 3)));
    EXPECT_TRUE(StartsWithIgnoreCase1252("chg 1,2", "CHG"));
    EXPECT_FALSE(StartsWithIgnoreCase1252("CH", "CHG"));
    EXPECT_TRUE(EndsWithIgnoreCase1252("a.NoD", ".nod"));
    EXPECT_FALSE(EndsWithIgnoreCase1252("od", ".nod"));
}

} // namespace
} // namespace ombrix
