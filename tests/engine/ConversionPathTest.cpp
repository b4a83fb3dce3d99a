#include "engine/ConversionPath.h"

#include "DefinitionTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrix {
namespace {

using testing::TempFolders;

TEST(ConversionPath, Resolution) {
    TempFolders temp;
    const std::string program = temp.folders.program;
    const std::string data = temp.folders.data;
    TempFolders::Write(data, "mine\\own.nod", "NAME own\r\n");
    TempFolders::Write(data, "both.nod", "");
    TempFolders::Write(program, "both.nod", "");
    TempFolders::Write(program, "upper.NOD", "");
    TempFolders::Write(data, "mixed.nOd", "");
    struct Case {
        std::string path;
        std::string callerAfter;
        std::string resolved;
    };
    const Case cases[] = {
        {"euro\\DEM", "euro\\DEM.nod", program + "/euro\\DEM.nod"},
        {"C:\\x\\y.NOD", "C:\\x\\y.NOD", "C:\\x\\y.NOD"},
        {"D:x.nod", "D:x.nod", program + "/D:x.nod"},
        {"/abs/file", "/abs/file.nod", "/abs/file.nod"},
        {program + "/euro/FRF.nOd", program + "/euro/FRF.nOd", program + "/euro/FRF.nOd"},
        {"x.nodx", "x.nodx.nod", program + "/x.nodx.nod"},
        {"od", "od.nod", program + "/od.nod"},
        {"", ".nod", program + "/.nod"},
        // Found only in the data folder: taken from there.
        {"mine\\own", "mine\\own.nod", data + "/mine\\own.nod"},
        // In both: the program folder comes first, whatever case the
        // extension was asked in.
        {"both.NOD", "both.NOD", program + "/both.nod"},
        // The extension in another case than asked: the file that exists.
        {"upper", "upper.nod", program + "/upper.NOD"},
        {program + "/upper.nod", program + "/upper.nod", program + "/upper.NOD"},
        {"mixed", "mixed.nod", data + "/mixed.nOd"},
        {"missing", "missing.nod", program + "/missing.nod"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string path = c.path;
        EXPECT_EQ(ResolveConversionPath(path, temp.folders), c.resolved);
        EXPECT_EQ(path, c.callerAfter);
    }
}

TEST(ConversionPath, ProgramFolderPrefixIsCompared_WithLetterCase) {
    // Only relevant where names are not absolute by their first character.
    platform::ProgramFolders folders{"prog", ""};
    std::string inside = "prog\\a";
    EXPECT_EQ(ResolveConversionPath(inside, folders), "prog\\a.nod");
    std::string other = "PROG\\a";
    EXPECT_EQ(ResolveConversionPath(other, folders),
              std::string("prog") + platform::NativeSeparator + "PROG\\a.nod");
}

TEST(ConversionPath, Titles) {
    TempFolders temp;
    const std::string program = temp.folders.program;
    TempFolders::Write(program, "euro\\DEM.nod", "NAME Mark\r\nURLX y\r\n");
    TempFolders::Write(program, "titled.nod", "NAME a\r\nurlnXDeutsche Mark\r\nURLN second\r\n");
    TempFolders::Write(program, "empty title.nod", "URLN\r\nURLN later\r\n");
    TempFolders::Write(program, "Upper.NOD", "");
    TempFolders::Write(temp.folders.data, "own.nod", "URLN Own one");
    TempFolders::Write(program, "linux.nod", "NAME a\nURLN Linux\nINPUT1 b\n");
    TempFolders::Write(program, "mixed.nod", "NAME a\r\nURLN Mixed\nINPUT1 b\r\n");
    struct Case {
        std::string path;
        std::optional<std::string> title;
        std::string callerAfter;
    };
    const Case cases[] = {
        {"euro\\DEM", "DEM", "euro\\DEM.nod"},
        {"titled", "Deutsche Mark", "titled.nod"},
        {"empty title.nod", "", "empty title.nod"},
        {"Upper.NOD", "Upper", "Upper.NOD"},
        {"own", "Own one", "own.nod"},
        {"linux", "Linux", "linux.nod"},
        {"mixed", "Mixed", "mixed.nod"},
        {program + "/euro/DEM.nod", "DEM", program + "/euro/DEM.nod"},
        {"missing", std::nullopt, "missing.nod"},
        {"euro", std::nullopt, "euro.nod"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string path = c.path;
        EXPECT_EQ(ReadConversionTitle(path, temp.folders), c.title);
        EXPECT_EQ(path, c.callerAfter);
    }
}

TEST(ConversionPath, TitleOfAnUnreadableFileFails) {
    TempFolders temp;
    TempFolders::Write(temp.folders.program, "long.nod",
                       "NAME x\r" + std::string(70000, 'z') + "\rURLN late\r");
    std::string path = "long";
    EXPECT_EQ(ReadConversionTitle(path, temp.folders), std::nullopt);
    // A directory named like a conversion file is no file.
    std::filesystem::create_directories(temp.folders.program + "/dir.nod");
    std::string dir = "dir";
    EXPECT_EQ(ReadConversionTitle(dir, temp.folders), std::nullopt);
}

} // namespace
} // namespace ombrix
