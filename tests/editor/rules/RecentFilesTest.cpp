#include "editor/rules/RecentFiles.h"

#include "FakeEditorView.h"
#include "FakeRegistry.h"

#include <gtest/gtest.h>

namespace ombrix {
namespace {

TEST(visiblefile, ShortLongAndSeparatorlessPaths) {
    struct Case {
        std::string path, shown, trimmed;
    };
    const Case cases[] = {
        {"C:\\Programs\\Conversions\\euro\\DEM.nod", "C:\\...\\euro\\DEM.nod", ""},
        {"C:\\a\\b\\c\\d\\e\\f\\g\\h.nod", "C:\\...\\d\\e\\f\\g\\h.nod", ""},
        {"C:\\abcdefghijklm.nod", "C:\\abcdefghijklm.nod", ""}, // exactly 20
        {"/home/user/conversions/euro/DEM.nod", "/ho.../euro/DEM.nod", ""},
        {"D:\\Data\\Conversions\\temperature.nod", "D:\\...temperature.nod", ""},
        {"  C:\\x.nod  ", "C:\\x.nod", "C:\\x.nod"},
    };
    for (const Case& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(visiblefile(path), c.shown) << c.path;
        if (!c.trimmed.empty()) {
            EXPECT_EQ(path, c.trimmed);
        }
    }
}

class RecentFilesTest : public ::testing::Test {
protected:
    testing::FakeRegistry registry;
    testing::FakeEditorView menu;
    RecentFiles recent{registry, menu};
    std::string List() const {
        return registry.Get("usedlast1") + "," + registry.Get("usedlast2") + "," +
               registry.Get("usedlast3");
    }
};

TEST_F(RecentFilesTest, MostRecentFirstWithoutRepeats) {
    for (const char* file : {"A.nod", "B.nod", "C.nod", "D.nod"}) {
        recent.salastused(file);
    }
    EXPECT_EQ(List(), "D.nod,C.nod,B.nod");
    recent.salastused("C.nod"); // slot 2 swaps with slot 1
    EXPECT_EQ(List(), "C.nod,D.nod,B.nod");
    recent.salastused("C.nod"); // already first
    EXPECT_EQ(List(), "C.nod,D.nod,B.nod");
    recent.salastused("B.nod"); // slot 3 goes to the top
    EXPECT_EQ(List(), "B.nod,C.nod,D.nod");
    EXPECT_EQ(menu.recent[1], "&1. B.nod");
    EXPECT_EQ(menu.recent[3], "&3. D.nod");
}

TEST_F(RecentFilesTest, FillShowsOnlyPathsOfMoreThanTwoCharacters) {
    registry.Set(Hive::CurrentUser, "usedlast1", "/home/u/conversions/euro/DEM.nod");
    registry.Set(Hive::CurrentUser, "usedlast2", "ab");
    recent.Fill();
    EXPECT_EQ(menu.recent.size(), 1u);
    EXPECT_EQ(menu.recent[1], "&1. /ho.../euro/DEM.nod");
    // The main program's editor and this one share the list.
    recent.salastused("/tmp/X.nod");
    EXPECT_EQ(registry.Get("usedlast1"), "/tmp/X.nod");
    EXPECT_EQ(registry.Get("usedlast2"), "/home/u/conversions/euro/DEM.nod");
}

} // namespace
} // namespace ombrix
