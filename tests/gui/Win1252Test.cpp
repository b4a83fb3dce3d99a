#include "platform/qt/Win1252.h"

#include <gtest/gtest.h>

namespace ombrix::platform {
namespace {

TEST(Win1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all.push_back(static_cast<char>(c));
    }
    bool lossless = false;
    EXPECT_EQ(ToWin1252(FromWin1252(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Win1252, KnownCharacters) {
    EXPECT_EQ(FromWin1252("\x80 5"), QString::fromUtf8("\u20ac 5"));
    EXPECT_EQ(FromWin1252("\xe9\x9f"), QString::fromUtf8("\u00e9\u0178"));
    bool lossless = true;
    EXPECT_EQ(ToWin1252(QString::fromUtf8("a\u4e2db\u20ac"), &lossless), "a?b\x80");
    EXPECT_FALSE(lossless);
}

// File names cross by the file system's conversion: separators included, and
// a name Windows-1252 cannot hold is refused rather than turned into "?".
TEST(Win1252, FileNames) {
    EXPECT_EQ(QtFileName("/home/jos\xe9\\\x80.nod"),
              QString::fromUtf8("/home/jos\u00e9/\u20ac.nod"));
    const CodePageText stored = StoredFileName(QString::fromUtf8("/home/jos\u00e9/\u20ac.nod"));
    EXPECT_TRUE(stored.Ok());
    EXPECT_EQ(stored.text, "/home/jos\xe9/\x80.nod");
    const CodePageText refused = StoredFileName(QString::fromUtf8("/tmp/\u0151.nod"));
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.character, U'\u0151');
    EXPECT_EQ(refused.text, "");
}

} // namespace
} // namespace ombrix::platform
