#include "settings/DataFolder.h"

#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace ombrix {
namespace {

using testing::TempTree;

TEST(JoinPath, JoinsWithExactlyOneSeparator) {
    struct Case {
        std::string folder, name, joined;
    };
    const std::vector<Case> cases = {
        {"/data", "Quavomat", "/data/Quavomat"},
        {"/data/", "Quavomat", "/data/Quavomat"},
        {"/data", "  ", "/data"},
        {"/data", "", "/data"},
        {"/data/", "", "/data/"},
        {"/", "x", "/x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinPath(c.folder, c.name), c.joined) << c.folder << " + " << c.name;
}

TEST(AppDataFolder, FallsBackFromDataHomeToHomeToProgramFolder) {
    struct Case {
        std::string dataHome, home, expected;
    };
    const std::vector<Case> cases = {
        {"/xdg/share", "/home/u", "/xdg/share/Quavomat"},
        {"/xdg/share/", "/home/u", "/xdg/share/Quavomat"},
        {"", "/home/u", "/home/u/.local/share/Quavomat"},
        {"   ", "/home/u", "/home/u/.local/share/Quavomat"},
        {"relative/share", "/home/u", "/home/u/.local/share/Quavomat"},
        {"", "", "/opt/q"},
        {"", "  ", "/opt/q"},
    };
    for (const Case& c : cases) {
        SettingsEnvironment env;
        env.xdgDataHome = c.dataHome;
        env.home = c.home;
        EXPECT_EQ(AppDataFolder(env, "/opt/q", "Quavomat"), c.expected)
            << "'" << c.dataHome << "' '" << c.home << "'";
        EXPECT_EQ(DataFolder(env, "/opt/q"), c.expected);
    }
}

TEST(MakeDirPath, CreatesEveryMissingFolderAndToleratesExistingOnes) {
    TempTree tree;
    const std::filesystem::path deep = tree.root / "a" / "b" / "c";
    MakeDirPath(deep.string());
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    MakeDirPath(deep.string()); // all exist: goes through without effect
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    MakeDirPath(tree.root.string() + "/a//x//y");
    EXPECT_TRUE(std::filesystem::is_directory(tree.root / "a" / "x" / "y"));
    MakeDirPath("   ");
}

TEST(MakeDirPath, PassesOverAComponentItCannotCreate) {
    TempTree tree;
    testing::WriteFile(tree.root / "file", "x");
    // "file" exists as a file: the folders below it cannot be made, and nothing throws.
    MakeDirPath((tree.root / "file" / "sub").string());
    EXPECT_FALSE(std::filesystem::exists(tree.root / "file" / "sub"));
}

} // namespace
} // namespace ombrix
