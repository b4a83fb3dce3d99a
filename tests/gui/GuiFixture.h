#pragma once
// Form1 on the offscreen platform, wired to scripted services.

#include "FakeMainWindowPorts.h"
#include "FakeRegistry.h"
#include "guikit/ImageButton.h"
#include "mainwindow/Form1.h"
#include "mainwindow/PanelSurface.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

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

// The calculator the main window opens: the fake one, until a test puts a
// real one in its place.
class CalculatorSlot : public ToolWindow {
public:
    explicit CalculatorSlot(ToolWindow& fake) : target(&fake) {}
    void Show() override { target->Show(); }
    void Hide() override { target->Hide(); }
    void SetTopmost(bool on) override { target->SetTopmost(on); }
    void SetEnabled(bool enabled) override { target->SetEnabled(enabled); }
    void ReloadTexts() override { target->ReloadTexts(); }
    ToolWindow* target;
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
    CalculatorSlot calculatorSlot{windows.calculator};
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
                           ToolWindows{windows.wizard, calculatorSlot},
                           platform::ProgramFolders{OMBRIX_DATA_DIR, OMBRIX_DATA_DIR},
                           OMBRIX_DATA_DIR "/ombrixgo /tray"});

    // The window's controls and menu items, found by their names as a user's
    // tools would find them.
    template <typename T> T* Child(const char* name) const {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            std::abort(); // every caller would dereference it
        }
        return child;
    }
    QAction* Item(const char* name) const { return Child<QAction>(name); }
    QMenu* Menu(const char* name) const { return Child<QMenu>(name); }
    QLineEdit* Text1() const { return Child<QLineEdit>("Text1"); }
    QLineEdit* Text2() const { return Child<QLineEdit>("Text2"); }
    QComboBox* Combo1() const { return Child<QComboBox>("Combo1"); }
    QComboBox* Combo2() const { return Child<QComboBox>("Combo2"); }
    QCheckBox* Check1() const { return Child<QCheckBox>("Check1"); }
    QCheckBox* Digitchek() const { return Child<QCheckBox>("Digitchek"); }
    QRadioButton* Option1() const { return Child<QRadioButton>("Option1"); }
    QRadioButton* Option2() const { return Child<QRadioButton>("Option2"); }
    QLabel* Label1() const { return Child<QLabel>("Label1"); }
    QLabel* Label3() const { return Child<QLabel>("Label3"); }
    QLabel* Label7() const { return Child<QLabel>("Label7"); }
    ImageButton* Image1() const { return Child<ImageButton>("Image1"); }
    ImageButton* Image2() const { return Child<ImageButton>("Image2"); }
    ImageButton* Image3() const { return Child<ImageButton>("Image3"); }
    // The frames drawn around the image buttons.
    const std::vector<PanelSurface::Frame>& Frames() const {
        return Child<PanelSurface>("surface")->Frames();
    }

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
