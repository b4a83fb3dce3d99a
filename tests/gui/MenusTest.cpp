#include "GuiFixture.h"
#include "guikit/frmAbout.h"
#include "mainwindow/tray1.h"
#include "platform/qt/QtServices.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace ombrix::testing {
namespace {

class MenuForm : public GuiFixture {
protected:
    void SetUp() override {
        registry.Set(Hive::CurrentUser, "first", "0");
        registry.Set(Hive::CurrentUser, "Switch", "0");
        Catalogue({{"ATS", false}, {"DEM", false}});
        ASSERT_EQ(form->Start(""), StartupOutcome::Shown);
    }
    void TearDown() override {
        if (frmAbout* about = form->AboutBox()) {
            about->reject();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A click in a field, as the pointer makes it.
    void ClickIn(QLineEdit* field) {
        QTest::mouseRelease(field, Qt::LeftButton, {}, field->rect().center());
    }
};

TEST_F(MenuForm, PasteReplacesTheWholeFieldWhateverIsSelected) {
    Option2()->setChecked(true);
    Text2()->setText("12345");
    Text2()->setSelection(1, 2);
    clipboard.text = "9,5";
    Item("epaste")->trigger();
    EXPECT_EQ(Text2()->text(), "9,5");
    clipboard.text.clear();
    Item("epaste")->trigger();
    EXPECT_EQ(Text2()->text(), "");
    EXPECT_EQ(Text1()->text(), "");
}

TEST_F(MenuForm, CopyCutAndDeleteWorkOnTheSelectionOfTheActiveField) {
    Option1()->setChecked(true);
    Text1()->setText("abcdef");
    clipboard.text = "old";
    Item("ecopy")->trigger(); // nothing selected: nothing happens
    EXPECT_EQ(clipboard.text, "old");
    Text1()->setSelection(1, 2);
    Item("ecut")->trigger();
    EXPECT_EQ(clipboard.text, "bc");
    EXPECT_EQ(Text1()->text(), "adef");
    EXPECT_EQ(Text1()->cursorPosition(), 1);
    Text1()->setSelection(3, -2); // selected backwards
    Item("Delete")->trigger();
    EXPECT_EQ(Text1()->text(), "af");
    EXPECT_EQ(Text1()->cursorPosition(), 1);
    Item("eselect")->trigger();
    EXPECT_EQ(Text1()->selectedText(), "af");
}

TEST_F(MenuForm, DeleteAllFollowsTheFieldsText) {
    EXPECT_FALSE(Item("delall")->isEnabled());
    Text2()->setText("4");
    EXPECT_TRUE(Item("delall")->isEnabled());
    Text1()->setText("7");
    Item("delall")->trigger();
    EXPECT_EQ(Text1()->text(), "");
    EXPECT_EQ(Text2()->text(), "");
    EXPECT_FALSE(Item("delall")->isEnabled());
}

TEST_F(MenuForm, EditItemsFollowClicksAndSelections) {
    Option1()->setChecked(true);
    Text1()->setText("123");
    clipboard.text.clear();
    ClickIn(Text1());
    EXPECT_FALSE(Item("epaste")->isEnabled());
    EXPECT_FALSE(Item("ecopy")->isEnabled());
    EXPECT_FALSE(Item("ecut")->isEnabled());
    EXPECT_FALSE(Item("Delete")->isEnabled());

    // Chosen without the pointer: Copy and Cut follow the selection at once,
    // Paste and Delete wait for the next click.
    Text1()->selectAll();
    EXPECT_TRUE(Item("ecopy")->isEnabled());
    EXPECT_TRUE(Item("ecut")->isEnabled());
    EXPECT_FALSE(Item("Delete")->isEnabled());
    Option2()->setChecked(true); // the other field is active, nothing selected there
    EXPECT_FALSE(Item("ecopy")->isEnabled());
    Option1()->setChecked(true);
    EXPECT_TRUE(Item("ecopy")->isEnabled());
    Text1()->deselect();
    EXPECT_FALSE(Item("ecut")->isEnabled());

    Text1()->selectAll();
    clipboard.text = "5";
    ClickIn(Text1());
    EXPECT_TRUE(Item("epaste")->isEnabled());
    EXPECT_TRUE(Item("ecopy")->isEnabled());
    EXPECT_TRUE(Item("ecut")->isEnabled());
    EXPECT_TRUE(Item("Delete")->isEnabled());
}

TEST_F(MenuForm, EditKeysInAFieldGoToTheMenu) {
    Option1()->setChecked(true);
    Text1()->setText("123");
    clipboard.text.clear();
    ClickIn(Text2()); // the clipboard was empty: Paste off
    clipboard.text = "x";
    QKeyEvent pasteKey(QEvent::ShortcutOverride, Qt::Key_V, Qt::ControlModifier);
    pasteKey.ignore();
    QCoreApplication::sendEvent(Text1(), &pasteKey);
    EXPECT_FALSE(pasteKey.isAccepted()); // left to the window's shortcuts
    QTest::keyClick(Text1(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text1()->text(), "123"); // a disabled item's key does nothing
    Text1()->setCursorPosition(0);
    QTest::keyClick(Text1(), Qt::Key_4); // other keys still type
    EXPECT_EQ(Text1()->text(), "4123");

    // A selection made with the keyboard alone is copied by Ctrl+C.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Text1()->setFocus();
    Text1()->setSelection(0, 1);
    QTest::keyClick(Text1(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text, "4");
    EXPECT_EQ(Text1()->text(), "4123");

    Text1()->setSelection(0, 2);
    ClickIn(Text1());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Text1()->setFocus();
    QTest::keyClick(Text1(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text, "41");
    EXPECT_EQ(Text1()->text(), "23");

    // Del stays the field's own key: it deletes the next character when
    // nothing is selected, as in any text field.
    Text1()->setText("123");
    Text1()->setCursorPosition(1);
    QTest::keyClick(Text1(), Qt::Key_Delete);
    EXPECT_EQ(Text1()->text(), "13");
}

TEST_F(MenuForm, AlwaysOnTopIsStoredAndApplied) {
    flags.WizardOpen = true;
    Item("Altop")->trigger();
    EXPECT_TRUE(Item("Altop")->isChecked());
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(registry.Get("Ontop"), "1");
    EXPECT_EQ(windows.wizard.topmost, std::vector<bool>{true});
    Item("Altop")->trigger();
    EXPECT_FALSE(Item("Altop")->isChecked());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(registry.Get("Ontop"), "0");
}

TEST_F(MenuForm, StartupOnThenCloseHidesAndASecondStartShowsAgain) {
    Item("startup")->trigger();
    EXPECT_TRUE(Item("startup")->isChecked());
    EXPECT_EQ(registry.Get("Ombrix", RunKey), OMBRIX_DATA_DIR "/ombrixgo /tray");
    Item("Exit")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(tray.shown);
    form->ReceiveCommandLine("");
    EXPECT_TRUE(form->isVisible());
    Item("startup")->trigger();
    EXPECT_FALSE(Item("startup")->isChecked());
    EXPECT_EQ(registry.Get("Ombrix", RunKey), "");
}

TEST_F(MenuForm, TrayItemRunsTheIconsTimerAndOffLetsCloseEndTheProgram) {
    Item("Mtray")->trigger();
    EXPECT_TRUE(Item("Mtray")->isChecked());
    EXPECT_TRUE(tray.shown);
    EXPECT_TRUE(form->TrayWindow().Timer1->isActive());
    EXPECT_EQ(form->TrayWindow().Timer1->interval(), 300);
    Item("Mtray")->trigger();
    EXPECT_FALSE(tray.shown);
    EXPECT_FALSE(form->TrayWindow().Timer1->isActive());
    Item("Exit")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(flags.Hooked); // closed for real, not hidden
}

TEST_F(GuiFixture, WithoutANotificationAreaTheTrayItemIsDisabled) {
    registry.Set(Hive::CurrentUser, "first", "0");
    registry.Set(Hive::CurrentUser, "Tray", "1");
    Catalogue({{"ATS", false}});
    tray.available = false;
    ASSERT_EQ(form->Start("/tray"), StartupOutcome::Shown);
    EXPECT_FALSE(Item("Mtray")->isEnabled());
    EXPECT_FALSE(Item("Mtray")->isChecked());
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_EQ(registry.Get("Tray"), "1");
}

TEST_F(MenuForm, TrayMenuShowsTheHiddenWindowAndSetsItsItems) {
    Item("Mtray")->trigger();
    Item("Exit")->trigger();
    ASSERT_FALSE(form->isVisible());
    tray1& window = form->TrayWindow();
    window.PointerEvent(TrayPointer::LeftDoubleClick);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(window.mnuShow->isEnabled());
    EXPECT_TRUE(window.mnuHide->isEnabled());
    window.mnuHide->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(window.mnuShow->isEnabled());
    EXPECT_FALSE(window.mnuHide->isEnabled());
    EXPECT_EQ(window.mnuMain->actions().size(), 4);
}

TEST_F(MenuForm, TrayExitEndsTheRunAlthoughTheMainWindowOnlyHides) {
    Item("Mtray")->trigger();
    ASSERT_TRUE(flags.TrayActive);
    QTimer::singleShot(0, [this] { form->TrayWindow().mnuExit->trigger(); });
    QTimer::singleShot(3000, [] { QApplication::exit(1); }); // the run did not end
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(tray.shown);
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MenuForm, HelpAndLinkItemsHandTheirTargetsToTheShell) {
    links = {"mailto:bugs@example.org?subject=Bug", "https://www.example.org/",
             "https://help.example.org/start?x=1", "https://www.example.org/donate"};
    Item("Help2")->trigger();
    Item("help1")->trigger();
    Item("urllaunch")->trigger();
    Item("Donate")->trigger();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://help.example.org/start?x=1",
                                                      "mailto:bugs@example.org?subject=Bug 1.8.0",
                                                      "https://www.example.org/",
                                                      "https://www.example.org/donate"}));
    EXPECT_EQ(shell.folders[0], OMBRIX_DATA_DIR);
}

TEST_F(MenuForm, ToolItemsOpenTheirWindows) {
    Item("Wizard")->trigger();
    Item("cal")->trigger();
    Item("Opties")->trigger();
    EXPECT_EQ(windows.wizard.shown, 1);
    EXPECT_EQ(windows.calculator.shown, 1);
    EXPECT_EQ(windows.dialogs.options, 1);
}

TEST_F(MenuForm, AboutBoxDisablesTheMainWindowUntilItCloses) {
    flags.AlwaysOnTop = true;
    flags.CalculatorOpen = true;
    Item("About")->trigger();
    frmAbout* about = form->AboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(windows.calculator.enabled, std::vector<bool>{false});
    EXPECT_EQ(about->windowTitle(), "About MyApp Quavomat");
    EXPECT_EQ(about->lblVersion->text(), "Version 1.8.0 ");
    EXPECT_EQ(about->Image1->pixmap().size(), QSize(359, 239));
    // The name word belongs to the stand-alone editor's box only.
    EXPECT_EQ(about->findChild<QLabel*>("Label1"), nullptr);

    // The icon's menu offers nothing while the box must be closed first.
    tray1& trayWindow = form->TrayWindow();
    trayWindow.PointerEvent(TrayPointer::Other);
    EXPECT_FALSE(trayWindow.mnuShow->isEnabled());
    EXPECT_FALSE(trayWindow.mnuHide->isEnabled());
    EXPECT_FALSE(trayWindow.mnuExit->isEnabled());
    trayWindow.Rules().mnuHide_Click();
    EXPECT_TRUE(form->isVisible());

    QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "System Information Is Unavailable At This Time");

    QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->AboutBox(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(windows.calculator.enabled, (std::vector<bool>{false, true}));
}

TEST(ShellTarget, AddressesStayFilesBecomeLocal) {
    struct Case {
        std::string target, folder;
        QString url;
    };
    const Case cases[] = {
        {"https://www.example.org/a?b=1", "/prog", "https://www.example.org/a?b=1"},
        {"mailto:bugs@example.org?subject=Bug 1.8.0", "",
         "mailto:bugs@example.org?subject=Bug%201.8.0"},
        {"/prog\\start.htm", "/other", "file:///prog/start.htm"},
        {"help\\index.html", "/prog", "file:///prog/help/index.html"},
        {"/prog/help.chm::/start.htm", "", "file:///prog/help.chm::/start.htm"},
        {"hj\xe9lp\\index.html", "/pr\x80g", "file:///pr%E2%82%ACg/hj%C3%A9lp/index.html"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ShellTarget(c.target, c.folder).toString(QUrl::FullyEncoded), c.url)
            << c.target;
    }
    EXPECT_TRUE(platform::ShellTarget("", "/prog").isEmpty());
}

} // namespace
} // namespace ombrix::testing
