// The options, properties and intro dialogs with the main window, the real
// catalogue file and the shipped conversions, driven through their controls.

#include "FileLanguage.h"
#include "GuiFixture.h"
#include "TestFolder.h"
#include "editor/Editor.h"
#include "editor/rules/LoaderValidator.h"
#include "engine/Engine.h"
#include "mainwindow/rules/CatalogueAdapter.h"
#include "mainwindow/rules/DialogHostAdapter.h"
#include "mainwindow/rules/EngineConversion.h"
#include "platform/posix/FileIo.h"
#include "platform/qt/Win1252.h"
#include "programs/ombrixgo/LateDialogs.h"
#include "settings/Catalogue.h"
#include "settings/SettingNames.h"
#include "settings/dialogs/DialogWindows.h"
#include "settings/dialogs/Form2.h"
#include "settings/dialogs/Form3.h"
#include "settings/dialogs/Form4.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace ombrix {
namespace {

namespace fs = std::filesystem;
using testing::NoSettings;

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(data);
        // A conversion of the user's own, in the data folder.
        fs::copy_file(fs::path(OMBRIX_DATA_DIR) / "euro" / "NLG.nod", data / "mine.nod");
        WriteCatalogue(
            {{"ATS", "euro\\ATS", false}, {"BEF", "euro\\BEF", false}, {"DEM", "euro\\DEM", true}});
    }
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "Editor") {
                delete window;
            }
        }
        form.reset();
        fs::remove_all(root);
    }
    void WriteCatalogue(const std::vector<CatalogueEntry>& entries) {
        std::ofstream(data / "ombrixgo.cfg", std::ios::binary)
            << FormatCatalogue("eng.lng", entries);
    }
    std::string File() const {
        return ReadWholeFile((data / "ombrixgo.cfg").string()).value_or("<missing>");
    }
    StartupOutcome Start(const std::string& commandLine = "") {
        dialogs.windows = &windows;
        return form->Start(commandLine);
    }
    std::vector<std::string> MainList() const {
        auto* list = form->findChild<QComboBox*>("Combo1");
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) {
            items.push_back(list->itemText(i).toStdString());
        }
        return items;
    }
    Form3& Options() {
        Form3* open = windows.Options();
        if (open == nullptr) {
            ADD_FAILURE() << "no options dialog";
            std::abort();
        }
        return *open;
    }
    Form4& Properties() {
        Form4* open = Options().Properties();
        if (open == nullptr) {
            ADD_FAILURE() << "no properties dialog";
            std::abort();
        }
        return *open;
    }
    template <typename T> static T& In(QWidget& window, const char* name) {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            std::abort();
        }
        return *child;
    }
    static void Click(QWidget& window, const char* button) {
        In<QPushButton>(window, button).click();
        QApplication::processEvents();
    }
    // Picks an entry of the options dialog's list as a pointer would.
    void Pick(int index) {
        auto& list = In<QComboBox>(Options(), "Combo1");
        list.setCurrentIndex(index);
        emit list.activated(index);
    }
    void Type(QWidget& window, const char* field, const std::string& text) {
        auto& edit = In<QLineEdit>(window, field);
        edit.clear();
        QTest::keyClicks(&edit, QString::fromStdString(text));
    }

    fs::path root = testing::TestFolderPath("dialogs_");
    fs::path data = root / "data";
    platform::ProgramFolders folders{OMBRIX_DATA_DIR, data.string()};
    testing::FakeRegistry registry;
    MessageTexts texts;
    testing::RecordingSink sink;
    Engine engine{EngineServices{[] { return std::string("."); }, sink, texts, &registry, folders}};
    EngineConversion conversion{engine};
    Catalogue catalogue{folders};
    CatalogueAdapter catalogueAccess{catalogue};
    NoSettings settings;
    testing::FileLanguage language{"eng.lng", sink, texts};
    MainFlags flags;
    LinkTargets links;
    testing::FakeFileDialogs fileDialogs;
    testing::FakeClipboard clipboard;
    testing::FakeBeeper beeper;
    testing::FakeShell shell;
    testing::FakeStarter starter;
    testing::FakeTray tray;
    testing::FakeWindows tools;
    testing::FakeChannel channel;
    LateDialogs dialogs;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(
        MainWindowServices{registry,    conversion, catalogueAccess,
                           settings,    language,   texts,
                           flags,       links,      sink,
                           fileDialogs, clipboard,  beeper,
                           shell,       starter,    tray,
                           channel,     dialogs,    ToolWindows{tools.wizard, tools.calculator},
                           folders,     "ombrixgo"});
    int ended = 0;
    bool once = false;
    DialogHostAdapter host{{*form, form->Panel(), conversion, flags,
                            ToolWindows{tools.wizard, tools.calculator}, language, registry,
                            dialogs, [this] { ++ended; },
                            [this] { form->Lifecycle().OptionsClosed(); }, once}};
    // The editor the properties dialog opens, as the program builds it.
    LoaderValidator validator{sink, texts, folders};
    FindDialogSlot findSlot;
    std::string currentFile;
    DialogWindows windows{{catalogue, host, host, language, sink, texts, fileDialogs, beeper,
                           folders, [this](EditorHost& editorHost) {
                               auto* editor = new Editor({sink,
                                                          texts,
                                                          fileDialogs,
                                                          registry,
                                                          clipboard,
                                                          shell,
                                                          validator,
                                                          currentFile,
                                                          links,
                                                          findSlot,
                                                          folders,
                                                          {},
                                                          [] {},
                                                          &editorHost});
                               editor->OpenHosted();
                               editor->show();
                           }}};
};

TEST_F(DialogsTest, TheCatalogueLifeCycleReachesTheFileAndTheMainWindow) {
    ASSERT_EQ(Start(), StartupOutcome::Shown);
    form->show();
    form->findChild<QAction*>("Opties")->trigger();
    Form3& options = Options();
    EXPECT_EQ(options.windowTitle(), "Options");
    EXPECT_FALSE(form->isEnabled());

    // Add a conversion of the user's own, its name read from the file.
    Click(options, "Command5");
    fileDialogs.openAnswers = {(data / "mine.nod").string()};
    Click(Properties(), "Command1");
    EXPECT_EQ(In<QLineEdit>(Properties(), "Text2").text(), "Euro-NLG");
    EXPECT_TRUE(In<QPushButton>(Properties(), "Command5").isEnabled());
    Click(Properties(), "Command2");
    EXPECT_EQ(options.Properties(), nullptr);

    // Rename ATS and make it the default.
    Pick(0);
    Click(options, "Command6");
    Type(Properties(), "Text2", "Schilling");
    In<QCheckBox>(Properties(), "Check1").click();
    Click(Properties(), "Command2");

    // Delete BEF.
    Pick(1);
    Click(options, "Command6");
    sink.answers = {MessageAnswer::Yes};
    Click(Properties(), "Command4");

    Click(options, "Command7");
    Click(options, "Command2");
    QApplication::processEvents();

    const std::vector<CatalogueEntry> expected = {
        {"DEM", "euro\\DEM", false}, {"Euro-NLG", "mine", false}, {"Schilling", "euro\\ATS", true}};
    EXPECT_EQ(File(), FormatCatalogue("eng.lng", expected));
    EXPECT_EQ(MainList(), (std::vector<std::string>{"DEM", "Euro-NLG", "Schilling"}));
    EXPECT_EQ(windows.Options(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(flags.OptionsOpen);
    // The main window refreshes itself at its next activation.
    EXPECT_TRUE(flags.NeedsRefresh);
    EXPECT_EQ(ended, 0);
}

TEST_F(DialogsTest, WhileTheOptionsDialogIsOpenTheOtherWindowsTakeNoInput) {
    ASSERT_EQ(Start(), StartupOutcome::Shown);
    form->show();
    flags.AlwaysOnTop = true;
    flags.WizardOpen = true;
    flags.CalculatorOpen = true;
    form->findChild<QAction*>("Opties")->trigger();
    Form3& options = Options();
    EXPECT_FALSE(form->isEnabled());
    for (testing::FakeToolWindow* tool : {&tools.wizard, &tools.calculator}) {
        EXPECT_EQ(tool->enabled, std::vector<bool>{false});
        // Out of the always-on-top band, so the dialog can be above them.
        EXPECT_EQ(tool->topmost, std::vector<bool>{false});
    }
    // Activating the main window does not give it its input back.
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    EXPECT_FALSE(form->isEnabled());

    Click(options, "Command3");
    EXPECT_EQ(windows.Options(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    for (testing::FakeToolWindow* tool : {&tools.wizard, &tools.calculator}) {
        EXPECT_EQ(tool->enabled, (std::vector<bool>{false, true}));
        EXPECT_EQ(tool->topmost, (std::vector<bool>{false, true}));
    }
}

TEST_F(DialogsTest, EnterAndEscapePressTheDialogsButtonsUnlessAControlTookTheKey) {
    ASSERT_EQ(Start(), StartupOutcome::Shown);
    form->show();
    const std::string before = File();
    ASSERT_TRUE(dialogs.ShowOptions());
    Form3& options = Options();
    auto& list = In<QComboBox>(options, "Combo1");
    // The list's type-ahead keeps Escape for emptying its search text.
    QTest::keyClick(&list, Qt::Key_Escape);
    ASSERT_NE(windows.Options(), nullptr);

    // Enter in a field of the properties dialog is its OK, Escape its Cancel.
    Pick(0);
    Click(options, "Command6");
    Type(Properties(), "Text2", "Schilling");
    QTest::keyClick(&In<QLineEdit>(Properties(), "Text2"), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(options.Properties(), nullptr);
    EXPECT_EQ(list.itemText(0), "Schilling");
    Click(options, "Command6");
    Type(Properties(), "Text2", "Other");
    QTest::keyClick(&In<QLineEdit>(Properties(), "Text2"), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(options.Properties(), nullptr);
    EXPECT_EQ(list.itemText(0), "Schilling");

    // Enter on a button the user moved to presses that button, here Cancel.
    QApplication::setActiveWindow(&options);
    auto& cancel = In<QPushButton>(options, "Command3");
    cancel.setFocus();
    QTest::keyClick(&cancel, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(windows.Options(), nullptr);
    EXPECT_EQ(File(), before);
}

TEST_F(DialogsTest, AnEmptyCatalogueStartsWithTheOptionsDialogAloneAndOkShowsTheMainWindow) {
    WriteCatalogue({});
    ASSERT_EQ(Start(), StartupOutcome::Hidden);
    EXPECT_FALSE(form->isVisible());
    Form3& options = Options();
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(In<QPushButton>(options, "Command6").isEnabled());

    Click(options, "Command5");
    // The first entry is the default, whatever the box says.
    EXPECT_TRUE(In<QCheckBox>(Properties(), "Check1").isChecked());
    EXPECT_FALSE(In<QCheckBox>(Properties(), "Check1").isEnabled());
    fileDialogs.openAnswers = {std::string(OMBRIX_DATA_DIR) + "/euro/DEM.nod"};
    Click(Properties(), "Command1");
    Click(Properties(), "Command2");
    Click(options, "Command2");
    QApplication::processEvents();

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "German mark - Euro");
    EXPECT_EQ(MainList(), std::vector<std::string>{"DEM"});
    EXPECT_EQ(windows.Options(), nullptr);
    EXPECT_TRUE(flags.Hooked);
    EXPECT_EQ(ended, 0);
}

// Ok, Cancel or the close box of the options dialog.
class EmptyCatalogueEnd : public DialogsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EmptyCatalogueEnd, EndsTheProgramWithoutEntries) {
    WriteCatalogue({});
    ASSERT_EQ(Start(), StartupOutcome::Hidden);
    const std::string way = GetParam();
    if (way == "close") {
        Options().close();
        QApplication::processEvents();
    } else {
        Click(Options(), way.c_str());
    }
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(File(), FormatCatalogue("eng.lng", {}));
}

INSTANTIATE_TEST_SUITE_P(Ways, EmptyCatalogueEnd,
                         ::testing::Values("Command2", "Command3", "close"));

TEST_F(DialogsTest, TypingInTheListSearchesItsNames) {
    ASSERT_EQ(Start(), StartupOutcome::Shown);
    ASSERT_TRUE(dialogs.ShowOptions());
    auto& list = In<QComboBox>(Options(), "Combo1");
    list.setEditText("");
    QTest::keyClick(&list, Qt::Key_D);
    EXPECT_EQ(list.currentText(), "DEM");
    EXPECT_EQ(list.lineEdit()->selectedText(), "EM");
    QTest::keyClick(&list, Qt::Key_X);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(list.currentText(), "DEM");
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_EQ(list.currentText(), "");
    EXPECT_NE(windows.Options(), nullptr);
}

TEST_F(DialogsTest, TheEditButtonEditsTheFileInTheEditorAndTheNameFollowsItsTitle) {
    ASSERT_EQ(Start(), StartupOutcome::Shown);
    ASSERT_TRUE(dialogs.ShowOptions());
    Click(Options(), "Command5");
    fileDialogs.openAnswers = {(data / "mine.nod").string()};
    Click(Properties(), "Command1");
    Form4& properties = Properties();
    Click(properties, "Command5");
    Editor* editor = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Editor*>(window); found != nullptr && found->isVisible()) {
            editor = found;
        }
    }
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(properties.isEnabled());
    auto* text = editor->findChild<QPlainTextEdit*>("Text1");
    ASSERT_TRUE(text->toPlainText().contains("URLN Euro-NLG"));
    text->setPlainText(text->toPlainText().replace("URLN Euro-NLG", "URLN My guilders"));
    editor->findChild<QAction*>("save")->trigger();
    editor->close();
    QApplication::processEvents();

    EXPECT_TRUE(properties.isEnabled());
    EXPECT_EQ(In<QLineEdit>(properties, "Text2").text(), "My guilders");
    EXPECT_NE(ReadWholeFile((data / "mine.nod").string()).value_or("").find("URLN My guilders"),
              std::string::npos);
}

TEST_F(DialogsTest, TheIntroDialogNamesTheConversionAndItsBoxTurnsTheOptionOff) {
    ASSERT_EQ(Start(), StartupOutcome::Shown);
    form->show();
    flags.IntroEnabled = true;
    form->findChild<QAction*>("Indo")->setChecked(true);
    form->Panel().SelectEntry(1);
    dialogs.ShowIntro();
    Form2* intro = windows.Intro();
    ASSERT_NE(intro, nullptr);
    EXPECT_EQ(intro->windowTitle(), "Introduction: Belgian franc - Euro");
    EXPECT_FALSE(form->isEnabled());
    // Not always on top: the tool windows are left alone.
    EXPECT_TRUE(tools.wizard.enabled.empty());
    EXPECT_TRUE(tools.calculator.enabled.empty());

    In<QCheckBox>(*intro, "Check1").click();
    EXPECT_FALSE(flags.IntroEnabled);
    EXPECT_FALSE(form->findChild<QAction*>("Indo")->isChecked());
    EXPECT_EQ(registry.Get(IntroSetting), "0");
    Click(*intro, "Command1");
    EXPECT_TRUE(form->isEnabled());
}

} // namespace
} // namespace ombrix
