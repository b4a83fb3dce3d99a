#include "GuiFixture.h"
#include "guikit/ImageButton.h"
#include "guikit/WindowTexts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

namespace ombrix::testing {
namespace {

TEST_F(GuiFixture, ControlsSitWhereDesignedUnderTheirNames) {
    const struct {
        const char* name;
        int left, top, width, height; // twips
    } controls[] = {
        {"Image1", 240, 120, 405, 405},    {"Image2", 720, 120, 405, 405},
        {"Image3", 1200, 120, 405, 405},   {"Label7", 1680, 150, 1095, 255},
        {"Combo1", 2520, 120, 2415, 315},  {"Label3", 1080, 720, 2895, 255},
        {"Option1", 120, 1080, 255, 255},  {"Label1", 480, 1080, 495, 255},
        {"Text1", 1080, 1080, 2895, 285},  {"Label5", 4080, 1080, 735, 255},
        {"Label4", 1080, 1560, 2895, 255}, {"Option2", 120, 1920, 255, 255},
        {"Label2", 480, 1920, 615, 255},   {"Text2", 1080, 1920, 2895, 285},
        {"Label6", 4080, 1920, 735, 255},  {"Digitchek", 120, 2400, 1935, 375},
        {"Check1", 2640, 2400, 1575, 375}, {"Combo2", 4200, 2400, 615, 315},
    };
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    for (const auto& c : controls) {
        auto* w = form->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height))) << c.name;
    }
    EXPECT_EQ(form->centralWidget()->size(), QSize(344, 198));
    EXPECT_TRUE(Option1()->isChecked());
    EXPECT_EQ(Combo2()->count(), 12);
    EXPECT_EQ(Combo2()->itemText(11), "11");
    EXPECT_EQ(Text1()->nextInFocusChain(), Text2());
    EXPECT_FALSE(Image1()->pixmap().isNull());
}

TEST_F(GuiFixture, MenuBarHoldsEveryItemWithItsCaption) {
    const struct {
        const char* name;
        const char* caption;
        bool menu;
    } items[] = {
        {"File", "&File", true},
        {"openconv", "Open &Conversion", false},
        {"Exit", "&Exit", false},
        {"edit", "&Edit", true},
        {"ecut", "cut", false},
        {"ecopy", "copy", false},
        {"epaste", "paste", false},
        {"Delete", "Delete", false},
        {"eselect", "Select All", false},
        {"delall", "Delete All ", false},
        {"Config", "Config", true},
        {"Switchclick", "Switch", false},
        {"Altop", "Always on Top", false},
        {"Indo", "Introducation Option", false},
        {"Mtray", "Tray", false},
        {"startup", "Startup", false},
        {"Tool", "&Tool", true},
        {"Wizard", "WizardExpress", false},
        {"cal", "Calculcator", false},
        {"Opties", "Opties", false},
        {"Help", "&Help", true},
        {"Help2", "&Help", false},
        {"help1", "&Bugreports", false},
        {"Donate", "Donate us", false},
        {"About", "&About", false},
    };
    for (const auto& item : items) {
        const QString name = QString::fromLatin1(item.name);
        if (item.menu) {
            auto* menu = form->findChild<QMenu*>(name);
            ASSERT_NE(menu, nullptr) << item.name;
            EXPECT_EQ(menu->title(), item.caption);
        } else {
            auto* action = form->findChild<QAction*>(name);
            ASSERT_NE(action, nullptr) << item.name;
            EXPECT_EQ(action->text(), item.caption);
        }
    }
    EXPECT_NE(form->findChild<QAction*>("urllaunch"), nullptr);
    EXPECT_FALSE(Item("delall")->isEnabled());
    EXPECT_TRUE(Item("Indo")->isChecked());
    EXPECT_FALSE(Item("Altop")->isChecked());
    EXPECT_EQ(Item("ecopy")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(Item("Help2")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->menuBar()->actions().size(), 5);
}

TEST_F(GuiFixture, WindowTextsReachControlsByName) {
    using K = ControlText::Kind;
    EXPECT_TRUE(ApplyWindowTexts(*form, {{"Label7", K::Caption, "Ort:"},
                                         {"Check1", K::Caption, "Vaste decimalen"},
                                         {"Help", K::Caption, "&Hulp"},
                                         {"Wizard", K::Caption, "Wizard \x80"},
                                         {"Image1", K::ToolTip, "&Tabel omrekenen"}}));
    EXPECT_EQ(Label7()->text(), "Ort:");
    EXPECT_EQ(Check1()->text(), "Vaste decimalen");
    EXPECT_EQ(Menu("Help")->title(), "&Hulp");
    EXPECT_EQ(Item("Wizard")->text(), QString::fromUtf8("Wizard \u20ac"));
    EXPECT_EQ(Image1()->toolTip(), "Tabel omrekenen");
    EXPECT_FALSE(ApplyWindowTexts(*form, {{"NoSuchControl", K::Caption, "x"}}));
}

TEST_F(GuiFixture, ListGivesWayToALongCaptionButKeepsItsRightEdge) {
    const QRect designed = Combo1()->geometry();
    for (const char* caption : {"Ort:", "Conversion:", "A caption far too long for any window"}) {
        SCOPED_TRACE(caption);
        Label7()->setText(QString::fromLatin1(caption));
        form->FitListCaption();
        const QRect list = Combo1()->geometry();
        const int captionEnd = Label7()->x() + Label7()->fontMetrics().horizontalAdvance(caption);
        EXPECT_EQ(list.right(), designed.right());
        EXPECT_EQ(list.top(), designed.top());
        EXPECT_GE(list.width(), 120);
        if (captionEnd < designed.left()) {
            EXPECT_EQ(list, designed);
        } else if (list.width() > 120) {
            EXPECT_GT(list.left(), captionEnd);
        }
    }
}

TEST_F(GuiFixture, LongCaptionsWidenTheirPlaceAndTheWindowGrows) {
    const QRect digit = Digitchek()->geometry();
    const QRect check = Check1()->geometry();
    const QRect decimals = Combo2()->geometry();
    const int width = form->width();
    Digitchek()->setText("Cijfergroepering in duizendtallen");
    Check1()->setText("Vast aantal decimalen na de komma");
    form->LanguageApplied();
    for (QCheckBox* box : {Digitchek(), Check1()}) {
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->objectName().toStdString();
    }
    EXPECT_GT(Check1()->x(), Digitchek()->geometry().right());
    EXPECT_GE(Combo2()->x(), Check1()->geometry().right()); // adjacent, as designed
    EXPECT_EQ(Combo2()->size(), decimals.size());
    EXPECT_LE(Combo2()->geometry().right(), form->centralWidget()->width());
    EXPECT_EQ(form->width() - width, Combo2()->x() - decimals.x()); // grown by the shift

    // Captions that fit keep the designed places and size.
    Digitchek()->setText("Digit");
    Check1()->setText("Fixed");
    form->LanguageApplied();
    EXPECT_EQ(Digitchek()->geometry(), digit);
    EXPECT_EQ(Check1()->geometry(), check);
    EXPECT_EQ(Combo2()->geometry(), decimals);
    EXPECT_EQ(form->width(), width);
}

TEST_F(GuiFixture, LongTextsShowTheirStartAndTheDropDownTheLongestEntry) {
    const std::string title = "Veldmark dialling codes and a great deal more text";
    form->AddListItem("ATS");
    form->AddListItem(title);
    EXPECT_GE(Combo1()->view()->minimumWidth(),
              Combo1()->view()->fontMetrics().horizontalAdvance(QString::fromStdString(title)));
    form->SelectListItem(1);
    EXPECT_EQ(Combo1()->lineEdit()->cursorPosition(), 0);
    form->SetListText(title);
    EXPECT_EQ(Combo1()->lineEdit()->cursorPosition(), 0);
    const std::string value = "1234567890123456789012345678.00";
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Text1()->setFocus();
    form->SetFieldText(2, value); // the result beside the field being typed in
    EXPECT_EQ(Text2()->cursorPosition(), 0);
    form->SetFieldText(1, value);
    EXPECT_EQ(Text1()->cursorPosition(), static_cast<int>(value.size()));
    Text1()->clearFocus();
    form->SetFieldText(2, "12.50"); // fits: the caret stays at the end to type on
    EXPECT_EQ(Text2()->cursorPosition(), 5);
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)); // fixed size
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

class StartedForm : public GuiFixture {
protected:
    void SetUp() override {
        registry.Set(Hive::CurrentUser, "first", "0");
        registry.Set(Hive::CurrentUser, "Switch", "0");
        registry.Set(Hive::CurrentUser, "precision", "0");
        Catalogue({{"ATS", false}, {"Euro-NLG", false}, {"EURO-x", false}, {"Text", true}});
        catalogue.fileDefault = 0;
        ASSERT_EQ(form->Start(""), StartupOutcome::Shown);
        ASSERT_EQ(form->windowTitle(), "Conv ATS");
    }
};

TEST_F(StartedForm, TypingEuSelectsAndLoadsFirstMatch) {
    QLineEdit* line = Combo1()->lineEdit();
    line->clear();
    QTest::keyClicks(line, "eu");
    EXPECT_EQ(Combo1()->currentIndex(), 1);
    EXPECT_EQ(form->windowTitle(), "Conv Euro-NLG");
    EXPECT_EQ(line->text(), "Euro-NLG");
    EXPECT_EQ(line->cursorPosition(), 2);
    EXPECT_EQ(line->selectedText(), "ro-NLG");
    EXPECT_EQ(beeper.beeps, 0);
    Combo1()->hidePopup();
}

TEST_F(StartedForm, NonMatchingCharacterBeepsAndChangesNothing) {
    QLineEdit* line = Combo1()->lineEdit();
    line->setText("ATS");
    line->setCursorPosition(3);
    const std::size_t loads = conversion.loads.size();
    QTest::keyClick(line, 'q');
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(line->text(), "ATS");
    EXPECT_EQ(Combo1()->currentIndex(), 0);
    EXPECT_EQ(conversion.loads.size(), loads);
    Combo1()->hidePopup();
}

TEST_F(StartedForm, CharacterOutsideTheCodePageBeepsAndIsDropped) {
    QLineEdit* line = Combo1()->lineEdit();
    line->setText("ATS");
    QKeyEvent han(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u4e2d"));
    QCoreApplication::sendEvent(line, &han);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(line->text(), "ATS");
}

TEST_F(StartedForm, EscapeAndDeleteClearTextButKeepConversion) {
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Delete}) {
        QLineEdit* line = Combo1()->lineEdit();
        line->setText("ATS");
        QTest::keyClick(line, key);
        EXPECT_EQ(line->text(), "") << key;
        EXPECT_EQ(form->windowTitle(), "Conv ATS");
        EXPECT_EQ(Combo1()->count(), 4);
    }
}

TEST_F(StartedForm, EnterConvertsInBothFieldsWithAndWithoutSwap) {
    const struct {
        bool swapped;
        int field;
        bool forward;
    } cases[] = {{false, 1, true}, {false, 2, false}, {true, 1, false}, {true, 2, true}};
    for (const auto& c : cases) {
        if (flags.SwitchSides != c.swapped) {
            Item("Switchclick")->trigger();
        }
        conversion.evaluations.clear();
        conversion.result = " 45,38";
        QLineEdit* typed = c.field == 1 ? Text1() : Text2();
        QLineEdit* other = c.field == 1 ? Text2() : Text1();
        typed->setText("100");
        QTest::keyClick(typed, Qt::Key_Return);
        ASSERT_EQ(conversion.evaluations.size(), 1u);
        EXPECT_EQ(conversion.evaluations[0].second, c.forward) << c.swapped << c.field;
        EXPECT_EQ(other->text(), "45,38");
        EXPECT_EQ((c.field == 1 ? Option1() : Option2())->isChecked(), true);
    }
    EXPECT_EQ(Label1()->text(), "EUR"); // swapped: the second unit on the first side
    EXPECT_EQ(Label3()->text(), "Euro");
}

TEST_F(StartedForm, PrecisionOffDisablesDecimalsList) {
    EXPECT_FALSE(Check1()->isChecked());
    EXPECT_FALSE(Combo2()->isEnabled());
    EXPECT_EQ(Combo2()->currentIndex(), 2);
    QTest::mouseClick(Check1(), Qt::LeftButton, {}, Check1()->rect().center());
    EXPECT_TRUE(Check1()->isChecked());
    EXPECT_TRUE(Combo2()->isEnabled());
    EXPECT_EQ(conversion.decimalPlaces, 2);
    EXPECT_EQ(registry.Get("precision"), "1");
}

TEST_F(StartedForm, TextConversionDisablesNumberFormatControls) {
    form->Panel().SelectEntry(3);
    EXPECT_FALSE(Check1()->isEnabled());
    EXPECT_FALSE(Digitchek()->isEnabled());
    EXPECT_FALSE(Combo2()->isEnabled());
    form->Panel().SelectEntry(0);
    EXPECT_TRUE(Check1()->isEnabled());
    EXPECT_TRUE(Digitchek()->isEnabled());
    EXPECT_FALSE(Combo2()->isEnabled());
}

TEST_F(StartedForm, ImageButtonFramesFollowPressReleaseAndHover) {
    ImageButton* image = Image3();
    const QRect before = image->geometry();
    dialogs.openAnswers = {""};
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Frames().size(), 1u);
    EXPECT_TRUE(Frames()[0].sunken);
    EXPECT_EQ(image->geometry(), before.adjusted(2, 2, 0, 0));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Frames().size(), 1u);
    EXPECT_FALSE(Frames()[0].sunken);
    EXPECT_EQ(image->geometry(), before);
    EXPECT_EQ(dialogs.opened, std::vector<std::string>{"Open|nod files|*.nod|*.nod"});

    QTest::mouseMove(form->centralWidget(), QPoint(300, 150));
    EXPECT_TRUE(Frames().empty());
    QTest::mouseMove(Image1(), QPoint(5, 5));
    EXPECT_EQ(Frames().size(), 1u);
    QTest::mouseMove(Image2(), QPoint(5, 5)); // no erase since the last clear: one frame only
    EXPECT_EQ(Frames().size(), 1u);
}

TEST_F(StartedForm, OpenConversionAddsChosenFileOrNothingWhenCancelled) {
    dialogs.openAnswers = {""};
    Item("openconv")->trigger();
    EXPECT_EQ(Combo1()->count(), 4);
    conversion.files["/data/Miles.nod"].texts.name = "Miles";
    dialogs.openAnswers = {"/data/Miles.nod"};
    Item("openconv")->trigger();
    EXPECT_EQ(Combo1()->count(), 5);
    EXPECT_EQ(Combo1()->currentText(), "Miles");
    EXPECT_EQ(form->windowTitle(), "Miles");
}

TEST_F(StartedForm, CloseInTrayModeOnlyHides) {
    flags.TrayActive = true;
    Item("Exit")->trigger();
    EXPECT_FALSE(form->isVisible());
    form->ReceiveCommandLine("");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(GuiFixture, FirstRunStartsOnTopWithTwoDecimals) {
    Catalogue({{"ATS", false}});
    registry.Set(Hive::CurrentUser, "Ontop", "1");
    registry.Set(Hive::CurrentUser, "Tray", "1");
    registry.Set(Hive::CurrentUser, "Intro", "0");
    registry.Set(Hive::CurrentUser, "Switch", "0");
    registry.Set(Hive::CurrentUser, "precision", "0");
    registry.Set(Hive::CurrentUser, "decnum", "2");
    ASSERT_EQ(form->Start(""), StartupOutcome::Shown);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Item("Altop")->isChecked());
    EXPECT_TRUE(Item("Mtray")->isChecked());
    EXPECT_FALSE(Item("Indo")->isChecked());
    EXPECT_EQ(Combo2()->currentText(), "2");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(GuiFixture, ForwardedLineIsIgnoredBeforeStartupFinished) {
    form->ReceiveCommandLine("/tmp/a.nod");
    EXPECT_TRUE(conversion.loads.empty());
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace ombrix::testing
