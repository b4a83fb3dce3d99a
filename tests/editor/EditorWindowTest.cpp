#include "editor/Editor.h"

#include "FakeEditorView.h"
#include "FakeRegistry.h"
#include "FakeServices.h"
#include "RecordingSink.h"
#include "TestFolder.h"
#include "editor/rules/LoaderValidator.h"
#include "platform/posix/FileIo.h"
#include "settings/LanguageFile.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ombrix {
namespace {

namespace fs = std::filesystem;

constexpr const char* GoodFile = "NAME Test\r\nURLN Test title\r\nMATH ATS / 13.7603\r\n";

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = testing::TestFolderPath("editor_window_");
        fs::create_directories(folder / "data");
        // The shipped English texts, as the window gets them.
        const platform::ProgramFolders shipped{OMBRIX_SOURCE_DATA, folder.string()};
        LanguageLoad load =
            LoadLanguage("eng.lng", EditorWindow, LanguageContext{shipped, sink, texts, links});
        ASSERT_TRUE(load.ok);
        windowTexts = std::move(load.texts);
    }
    void TearDown() override {
        delete editor.data();
        fs::remove_all(folder);
    }

    std::string Path(const std::string& name) const { return (folder / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        return ReadWholeFile(Path(name)).value_or("<missing>");
    }
    Editor& Make(bool hosted) {
        validator = std::make_unique<LoaderValidator>(
            sink, texts, platform::ProgramFolders{folder.string(), (folder / "data").string()});
        editor = new Editor({sink, texts, dialogs, registry, clipboard, shell, *validator,
                             currentFile, links, findSlot,
                             platform::ProgramFolders{folder.string(), (folder / "data").string()},
                             windowTexts, [this] { ++aboutOpened; }, hosted ? &host : nullptr});
        editor->show();
        return *editor;
    }
    QPlainTextEdit& Text1() { return *editor->findChild<QPlainTextEdit*>("Text1"); }
    QAction& Item(const char* name) { return *editor->findChild<QAction*>(name); }
    template <typename T> T& InDialog(const char* name) {
        return *editor->OpenFindDialog()->findChild<T*>(name);
    }
    void TypeAtEnd(const QString& text) {
        Text1().moveCursor(QTextCursor::End);
        QTest::keyClicks(&Text1(), text);
    }

    fs::path folder;
    testing::RecordingSink sink;
    MessageTexts texts;
    LinkTargets links;
    std::vector<WindowText> windowTexts;
    testing::FakeFileDialogs dialogs;
    testing::FakeRegistry registry;
    testing::FakeClipboard clipboard;
    testing::FakeShell shell;
    testing::FakeEditorHost host;
    std::unique_ptr<LoaderValidator> validator;
    FindDialogSlot findSlot;
    std::string currentFile;
    int aboutOpened = 0;
    QPointer<Editor> editor;
};

TEST_F(EditorWindowTest, MenusCaptionsAndInitialStates) {
    Make(false);
    EXPECT_EQ(editor->windowTitle(), "Conversion Editor");
    EXPECT_EQ(editor->EditorTitle(), "Conversion Editor");
    struct Row {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        bool enabled, visible;
    };
    const Row rows[] = {
        {"new", "&New", QKeySequence("Ctrl+N"), true, true},
        {"open", "&Open...", QKeySequence("Ctrl+O"), true, true},
        {"save", "&Save", QKeySequence("Ctrl+S"), true, true},
        {"SaveAs", "Save &As...", {}, true, true},
        {"line1", "", {}, false, false}, // Qt reports hidden items as disabled
        {"lastused_1", "&1", {}, false, false},
        {"close", "E&xit", {}, true, true},
        {"Undoclick", "&Undo", QKeySequence("Ctrl+Z"), false, true},
        {"Redoclick", "&Redo", {}, false, true},
        {"cut", "Cu&t", QKeySequence("Ctrl+X"), true, true},
        {"paste", "&Paste", QKeySequence("Ctrl+V"), false, true},
        {"Delete", "&Delete", QKeySequence("Del"), true, true},
        {"eselect", "Select &All", QKeySequence("Ctrl+A"), true, true},
        {"mnufind", "&Find...", QKeySequence("Ctrl+F"), true, true},
        {"findnext", "Find Next", QKeySequence("F3"), true, true},
        {"mnureplace", "&Replace...", QKeySequence("Ctrl+H"), true, true},
        {"help2", "&Help", QKeySequence("F1"), true, true},
        {"about", "&About", {}, true, true},
    };
    for (const Row& i : rows) {
        QAction& a = Item(i.name);
        EXPECT_EQ(a.text().toStdString(), i.caption) << i.name;
        EXPECT_EQ(a.shortcut(), i.shortcut) << i.name;
        EXPECT_EQ(a.isEnabled(), i.enabled) << i.name;
        EXPECT_EQ(a.isVisible(), i.visible) << i.name;
    }
    EXPECT_EQ(editor->findChild<QMenu*>("file")->title(), "&File");
    EXPECT_EQ(Text1().lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Text1().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Text1().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    editor->resize(300, 200); // the box follows the client area
    QCoreApplication::processEvents();
    EXPECT_EQ(Text1().geometry(), editor->centralWidget()->rect());
    EXPECT_EQ(Text1().width(), 300);
    EXPECT_LT(Text1().height(), 200); // below the menu bar
}

TEST_F(EditorWindowTest, HostedEditSaveAndCloseGiveTheDialogTheTitle) {
    Write("conv.nod", GoodFile);
    host.fileField = "conv";
    Make(true);
    EXPECT_NE(editor->findChild<QAction*>("UndoClick"), nullptr);
    EXPECT_EQ(editor->findChild<QAction*>("findnext"), nullptr);
    editor->OpenHosted();
    EXPECT_EQ(host.enabled, std::vector<bool>{false});
    EXPECT_EQ(editor->windowTitle().toStdString(), "Conversion Editor - " + Path("conv.nod"));
    TypeAtEnd("FORMAT 0.00");
    EXPECT_TRUE(Item("UndoClick").isEnabled());
    Item("save").trigger();
    EXPECT_EQ(Read("conv.nod"), std::string(GoodFile) + "FORMAT 0.00\r\n");
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(host.nameField, "Test title");
    EXPECT_EQ(host.enabled.back(), true);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(EditorWindowTest, TheSaveQuestionsAnswersAndTheCheckOnClosing) {
    Write("conv.nod", GoodFile);
    Make(false);
    editor->OpenStandalone(Path("conv.nod"));
    TypeAtEnd("BADLINE 1");

    sink.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(editor->close());
    EXPECT_EQ(sink.messages.back().text,
              "The text has been changed.\r\nDo you want to save the changes?");

    sink.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(editor->close()); // saved, but the loader does not know the line
    EXPECT_EQ(Read("conv.nod"), std::string(GoodFile) + "BADLINE 1\r\n");
    EXPECT_EQ(sink.messages.back().icon, MessageIcon::Critical);
    EXPECT_TRUE(editor->isVisible());

    sink.answers = {MessageAnswer::No};
    Item("Undoclick").trigger(); // a change: the question comes again
    EXPECT_TRUE(editor->close());
}

TEST_F(EditorWindowTest, ARecentFileChosenFromTheMenu) {
    Write("r.nod", "R1\nR2\n");
    registry.Set(Hive::CurrentUser, "usedlast1", Path("r.nod"));
    Make(false);
    editor->OpenStandalone("");
    ASSERT_TRUE(Item("lastused_1").isVisible());
    EXPECT_TRUE(Item("line1").isVisible());
    Item("lastused_1").trigger();
    EXPECT_EQ(Text1().toPlainText(), "R1\nR2\n");
    EXPECT_EQ(currentFile, Path("r.nod"));
    Item("save").trigger();
    EXPECT_EQ(Read("r.nod"), "R1\nR2\n"); // line feeds kept, nothing added
}

TEST_F(EditorWindowTest, ClipboardCommandsAreOneChangeEach) {
    Make(false);
    TypeAtEnd("abc");
    QTextCursor cursor = Text1().textCursor();
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    Text1().setTextCursor(cursor);
    editor->findChild<QMenu*>("edit")->popup({0, 0}); // the menu's opening rules
    EXPECT_TRUE(Item("cut").isEnabled());
    EXPECT_FALSE(Item("paste").isEnabled());
    editor->findChild<QMenu*>("edit")->hide();
    Item("cut").trigger();
    EXPECT_EQ(Text1().toPlainText(), "ac");
    EXPECT_EQ(clipboard.text, "b");
    EXPECT_EQ(Text1().textCursor().position(), 0);
    Item("Undoclick").trigger();
    EXPECT_EQ(Text1().toPlainText(), "abc");
    Item("Redoclick").trigger();
    EXPECT_EQ(Text1().toPlainText(), "ac");
}

TEST_F(EditorWindowTest, FindReplaceAndReplaceAllThroughTheDialogsButtons) {
    Make(false);
    TypeAtEnd("cat Cat cat");
    Text1().moveCursor(QTextCursor::Start);
    Item("mnureplace").trigger();
    ASSERT_NE(editor->OpenFindDialog(), nullptr);
    EXPECT_EQ(InDialog<QLineEdit>("findWhat").text(), "Find Text");
    EXPECT_EQ(InDialog<QLineEdit>("replaceWith").text(), "Replace Text");
    EXPECT_FALSE(InDialog<QCheckBox>("matchCase").isChecked());
    EXPECT_FALSE(InDialog<QCheckBox>("wholeWord").isChecked());
    Item("mnufind").trigger(); // one dialog at a time
    EXPECT_EQ(editor->OpenFindDialog()->objectName(), "ReplaceDialog");

    InDialog<QLineEdit>("findWhat").setText("cat");
    InDialog<QLineEdit>("replaceWith").setText("dog");
    QTest::mouseClick(&InDialog<QPushButton>("findNext"), Qt::LeftButton);
    EXPECT_EQ(Text1().textCursor().selectionStart(), 0);
    EXPECT_EQ(Text1().textCursor().selectedText(), "cat");
    QTest::mouseClick(&InDialog<QPushButton>("replace"), Qt::LeftButton);
    EXPECT_EQ(Text1().toPlainText(), "dog Cat cat");
    EXPECT_EQ(Text1().textCursor().selectedText(), "Cat"); // found without regard to case
    QTest::mouseClick(&InDialog<QPushButton>("replaceAll"), Qt::LeftButton);
    EXPECT_EQ(Text1().toPlainText(), "dog dog dog");
    EXPECT_EQ(sink.messages.back().text, "Number of replacements made: 2.");
    EXPECT_EQ(sink.messages.back().title, "Find and Replace");

    QTest::mouseClick(&InDialog<QPushButton>("cancel"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(editor->OpenFindDialog(), nullptr);

    // A new dialog starts with the flags 128 again: upwards, the selection as find text.
    Text1().moveCursor(QTextCursor::End);
    QTest::keyClick(&Text1(), Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    Item("mnufind").trigger();
    EXPECT_EQ(InDialog<QLineEdit>("findWhat").text(), "dog");
    EXPECT_TRUE(InDialog<QRadioButton>("up").isChecked());
    QTest::mouseClick(&InDialog<QPushButton>("findNext"), Qt::LeftButton);
    EXPECT_EQ(Text1().textCursor().selectionStart(), 4);
    QTest::mouseClick(&InDialog<QPushButton>("help"), Qt::LeftButton);
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(EditorWindowTest, FindNextOpensTheReplaceDialogWithTheSelection) {
    Make(false);
    TypeAtEnd("a cat");
    Text1().selectAll();
    QTextCursor cursor = Text1().textCursor();
    cursor.setPosition(2);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    Text1().setTextCursor(cursor);
    Item("findnext").trigger();
    EXPECT_EQ(editor->OpenFindDialog()->objectName(), "ReplaceDialog");
    EXPECT_EQ(InDialog<QLineEdit>("findWhat").text(), "cat");
    EXPECT_EQ(InDialog<QLineEdit>("replaceWith").text(), "Find Next");
}

TEST_F(EditorWindowTest, MixedLineBreaksSurviveEditsAndUndo) {
    Write("m.nod", "A\r\nB\nC\rD");
    Make(false);
    editor->OpenStandalone(Path("m.nod"));
    TypeAtEnd("E");
    Item("Undoclick").trigger();
    Item("Redoclick").trigger();
    Item("save").trigger();
    EXPECT_EQ(Read("m.nod"), "A\r\nB\nC\rDE\r\n");

    Text1().moveCursor(QTextCursor::End);
    Text1().insertPlainText(QString::fromUtf16(u"\u4e2d"));
    Item("save").trigger();
    EXPECT_EQ(Read("m.nod"), "A\r\nB\nC\rDE\r\n");
    EXPECT_NE(sink.messages.back().text.find("U+4E2D on line 4"), std::string::npos);
}

} // namespace
} // namespace ombrix
