#include "FakeRegistry.h"
#include "FakeServices.h"
#include "guikit/Sysmsgbox.h"
#include "guikit/frmAbout.h"
#include "settings/WindowTextTables.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace ombrix::testing {
namespace {

class RecordingLanguage : public WindowLanguage {
public:
    std::vector<std::int16_t> windows;
    bool ApplyTexts(std::int16_t window) override {
        windows.push_back(window);
        return true;
    }
};

class AboutBoxTest : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeStarter starter;
    RecordingSink sink;
    RecordingLanguage language;

    QPointer<frmAbout> Open(OwnerWindows& owners, bool fromEditor) {
        auto* box =
            new frmAbout({owners, language, registry, starter, sink, "Quavomat"}, fromEditor);
        box->show();
        return box;
    }
    static void Close(QPointer<frmAbout>& box) {
        QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(AboutBoxTest, FromTheEditorItWaitsForNoOneWithADoNothingOwnerPort) {
    NoOwnerWindows none;
    QPointer<frmAbout> box = Open(none, true);
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_EQ(language.windows, std::vector<std::int16_t>{AboutWindow});
    EXPECT_TRUE(box->windowTitle().endsWith(" Quavomat"));
    EXPECT_TRUE(box->findChild<QLabel*>("lblVersion")->text().contains("1.8.0"));

    QTest::mouseClick(box->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "System Information Is Unavailable At This Time");
    Close(box);
    EXPECT_TRUE(box.isNull());
}

TEST_F(AboutBoxTest, FromTheMainWindowItDisablesItsOwnersUntilItCloses) {
    FakeOwnerWindows owners;
    QPointer<frmAbout> box = Open(owners, false);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(owners.enabled, std::vector<bool>{false});
    Close(box);
    EXPECT_TRUE(box.isNull());
    EXPECT_EQ(owners.enabled, (std::vector<bool>{false, true}));
}

TEST(MessageBox, ShowsOneLineUnderTheOwnersCaption) {
    std::string caption = "Quavomat Euro Edition";
    Sysmsgbox box([&caption] { return caption; });
    EXPECT_TRUE(box.Form("Saved."));
    EXPECT_EQ(box.windowTitle(), "Quavomat Euro Edition");
    EXPECT_EQ(box.Label1->text(), "Saved.");
    caption = "Euro-DEM";
    EXPECT_TRUE(box.Form("Saved again."));
    EXPECT_EQ(box.windowTitle(), "Euro-DEM");
    EXPECT_EQ(box.Label1->text(), "Saved again.");
    QTest::mouseClick(box.Command1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

TEST(MessageBox, ALongTextIsShownWhole) {
    Sysmsgbox box([] { return std::string("Quavomat"); });
    const std::string path = "/home/someone/.local/share/Quavomat/conversions/rates";
    for (const std::string& text :
         {path + " is not found", path + " could not be read, and the text goes on far past the "
                                         "widest line a message box should have on a screen"}) {
        box.Form(text);
        const QRect label = box.Label1->geometry();
        const int lines = label.height() / box.Label1->fontMetrics().lineSpacing();
        EXPECT_GE(lines * label.width(),
                  box.Label1->fontMetrics().horizontalAdvance(box.Label1->text()));
        EXPECT_TRUE(box.rect().contains(label));
        EXPECT_TRUE(box.rect().contains(box.Command1->geometry()));
        EXPECT_GE(box.Command1->geometry().top(), label.bottom());
    }
}

} // namespace
} // namespace ombrix::testing
