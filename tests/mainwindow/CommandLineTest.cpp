#include "mainwindow/rules/CommandLine.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ombrix::testing {
namespace {

namespace fs = std::filesystem;

TEST(StartFolder, RelativeFileFoundThereBecomesFullName) {
    const fs::path root = TestFolderPath("ombrix-start-folder-");
    fs::create_directories(root / "sub");
    for (const char* file : {"rates.nod", "UPPER.NOD", "sub/inner.nod"}) {
        std::ofstream(root / file) << "TITLE x\r\n";
    }
    const std::string here = root.string();
    const struct {
        std::string commandLine;
        std::string expected;
    } cases[] = {
        {"rates.nod", here + "/rates.nod"},
        {"rates", here + "/rates.nod"},
        {"UPPER", here + "/UPPER.NOD"},
        {"sub/inner", here + "/sub/inner.nod"},
        // Not there: the usual resolution against the program folder applies.
        {"euro\\DEM", "euro\\DEM"},
        {"missing.nod", "missing.nod"},
        // Switches and full names stand as they are.
        {"/tray", "/tray"},
        {"/lng nld.lng", "/lng nld.lng"},
        {"/tmp/x.nod", "/tmp/x.nod"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithFileFromStartFolder(c.commandLine, here), c.expected) << c.commandLine;
    }
    fs::remove_all(root);
}

} // namespace
} // namespace ombrix::testing
