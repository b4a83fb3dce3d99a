#pragma once
// The conversion panel wired to scripted services.

#include "FakeMainWindowPorts.h"
#include "FakeRegistry.h"
#include "mainwindow/rules/ConversionPanel.h"

#include <gtest/gtest.h>

namespace ombrix::testing {

class PanelFixture : public ::testing::Test {
protected:
    FakeConversion conversion;
    FakeCatalogue catalogue;
    FakeRegistry registry;
    MainFlags flags;
    FakeView view;
    FakeWindows windows;
    FakeTray tray;
    RecordingSink sink;
    MessageTexts texts;
    std::string dataFolder = "/home/u/.local/share/Quavomat";
    ConversionPanel panel{{conversion, catalogue, registry, flags, view, windows.dialogs,
                           windows.Tools(), tray, sink, texts,
                           platform::ProgramFolders{"/opt/quavomat", dataFolder}}};

    PanelFixture() {
        texts.Set(100, "Error");
        texts.Set(101, " cannot be read");
    }

    // Lists entries that all load, named after their files.
    void List(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const std::string file = std::string("euro\\") + name;
            catalogue.Add(name, file);
            conversion.files[file + ".nod"].texts = {
                std::string("Euro-") + name, "In", "Out", name, "EUR", "s3", "s4", ""};
        }
        panel.ReloadList();
    }
};

} // namespace ombrix::testing
