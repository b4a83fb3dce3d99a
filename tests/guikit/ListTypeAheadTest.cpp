#include "guikit/ListTypeAhead.h"
#include "FakeServices.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace ombrix::testing {
namespace {

// Any window's editable list can carry the search; its style decides the
// drop-down part and the selection on focus.
class ListTypeAheadTest : public ::testing::Test {
protected:
    QWidget window;
    QComboBox* list = new QComboBox(&window);
    FakeBeeper beeper;
    std::vector<int> reported;

    void Attach(ListTypeAhead::Style style) {
        list->setEditable(true);
        list->addItems({"Alpha", "Beta", "Bravo"});
        list->setCurrentIndex(-1);
        new ListTypeAhead(*list, beeper, style, [this](int index) { reported.push_back(index); });
        window.show();
    }
};

TEST_F(ListTypeAheadTest, SearchSelectsAndReportsWithOrWithoutDropDown) {
    // A real keyboard reaches the list itself, which passes keys on to its
    // text directly; tests and input methods may reach the text.
    const struct {
        bool dropsDown;
        bool toText;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        reported.clear();
        list->clear();
        Attach({.dropsDown = c.dropsDown});
        QWidget* target = c.toText ? static_cast<QWidget*>(list->lineEdit()) : list;
        QTest::keyClicks(target, "br");
        EXPECT_EQ(reported, (std::vector<int>{1, 2})) << c.dropsDown << c.toText;
        EXPECT_EQ(list->lineEdit()->text(), "Bravo");
        EXPECT_EQ(list->lineEdit()->selectedText(), "avo");
        EXPECT_EQ(list->view()->isVisible(), c.dropsDown);
        list->hidePopup();
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_EQ(list->lineEdit()->text(), "") << c.dropsDown << c.toText;
        EXPECT_EQ(list->currentIndex(), 2); // clearing the text keeps the entry
    }
}

TEST_F(ListTypeAheadTest, FocusSelectsTheWholeTextOnlyWhenAsked) {
    for (const bool selectsOnFocus : {false, true}) {
        list->clear();
        Attach({.selectsOnFocus = selectsOnFocus});
        list->lineEdit()->setText("Alpha");
        list->lineEdit()->deselect();
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(list->lineEdit(), &focusIn);
        EXPECT_EQ(list->lineEdit()->selectedText(), selectsOnFocus ? "Alpha" : "")
            << selectsOnFocus;
    }
}

} // namespace
} // namespace ombrix::testing
