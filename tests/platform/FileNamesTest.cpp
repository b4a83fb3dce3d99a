#include "platform/posix/Paths.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace ombrix::platform {
namespace {

// A stored name (Windows-1252) and the same name as the file system spells it (UTF-8).
struct NameCase {
    const char* what;
    std::string stored;
    std::string native;
};

TEST(FileNames, StoredNamesMeetTheFileSystemInUtf8) {
    const NameCase cases[] = {
        {"ASCII", "/tmp/peso.nod", "/tmp/peso.nod"},
        {"e acute", "/home/jos\xe9/peso.nod", "/home/jos\xc3\xa9/peso.nod"},
        {"euro sign, code 0x80", "/data/\x80-rates.nod", "/data/\xe2\x82\xac-rates.nod"},
        {"y diaeresis, code 0x9F", "\x9f", "\xc5\xb8"},
        {"a code left undefined keeps its control character", "a\x81z", "a\xc2\x81z"},
        {"last code", "\xff", "\xc3\xbf"},
        {"empty", "", ""},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(ToFileSystemPath(c.stored), c.native) << c.what;
        const CodePageText back = FromFileSystemPath(c.native);
        EXPECT_TRUE(back.Ok()) << c.what << ": " << back.refused;
        EXPECT_EQ(back.text, c.stored) << c.what;
    }
    // A stored backslash is a separator to the file system, and only then.
    EXPECT_EQ(ToFileSystemPath("euro\\caf\xe9.nod"), "euro/caf\xc3\xa9.nod");
}

TEST(FileNames, EveryStoredCharacterComesBackUnchanged) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        if (c != '\\')
            all.push_back(static_cast<char>(c));
    }
    const CodePageText back = FromFileSystemPath(ToFileSystemPath(all));
    ASSERT_TRUE(back.Ok()) << back.refused;
    EXPECT_EQ(back.text, all);
}

// Names the program cannot store: what is refused, and the code point named.
struct RefusedCase {
    const char* what;
    std::string native;
    std::string refused;
    char32_t character;
};

TEST(FileNames, NamesWindows1252CannotHoldAreRefusedNamingTheCharacter) {
    const RefusedCase cases[] = {
        {"o double acute", "/home/\xc5\x91z/peso.nod", "\xc5\x91", 0x151},
        {"CJK", "/data/\xe6\x9d\xb1.nod", "\xe6\x9d\xb1", 0x6771},
        {"outside the basic plane", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80", 0x1F600},
        {"the first refused character is named", "\xc3\xa9\xc5\x91\xe6\x9d\xb1", "\xc5\x91", 0x151},
        {"a Latin-1 byte, no UTF-8", "/home/jos\xe9/x", "byte 0xE9", 0},
        {"overlong slash", "a\xc0\xaf", "byte 0xC0", 0},
        {"surrogate", "\xed\xa0\x80", "byte 0xED", 0},
        {"cut off at the end", "caf\xc3", "byte 0xC3", 0},
        {"past U+10FFFF", "\xf4\x90\x80\x80", "byte 0xF4", 0},
        {"a continuation byte alone", "\x80", "byte 0x80", 0},
    };
    for (const RefusedCase& c : cases) {
        const CodePageText result = FromFileSystemPath(c.native);
        EXPECT_FALSE(result.Ok()) << c.what;
        EXPECT_EQ(result.refused, c.refused) << c.what;
        EXPECT_EQ(result.character, c.character) << c.what;
        EXPECT_EQ(result.text, "") << c.what << ": no lossy name to look up";
    }
}

TEST(FileNames, TheMessageNamesTheFileAndTheCharacter) {
    const std::string name = "/home/\xc5\x91z/peso.nod";
    EXPECT_EQ(RefusedFileNameMessage(name, FromFileSystemPath(name)),
              "The file name \"/home/\xc5\x91z/peso.nod\" cannot be used: it holds the character "
              "\"\xc5\x91\" (U+0151), which the program's character set (Windows-1252) does "
              "not hold.");
    const std::string latin1 = "/home/jos\xe9/x";
    EXPECT_EQ(RefusedFileNameMessage(latin1, FromFileSystemPath(latin1)),
              "The file name \"/home/jos?/x\" cannot be used: it holds a byte 0xE9 that is not "
              "UTF-8.");
}

TEST(FileNames, StoredNamesFindFilesOnDisk) {
    const std::filesystem::path root = testing::TestFolderPath("filenames_");
    const std::filesystem::path folder = root / "jos\xc3\xa9";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "\xe2\x82\xac.nod") << "NAME x\r\n";
    const std::string stored = FromFileSystemPath(root.string()).text + "/jos\xe9";
    EXPECT_TRUE(FileExists(stored + "/\x80.nod"));
    EXPECT_TRUE(FileExists(stored + "\\\x80.nod"));
    EXPECT_FALSE(FileExists(stored + "/E.nod"));
    std::filesystem::remove_all(root);
}

} // namespace
} // namespace ombrix::platform
