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
    for (const bool dropsDown : {false, true}) {
        reported.clear();
        list->clear();
        Attach({.dropsDown = dropsDown});
        QTest::keyClicks(list->lineEdit(), "br");
        EXPECT_EQ(reported, (std::vector<int>{1, 2})) << dropsDown;
        EXPECT_EQ(list->lineEdit()->text(), "Bravo");
        EXPECT_EQ(list->lineEdit()->selectedText(), "avo");
        EXPECT_EQ(list->view()->isVisible(), dropsDown);
        list->hidePopup();
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
