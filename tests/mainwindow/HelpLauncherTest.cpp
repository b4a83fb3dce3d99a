#include "guikit/rules/HelpLauncher.h"
#include "FakeMainWindowPorts.h"
#include "FakeRegistry.h"
#include "TestFolder.h"
#include "guikit/rules/AboutRules.h"
#include "mainwindow/rules/MainOwnerWindows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ombrix::testing {
namespace {

namespace fs = std::filesystem;

class TempFolder : public ::testing::Test {
protected:
    fs::path root = TestFolderPath("ombrix-help-");
    std::string folder = root.string();
    TempFolder() { fs::create_directories(root); }
    ~TempFolder() override { fs::remove_all(root); }
    void Touch(const std::string& name) { std::ofstream(root / name) << "x"; }
};

using ShowHelpTest = TempFolder;

TEST_F(ShowHelpTest, CompiledHelpTopicsWebAddressesAndDocuments) {
    struct Case {
        const char* what;
        std::string target;
        bool helpFileExists;
        std::string opened;
    };
    const std::string app = folder + "\\";
    const Case cases[] = {
        {"topic with its help file", app + "help.chm::/start.htm", true,
         app + "help.chm::/start.htm"},
        {"topic without its help file", app + "help.chm::/start.htm", false, app + "start.htm"},
        {"marker in capitals", app + "help.CHM::\\start.htm", false, app + "start.htm"},
        {"no topic, no help file", app + "help.chm::", false, app + "help.chm::"},
        {"no backslash before the topic", folder + "/help.chm::/start.htm", false,
         folder + "/help.chm::/start.htm"},
        {"help file alone", app + "help.chm", true, app + "help.chm"},
        {"missing help file alone", app + "help.chm", false, app + "help.chm"},
        {"web address", "https://www.quavomat.example/help?a=1&b=2", false,
         "https://www.quavomat.example/help?a=1&b=2"},
        {"document", folder + "/help/index.html", false, folder + "/help/index.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(root / "help.chm");
        if (c.helpFileExists) {
            Touch("help.chm");
        }
        FakeShell shell;
        ShowHelp(c.target, folder, shell);
        ASSERT_EQ(shell.opened.size(), 1u);
        EXPECT_EQ(shell.opened[0], c.opened);
        EXPECT_EQ(shell.folders[0], folder);
    }
}

TEST(Links, BugReportEndsInABlankAndTheVersion) {
    EXPECT_EQ(ProgramVersion(), "1.8.0");
    EXPECT_EQ(BugReportText("mailto:bugs@example.org?subject=Bug"),
              "mailto:bugs@example.org?subject=Bug 1.8.0");
    EXPECT_EQ(BugReportText(""), " 1.8.0");
}

using SysInfoTest = TempFolder;

TEST_F(SysInfoTest, StartsTheStoredProgramOrSaysItIsUnavailable) {
    constexpr std::string_view PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    constexpr std::string_view FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    Touch("MSINFO32.EXE");
    // A desktop's own programs in two folders of a search path; one is not executable.
    const std::string desktop = folder + "/desktop";
    const std::string other = folder + "/other";
    std::filesystem::create_directories(desktop);
    std::filesystem::create_directories(other);
    for (const std::string& program :
         {desktop + "/hardinfo", other + "/gnome-system-monitor", other + "/kinfocenter"}) {
        std::ofstream(program) << "#!/bin/sh\n";
        std::filesystem::permissions(program, program.ends_with("kinfocenter")
                                                  ? std::filesystem::perms::owner_read
                                                  : std::filesystem::perms::owner_all);
    }
    const std::string search = "::" + desktop + ":" + other;
    struct Case {
        const char* what;
        std::string path, msinfoFolder, searchPath;
        bool starts;
        std::string started; // empty: nothing started
        bool message;
    };
    const Case cases[] = {
        {"stored path", "/usr/bin/sysinfo", folder, search, true, "/usr/bin/sysinfo", false},
        {"stored path with its NUL", std::string("/usr/bin/sysinfo\0", 17), "", "", true,
         "/usr/bin/sysinfo", false},
        {"folder holding the program", "", folder, search, true, folder + "\\MSINFO32.EXE", false},
        {"folder without the program", "", folder + "/none", "", true, "", true},
        {"nothing stored", "", "", "", true, "", true},
        {"program does not start", "/usr/bin/sysinfo", "", "", false, "/usr/bin/sysinfo", true},
        // The first executable one in the order of preference, wherever on the path.
        {"desktop program on the path", "", "", search, true, other + "/gnome-system-monitor",
         false},
        {"desktop program in a later folder", "", "", desktop, true, desktop + "/hardinfo", false},
        {"desktop program does not start", "", "", search, false, other + "/gnome-system-monitor",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        if (!c.path.empty()) {
            registry.Set(Hive::LocalMachine, "PATH", c.path, PathKey);
        }
        if (!c.msinfoFolder.empty()) {
            registry.Set(Hive::LocalMachine, "MSINFO", c.msinfoFolder, FolderKey);
        }
        FakeStarter starter;
        starter.works = c.starts;
        RecordingSink sink;
        StartSysInfo(registry, starter, sink, c.searchPath);
        EXPECT_EQ(starter.started.empty() ? "" : starter.started[0], c.started);
        ASSERT_EQ(sink.messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(sink.messages[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(sink.messages[0].icon, MessageIcon::None);
            EXPECT_EQ(sink.messages[0].title, ""); // the program's title
        }
    }
}

TEST(AboutBox, LinesGetTheTitleTheVersionAndTheMakersLine) {
    const AboutLines design =
        CompleteAboutLines({"About MyApp", "Version", "Quavomat"}, "Quavomat");
    EXPECT_EQ(design.caption, "About MyApp Quavomat");
    EXPECT_EQ(design.version, "Version 1.8.0 ");
    EXPECT_EQ(design.description, "Quavomat " + std::string(AboutDescriptionLine));
    // A language record's caption already ends in a blank.
    EXPECT_EQ(CompleteAboutLines({"Over ", "Versie", ""}, "Quavomat").caption, "Over  Quavomat");
}

TEST(AboutBox, FromTheMainWindowItDisablesTheWindowsUntilItCloses) {
    for (bool fromEditor : {false, true}) {
        MainFlags flags;
        flags.AlwaysOnTop = flags.WizardOpen = true;
        FakeView view;
        FakeWindows windows;
        MainOwnerWindows owners(flags, view, windows.Tools());
        AboutOpened(fromEditor, owners);
        EXPECT_EQ(view.enabled, fromEditor);
        EXPECT_EQ(windows.wizard.enabled,
                  fromEditor ? std::vector<bool>{} : std::vector<bool>{false});
        AboutClosed(fromEditor, owners);
        EXPECT_TRUE(view.enabled);
        EXPECT_EQ(windows.wizard.enabled,
                  fromEditor ? std::vector<bool>{} : (std::vector<bool>{false, true}));
        EXPECT_EQ(view.topmostCalls,
                  fromEditor ? std::vector<bool>{} : (std::vector<bool>{false, true}));
        EXPECT_TRUE(windows.calculator.enabled.empty()); // not open
    }
}

} // namespace
} // namespace ombrix::testing
