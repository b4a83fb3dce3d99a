// Several processes writing at once, and processes killed in the middle of a
// write, never lose a value nor leave a file that is missing, empty or cut off.

#include "SettingsTestSupport.h"
#include "settings/Catalogue.h"
#include "settings/FileRegistry.h"
#include "settings/StoreFormat.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

namespace ombrix {
namespace {

using testing::FilesStartingWith;
using testing::ReadFile;
using testing::TempTree;

constexpr int ValuesPerWriter = 500;

// Runs `work` in a child process that waits for a byte on `start` first; the
// child's exit status says whether every write reported success.
template <typename Work> pid_t StartWriter(int start, Work work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        char go = 0;
        const bool started = ::read(start, &go, 1) == 1;
        ::_exit(started && work() ? 0 : 1);
    }
    return pid;
}

TEST(SettingsConcurrency, TwoWritersAtOnceLoseNoValue) {
    TempTree tree;
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    std::vector<pid_t> writers;
    for (int writer = 0; writer < 2; ++writer) {
        writers.push_back(StartWriter(pipeEnds[0], [&tree, writer] {
            FileRegistry registry(tree.env);
            bool ok = true;
            for (int i = 0; i < ValuesPerWriter; ++i) {
                const std::string name = "w" + std::to_string(writer) + "_" + std::to_string(i);
                ok = registry.RegWrite(Hive::CurrentUser, SettingsKey, name, "value " + name) && ok;
            }
            return ok;
        }));
        ASSERT_GT(writers.back(), 0);
    }
    ASSERT_EQ(::write(pipeEnds[1], "gg", 2), 2); // both start together
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    for (pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    FileRegistry registry(tree.env);
    int missing = 0;
    for (int writer = 0; writer < 2; ++writer) {
        for (int i = 0; i < ValuesPerWriter; ++i) {
            const std::string name = "w" + std::to_string(writer) + "_" + std::to_string(i);
            missing += registry.RegRead(Hive::CurrentUser, SettingsKey, name) != "value " + name;
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(ParseStore(ReadFile(registry.StoreFile(Hive::CurrentUser))).values.size(),
              2u * ValuesPerWriter);
}

// The catalogue of round `round`: its entry count, names and paths all follow from it.
void FillCatalogue(Catalogue& catalogue, int round) {
    const int count = round % 40 + 1;
    catalogue.Names.clear();
    for (int i = 0; i < count; ++i) {
        catalogue.Names.push_back("Entry " + std::to_string(i) + " of " + std::to_string(count));
        catalogue.CatalogueFiles[static_cast<std::size_t>(i)] = "conv\\" + std::to_string(i);
    }
    catalogue.LastIndex = static_cast<std::int16_t>(count - 1);
    catalogue.DefaultIndex = static_cast<std::int16_t>(count - 1);
}

// The catalogue file is complete: its entry count says what every entry holds.
void ExpectWholeCatalogue(const std::string& file, int kill) {
    const CatalogueRecords records = ParseCatalogue(ReadFile(file));
    ASSERT_TRUE(records.complete) << "after kill " << kill;
    ASSERT_EQ(records.language, std::optional<std::string>("eng.lng"));
    const std::size_t count = records.entries.size();
    ASSERT_GE(count, 1u);
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(records.entries[i].name,
                  "Entry " + std::to_string(i) + " of " + std::to_string(count));
        EXPECT_EQ(records.entries[i].isDefault, i + 1 == count);
    }
}

void ExpectWholeStore(const std::string& file, int kill) {
    const ParsedStore store = ParseStore(ReadFile(file));
    ASSERT_FALSE(store.damaged) << "after kill " << kill;
    ASSERT_EQ(store.values.size(), 2u) << "after kill " << kill;
    const std::string& blob = store.values[1].text;
    ASSERT_EQ(blob.size(), 20000u);
    EXPECT_EQ(blob.find_first_not_of(blob[0]), std::string::npos);
}

TEST(SettingsCrashSafety, KilledWritersNeverLeaveABrokenFile) {
    TempTree tree;
    Catalogue catalogue(tree.folders);
    FileRegistry registry(tree.env);
    FillCatalogue(catalogue, 0);
    ASSERT_NE(catalogue.SaveCatalogue("eng.lng", catalogue.Names, true), "");
    ASSERT_TRUE(registry.RegWrite(Hive::CurrentUser, SettingsKey, "round", "0"));
    ASSERT_TRUE(registry.RegWrite(Hive::CurrentUser, SettingsKey, "blob", std::string(20000, 'a')));

    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delay(0, 4000);
    constexpr int Kills = 220;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int round = 1;; ++round) {
                FillCatalogue(catalogue, round);
                catalogue.SaveCatalogue("eng.lng", catalogue.Names, true);
                registry.RegWrite(Hive::CurrentUser, SettingsKey, "round", std::to_string(round));
                registry.RegWrite(Hive::CurrentUser, SettingsKey, "blob",
                                  std::string(20000, static_cast<char>('a' + round % 26)));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status));
        ExpectWholeCatalogue(catalogue.CatalogueFilePath(), kill);
        ExpectWholeStore(registry.StoreFile(Hive::CurrentUser), kill);
    }
    // Nothing was ever found damaged, so nothing was copied aside.
    EXPECT_TRUE(FilesStartingWith(tree.root / "data", "ombrixgo.cfg.unreadable").empty());
    EXPECT_TRUE(FilesStartingWith(tree.root / "config/Quillfen/Quavomat", "settings.store.damaged")
                    .empty());
}

} // namespace
} // namespace ombrix
