#pragma once
// Form1 on the offscreen platform, wired to scripted services.

#include "Fakes.h"
#include "mainwindow/AppContext.h"
#include "mainwindow/Form1.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace ombrix::testing {

// One QApplication for the whole test program.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Windows never reach a real display, whatever the test runner's environment.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[10] = "gui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

class FakeDialogs : public FileDialogs {
public:
    std::string answer;
    std::vector<std::string> opened; // title|filter|extension
    std::string ShowOpenDialog(const std::string& title, const std::string& filter,
                               const std::string& ext) override {
        opened.push_back(title + "|" + filter + "|" + ext);
        return answer;
    }
    std::string ShowSaveDialog(const std::string&, const std::string&,
                               const std::string&) override {
        return answer;
    }
};

class FakeClipboard : public Clipboard {
public:
    std::string text;
    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void Clear() override { text.clear(); }
};

class CountingBeeper : public Beeper {
public:
    int beeps = 0;
    void Beep() override { ++beeps; }
};

// An earlier start's options apply; the language file has nothing to change.
class NoSettings : public SettingsOps {
public:
    std::string DataFolder() override { return {}; }
    void MakeDirPath(const std::string&) override {}
    std::string ApplyStartupRule(const std::string&) override { return "0"; }
    bool LoadLanguage(const std::string&, std::int16_t) override { return true; }
};

class LoneChannel : public InstanceChannel {
public:
    bool HandOverToRunningCopy(const std::string&) override { return false; }
};

class GuiFixture : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeConversion conversion;
    FakeCatalogue catalogue;
    NoSettings settings;
    MessageTexts texts;
    RecordingSink sink;
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    CountingBeeper beeper;
    FakeShell shell;
    FakeStarter starter;
    FakeTray tray;
    FakeWindows windows;
    LoneChannel channel;
    AppContext context{
        registry,
        conversion,
        catalogue,
        settings,
        texts,
        GuiServices{sink, dialogs, clipboard, beeper, shell, starter, tray, windows, channel},
        OMBRIX_DATA_DIR,
        OMBRIX_DATA_DIR "/ombrixgo /tray"};
    std::unique_ptr<Form1> form = std::make_unique<Form1>(context);

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
