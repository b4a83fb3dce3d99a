#pragma once
// Form1 on the offscreen platform, wired to scripted services.

#include "FakeMainWindowPorts.h"
#include "FakeRegistry.h"
#include "mainwindow/Form1.h"

#include <gtest/gtest.h>

#include <memory>

namespace ombrix::testing {

// An earlier start's options apply; the language file has nothing to change.
class NoSettings : public SettingsOps, public WindowLanguage {
public:
    void MakeDirPath(const std::string&) override {}
    std::string ApplyStartupRule(const std::string&, const FirstRunWindowSteps&) override {
        return "0";
    }
    bool LoadLanguage(const std::string&, std::int16_t) override { return true; }
    bool ApplyTexts(std::int16_t) override { return true; }
};

class GuiFixture : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeConversion conversion;
    FakeCatalogue catalogue;
    NoSettings settings;
    MessageTexts texts;
    MainFlags flags;
    LinkTargets links;
    RecordingSink sink;
    FakeFileDialogs dialogs;
    FakeClipboard clipboard;
    FakeBeeper beeper;
    FakeShell shell;
    FakeStarter starter;
    FakeTray tray;
    FakeWindows windows;
    FakeChannel channel;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(
        MainWindowServices{registry,
                           conversion,
                           catalogue,
                           settings,
                           settings,
                           texts,
                           flags,
                           links,
                           sink,
                           dialogs,
                           clipboard,
                           beeper,
                           shell,
                           starter,
                           tray,
                           channel,
                           windows.dialogs,
                           windows.Tools(),
                           platform::ProgramFolders{OMBRIX_DATA_DIR, OMBRIX_DATA_DIR},
                           OMBRIX_DATA_DIR "/ombrixgo /tray"});

    // Lists conversions that load, as the catalogue file would give them.
    void Catalogue(std::initializer_list<std::pair<const char*, bool>> entries) {
        catalogue.fileEntries.clear();
        for (auto [name, text] : entries) {
            const std::string file = std::string("euro\\") + name;
            catalogue.fileEntries.emplace_back(name, file);
            auto& f = conversion.files[file + ".nod"];
            f.texts = {std::string("Conv ") + name, "Amount", "Euro", name, "EUR", "", "", ""};
            f.changeTable = text;
        }
    }
};

} // namespace ombrix::testing
