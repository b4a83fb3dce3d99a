#include "FileLanguage.h"
#include "GuiFixture.h"
#include "calculator/CalculatorToolWindow.h"
#include "guikit/WindowTexts.h"
#include "mainwindow/rules/CalculatorHostAdapter.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace ombrix::testing {
namespace {

// The main window with the real calculator behind its Tools menu, texts from
// a Dutch language file and "," as the decimal separator.
class StandardWindow : public GuiFixture {
protected:
    void SetUp() override {
        registry.Set(Hive::CurrentUser, "first", "0");
        registry.Set(Hive::CurrentUser, "Switch", "0");
        Catalogue({{"NLG", false}});
        ASSERT_EQ(form->Start(""), StartupOutcome::Shown);
        calculator.SetFactory(
            [this] {
                return new standard({host, numbers, sink, texts, beeper, clipboard, language});
            },
            *form);
        calculatorSlot.target = &calculator;
    }
    void TearDown() override {
        if (standard* window = calculator.Window()) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    standard* Open() {
        Item("cal")->trigger();
        standard* window = calculator.Window();
        if (window == nullptr) {
            ADD_FAILURE() << "the calculator did not open";
            std::abort();
        }
        return window;
    }
    template <typename T> T* In(standard* window, const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            std::abort();
        }
        return child;
    }
    // Clicks the calculator's keys by object name, in turn.
    void Click(standard* window, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QTest::mouseClick(In<QPushButton>(window, name), Qt::LeftButton);
        }
    }

    NumberText numbers{[] { return std::string(","); }};
    FileLanguage language{OMBRIX_FIXTURES "/calculator/nld.lng", sink, texts};
    CalculatorHostAdapter host{*form, form->Panel(), flags};
    CalculatorToolWindow calculator;
};

TEST_F(StandardWindow, OpensFromTheMenuWithTheLanguageFilesCaptions) {
    clipboard.text = "copied before";
    standard* window = Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(flags.CalculatorOpen);
    EXPECT_EQ(clipboard.text, "");
    EXPECT_EQ(window->windowTitle(), "Rekenmachine");
    EXPECT_EQ(In<QMenu>(window, "edit")->title(), "&Bewerken");
    EXPECT_EQ(In<QAction>(window, "eexit")->text(), "&Afsluiten");
    EXPECT_EQ(In<QPushButton>(window, "Command1_10")->text(), ",");
    EXPECT_EQ(In<QPushButton>(window, "Command2_1")->text(), "--");
    EXPECT_EQ(In<QLineEdit>(window, "Memorystatus")->text(), "0");
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // not resizable
    for (QPushButton* key : window->findChildren<QPushButton*>()) {
        EXPECT_EQ(key->focusPolicy(), Qt::TabFocus) << key->objectName().toStdString();
    }
    // Opening again shows the same window.
    Item("cal")->trigger();
    EXPECT_EQ(calculator.Window(), window);
}

TEST_F(StandardWindow, KeysAndKeyboardWorkOnTheSelectedField) {
    standard* window = Open();
    Click(window, {"Command1_1", "Command1_2", "Command1_10", "Command1_5", "Command2_0",
                   "Command1_1", "Command2_4"});
    EXPECT_EQ(Text1()->text(), "13,5");
    EXPECT_EQ(beeper.beeps, 0);

    // Typed characters reach the window even when a key has the focus.
    In<QPushButton>(window, "Command1_3")->setFocus();
    QTest::keyClicks(In<QPushButton>(window, "Command1_3"), "*2=");
    EXPECT_EQ(Text1()->text(), "27");
    EXPECT_EQ(beeper.beeps, 3);
    Click(window, {"Command7_1"});
    EXPECT_EQ(In<QLineEdit>(window, "Memorystatus")->text(), "27");

    // The second field has a register of its own.
    QTest::mouseClick(Option2(), Qt::LeftButton);
    Click(window, {"Command1_4", "Command2_8"});
    EXPECT_EQ(Text2()->text(), "2");
    EXPECT_EQ(Text1()->text(), "27");

    // Typing in the main window's field is taken over by the next digit.
    QTest::mouseClick(Option1(), Qt::LeftButton);
    Click(window, {"Command2_0"});
    QTest::keyClicks(Text1(), "8");
    EXPECT_TRUE(flags.MainWindowEdited);
    Click(window, {"Command1_0"});
    EXPECT_EQ(Text1()->text(), "2780");
    EXPECT_FALSE(flags.MainWindowEdited);
    Click(window, {"Command2_4"});
    EXPECT_EQ(Text1()->text(), "2807");
}

TEST_F(StandardWindow, DivisionByZeroShowsTheLanguageFilesMessage) {
    standard* window = Open();
    Click(window, {"Command1_0", "Command2_7"});
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Delen door nul kan niet.");
    EXPECT_EQ(Text1()->text(), "0");
}

TEST_F(StandardWindow, ConvertPutsTheConvertedValueIntoTheOtherField) {
    standard* window = Open();
    conversion.result = " 5,67";
    Click(window, {"Command1_1", "Command1_2", "Convert"});
    ASSERT_FALSE(conversion.evaluations.empty());
    EXPECT_EQ(conversion.evaluations.back(), (std::pair<std::string, bool>{"12", true}));
    EXPECT_EQ(Text2()->text(), "5,67");
    // The converted value is the second register's operand.
    QTest::mouseClick(Option2(), Qt::LeftButton);
    Click(window, {"Command2_0", "Command1_1", "Command2_4"});
    EXPECT_EQ(Text2()->text(), "6,67");
}

TEST_F(StandardWindow, ExitClosesAndClearsTheFlagAndTheNextOpeningStartsAfresh) {
    standard* window = Open();
    Click(window, {"Command1_7", "Command7_1"});
    EXPECT_EQ(In<QLineEdit>(window, "Memorystatus")->text(), "7");
    In<QAction>(window, "eexit")->trigger();
    EXPECT_FALSE(flags.CalculatorOpen);
    EXPECT_EQ(calculator.Window(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    standard* again = Open();
    EXPECT_TRUE(flags.CalculatorOpen);
    EXPECT_EQ(In<QLineEdit>(again, "Memorystatus")->text(), "0");
}

TEST_F(StandardWindow, FollowsTheAlwaysOnTopOption) {
    Item("Altop")->trigger();
    ASSERT_TRUE(flags.AlwaysOnTop);
    standard* window = Open();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Item("Altop")->trigger();
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace
} // namespace ombrix::testing
