#include "settings/FileRegistry.h"

#include "SettingsTestSupport.h"
#include "platform/posix/FileIo.h"
#include "settings/AutostartEntry.h"
#include "settings/StoreFormat.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>

namespace ombrix {
namespace {

using testing::FilesStartingWith;
using testing::ReadFile;
using testing::TempTree;
using testing::WriteFile;

constexpr std::string_view KeyWithoutSlash = "SOFTWARE\\Quillfen\\Quavomat Euro Edition";

class FileRegistryTest : public ::testing::Test {
protected:
    TempTree tree;
    FileRegistry registry{tree.env};
};

TEST_F(FileRegistryTest, StoresLiveInTheProgramsFolderOfEachHive) {
    EXPECT_EQ(registry.StoreFile(Hive::CurrentUser),
              (tree.root / "config/Quillfen/Quavomat/settings.store").string());
    EXPECT_EQ(registry.StoreFile(Hive::LocalMachine),
              (tree.root / "machine/Quillfen/Quavomat/settings.store").string());
    EXPECT_EQ(registry.AutostartFile(), (tree.root / "config/autostart/ombrixgo.desktop").string());
}

TEST_F(FileRegistryTest, ValuesReadBackExactly) {
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Switch", "1"},
        {"Name", "Dutch guilder - Euro \x80"},
        {"lines", "first\r\nsecond\nthird\r"},
        {"bytes", std::string("\0\x01\xff\"\\,", 7)},
        {"empty", ""},
        {"long", std::string(5000, 'x')},
        {"after long", "still readable"},
    };
    for (const auto& [name, text] : values)
        ASSERT_TRUE(registry.RegWrite(Hive::CurrentUser, SettingsKey, name, text)) << name;
    for (const auto& [name, text] : values)
        EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, name), text) << name;
}

TEST_F(FileRegistryTest, NamesCompareWithLetterCaseAndMissingReadsEmpty) {
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "Ontop", "1");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "ontop"), "");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "Ontop"), "1");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "absent"), "");
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "ontop", "0");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "Ontop"), "1");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "ontop"), "0");
}

TEST_F(FileRegistryTest, BothSpellingsOfTheKeyAreOneKey) {
    registry.RegWrite(Hive::CurrentUser, KeyWithoutSlash, "Tray", "1");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "Tray"), "1");
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "Tray", "0");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, KeyWithoutSlash, "Tray"), "0");
    EXPECT_EQ(ParseStore(ReadFile(registry.StoreFile(Hive::CurrentUser))).values.size(), 1u);
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, "SOFTWARE\\Other", "Tray"), "");
}

TEST_F(FileRegistryTest, HivesAreSeparate) {
    registry.RegWrite(Hive::LocalMachine, SettingsKey, "first", "0");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "first"), "");
    EXPECT_EQ(registry.RegRead(Hive::LocalMachine, SettingsKey, "first"), "0");
}

TEST_F(FileRegistryTest, DeleteRemovesOnlyThatValueAndReportsAMissingOne) {
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "a", "1");
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "b", "2");
    EXPECT_TRUE(registry.RegDelete(Hive::CurrentUser, SettingsKey, "a"));
    EXPECT_FALSE(registry.RegDelete(Hive::CurrentUser, SettingsKey, "a"));
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "a"), "");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "b"), "2");
}

TEST_F(FileRegistryTest, FailuresAreSilent) {
    // A configuration folder that is a file: nothing can be created below it.
    WriteFile(tree.root / "config", "not a folder");
    EXPECT_FALSE(registry.RegWrite(Hive::CurrentUser, SettingsKey, "a", "1"));
    EXPECT_FALSE(registry.RegDelete(Hive::CurrentUser, SettingsKey, "a"));
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "a"), "");
    EXPECT_FALSE(registry.RegWrite(Hive::CurrentUser, RunKey, "Ombrix", "x"));

    SettingsEnvironment none;
    FileRegistry nowhere(none);
    EXPECT_EQ(nowhere.StoreFile(Hive::CurrentUser), "");
    EXPECT_FALSE(nowhere.RegWrite(Hive::CurrentUser, SettingsKey, "a", "1"));
    EXPECT_EQ(nowhere.RegRead(Hive::CurrentUser, SettingsKey, "a"), "");
}

TEST_F(FileRegistryTest, DamagedStoreReadsWhatCanBeRecoveredAndIsKeptAside) {
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "kept", "yes");
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "lost", "the tail is damaged");
    const std::string store = registry.StoreFile(Hive::CurrentUser);
    const std::string whole = ReadFile(store);
    WriteFile(store, whole.substr(0, whole.size() - 5));

    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "kept"), "yes");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "lost"), "");
    ASSERT_TRUE(registry.RegWrite(Hive::CurrentUser, SettingsKey, "new", "1"));
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "kept"), "yes");
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, SettingsKey, "new"), "1");
    const auto aside =
        FilesStartingWith(tree.root / "config/Quillfen/Quavomat", "settings.store.damaged");
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadFile(tree.root / "config/Quillfen/Quavomat" / aside[0]),
              whole.substr(0, whole.size() - 5));
}

TEST_F(FileRegistryTest, PerUserStoreIsPrivate) {
    registry.RegWrite(Hive::CurrentUser, SettingsKey, "a", "1");
    struct stat info {};
    ASSERT_EQ(::stat(registry.StoreFile(Hive::CurrentUser).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u);
}

TEST_F(FileRegistryTest, RunValueIsTheAutostartEntry) {
    const std::string command = "/opt/quavomat/ombrixgo /tray";
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, RunKey, "Ombrix"), "");
    ASSERT_TRUE(registry.RegWrite(Hive::CurrentUser, RunKey, "Ombrix", command));
    const std::string entry = ReadFile(registry.AutostartFile());
    EXPECT_NE(entry.find("\nExec=" + command + "\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, RunKey, "Ombrix"), command);
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, RunKey, "ombrix"), "");
    // Not in the settings store.
    EXPECT_EQ(ReadFile(registry.StoreFile(Hive::CurrentUser)).find("ombrixgo /tray"),
              std::string::npos);

    EXPECT_TRUE(registry.RegDelete(Hive::CurrentUser, RunKey, "Ombrix"));
    EXPECT_FALSE(std::filesystem::exists(registry.AutostartFile()));
    EXPECT_EQ(registry.RegRead(Hive::CurrentUser, RunKey, "Ombrix"), "");
    EXPECT_FALSE(registry.RegDelete(Hive::CurrentUser, RunKey, "Ombrix"));
}

TEST(AutostartEntry, CommandsReadBackUnchanged) {
    for (const std::string& command :
         std::vector<std::string>{"/opt/q/ombrixgo /tray", " leading and trailing ", "back\\slash",
                                  "two\nlines\ttab", "\x80\xe9"}) {
        EXPECT_EQ(AutostartCommand(MakeAutostartEntry(command)), command) << command;
    }
}

TEST(AutostartEntry, SwitchedOffOrMissingExecReadsAsAbsent) {
    const std::string entry = MakeAutostartEntry("/x /tray");
    EXPECT_EQ(AutostartCommand(entry + "Hidden=true\n"), std::nullopt);
    EXPECT_EQ(AutostartCommand("[Desktop Entry]\nType=Application\n"), std::nullopt);
    EXPECT_EQ(AutostartCommand("[Other]\nExec=/y\n"), std::nullopt);
    std::string disabled = entry;
    disabled.replace(disabled.find("enabled=true"), 12, "enabled=false");
    EXPECT_EQ(AutostartCommand(disabled), std::nullopt);
    EXPECT_EQ(AutostartCommand("[Desktop Entry]\r\nExec = /z /tray\r\n"), "/z /tray");
}

struct DamageCase {
    std::string name;
    std::string bytes;
    std::vector<std::string> names; // what the damaged store still yields
    bool damaged;
};

class StoreFormatDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(StoreFormatDamage, RecoversTheIntactValues) {
    const DamageCase& c = GetParam();
    const ParsedStore parsed = ParseStore(c.bytes);
    std::vector<std::string> names;
    for (const StoredValue& value : parsed.values)
        names.push_back(value.name);
    EXPECT_EQ(names, c.names);
    EXPECT_EQ(parsed.damaged, c.damaged);
}

const std::string TwoValues = SerializeStore({{"K", "a", "1"}, {"K", "b", "22"}});

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreFormatDamage,
    ::testing::Values(
        DamageCase{"Intact", TwoValues, {"a", "b"}, false}, DamageCase{"Empty", "", {}, false},
        DamageCase{"Truncated", TwoValues.substr(0, TwoValues.size() - 2), {"a"}, true},
        DamageCase{"NoHeader", TwoValues.substr(StoreHeader.size()), {"a", "b"}, true},
        DamageCase{"HugeCount", std::string(StoreHeader) + "1 1 99999999999\nKa1\n", {}, true},
        DamageCase{"NotACount", std::string(StoreHeader) + "1 x 1\nKa1\n", {}, true},
        DamageCase{
            "MissingTerminator", std::string(StoreHeader) + "1 1 1\nKa1X1 1 1\nKb2\n", {}, true},
        DamageCase{"LaterDuplicateWins",
                   SerializeStore({{"K", "a", "1"}, {"k\\", "a", "2"}, {"K", "b", "3"}}),
                   {"a", "b"},
                   false}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(StoreFormat, LaterDuplicateReplacesTheEarlierText) {
    const ParsedStore parsed = ParseStore(SerializeStore({{"K", "a", "1"}, {"k\\", "a", "2"}}));
    ASSERT_EQ(parsed.values.size(), 1u);
    EXPECT_EQ(parsed.values[0].text, "2");
}

} // namespace
} // namespace ombrix

namespace ombrix {
namespace {

// Stores this version must not replace: each write is refused, the file
// stays byte for byte, and the user is told once.
TEST(FileRegistryRefusal, NewerOrOversizedStoresAreKeptAndReportedOnce) {
    const std::string record = std::to_string(KeyWithoutSlash.size()) + " 4 3\n" +
                               std::string(KeyWithoutSlash) + "Name" + "abc\n";
    const struct {
        const char* what;
        std::string bytes;
        const char* readBack; // the value this version still reads
        const char* reason;
    } cases[] = {
        {"newer version", "QUAVOMAT-SETTINGS 2\n" + record + "a record of a later form\n", "abc",
         "newer version"},
        {"over 16 MB", std::string(StoreHeader) + record + std::string(MaxTextFileSize, 'x'), "",
         "16 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempTree tree;
        testing::RecordingSink sink;
        FileRegistry registry{tree.env, &sink};
        const std::string store = registry.StoreFile(Hive::CurrentUser);
        WriteFile(store, c.bytes);
        EXPECT_EQ(registry.RegRead(Hive::CurrentUser, KeyWithoutSlash, "Name"), c.readBack);
        EXPECT_FALSE(registry.RegWrite(Hive::CurrentUser, KeyWithoutSlash, "Name", "new"));
        EXPECT_FALSE(registry.RegWrite(Hive::CurrentUser, KeyWithoutSlash, "Other", "1"));
        EXPECT_FALSE(registry.RegDelete(Hive::CurrentUser, KeyWithoutSlash, "Name"));
        EXPECT_TRUE(ReadFile(store) == c.bytes);
        EXPECT_TRUE(
            FilesStartingWith(std::filesystem::path(store).parent_path(), "settings.store.damaged")
                .empty());
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_NE(sink.messages[0].text.find(store), std::string::npos) << sink.messages[0].text;
        EXPECT_NE(sink.messages[0].text.find(c.reason), std::string::npos) << sink.messages[0].text;
    }
}

// A store that cannot be written: the change is refused, the old file is
// intact, and the user hears of it once per run, with the file and the reason.
TEST(FileRegistryRefusal, WriteFailuresAreSaidOncePerFile) {
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path& store)> block;
        const char* reason;
        bool diskFull = false;
    } cases[] = {
        {"folder blocked by a file",
         [](const std::filesystem::path& store) {
             WriteFile(store.parent_path().parent_path(), "not a folder");
         },
         "folder could not be made"},
        {"temporary name taken by a folder",
         [](const std::filesystem::path& store) {
             WriteFile(store, std::string(StoreHeader));
             std::filesystem::create_directories(store.string() + ".new");
         },
         "could not be written"},
        {"full disk",
         [](const std::filesystem::path& store) { WriteFile(store, std::string(StoreHeader)); },
         "File too large", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempTree tree;
        testing::RecordingSink sink;
        FileRegistry registry{tree.env, &sink};
        const std::filesystem::path store = registry.StoreFile(Hive::CurrentUser);
        std::filesystem::remove_all(store.parent_path().parent_path());
        std::filesystem::create_directories(store.parent_path().parent_path().parent_path());
        c.block(store);
        const std::string before = ReadFile(store);
        {
            std::optional<testing::FullDisk> full;
            if (c.diskFull)
                full.emplace();
            EXPECT_FALSE(registry.RegWrite(Hive::CurrentUser, KeyWithoutSlash, "Name", "1"));
            EXPECT_FALSE(registry.RegWrite(Hive::CurrentUser, KeyWithoutSlash, "Name", "2"));
        }
        EXPECT_EQ(ReadFile(store), before);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_NE(sink.messages[0].text.find(store.string()), std::string::npos)
            << sink.messages[0].text;
        EXPECT_NE(sink.messages[0].text.find(c.reason), std::string::npos) << sink.messages[0].text;
    }
}

} // namespace
} // namespace ombrix
