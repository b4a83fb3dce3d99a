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

} // namespace
} // namespace ombrix::platform
