// The start-at-login entry as the desktop reads it: the entry is launched by
// the desktop's own launcher, and the program it starts records how it was
// called.
#include "TestFolder.h"
#include "mainwindow/rules/CommandLine.h"
#include "settings/AutostartEntry.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace ombrix::testing {
namespace {

namespace fs = std::filesystem;

void WriteExecutable(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
    ::chmod(path.c_str(), 0755);
}

std::string ReadWhenThere(const fs::path& path) {
    for (int i = 0; i < 100 && !fs::exists(path); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(StartAtLoginLaunch, TheDesktopStartsTheProgramWhateverItsFolderIsCalled) {
    if (std::system("command -v gio >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "the desktop's launcher (gio) is not installed";
    }
    const fs::path root = TestFolderPath("ombrix_autostart_");
    fs::create_directories(root);
    const fs::path record = root / "called";
    const std::string recorder =
        "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + record.string() + "'\n";
    for (const std::string folder :
         {"plain", "My Programs", "say \"hi\" it's", "cost $HOME `x`", "100% sure", "a%%b %f"}) {
        SCOPED_TRACE(folder);
        const fs::path programFolder = root / folder;
        fs::create_directories(programFolder);
        WriteExecutable(programFolder / "ombrixgo", recorder);
        // The launcher checks that the program exists before it expands the
        // field codes; give it a program at the name it checks, which
        // records nothing.
        std::string checked = programFolder.string();
        for (std::size_t at = 0; (at = checked.find('%', at)) != std::string::npos; at += 2)
            checked.insert(at, 1, '%');
        if (checked != programFolder.string()) {
            fs::create_directories(checked);
            WriteExecutable(fs::path(checked) / "ombrixgo", "#!/bin/sh\n");
        }
        fs::remove(record);
        const fs::path entry = root / "ombrixgo.desktop";
        std::ofstream(entry) << MakeAutostartEntry(
            StartAtLoginCommand(programFolder.string(), "ombrixgo"));
        ASSERT_EQ(std::system(("gio launch '" + entry.string() + "' >/dev/null 2>&1").c_str()), 0);
        EXPECT_EQ(ReadWhenThere(record), (programFolder / "ombrixgo").string() + "\n/tray\n");
    }
    fs::remove_all(root);
}

} // namespace
} // namespace ombrix::testing
