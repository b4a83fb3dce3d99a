#include "platform/qt/QtServices.h"
#include "GuiFixture.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/Win1252.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

namespace ombrix::testing {
namespace {

// Runs `act` on the first modal window that opens.
void WhenModalOpens(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        // A window already answered may still count as modal while it closes.
        if (modal != nullptr && modal->isVisible() && !modal->property("answered").toBool()) {
            timer->stop();
            timer->deleteLater();
            modal->setProperty("answered", true);
            act(modal);
        }
    });
    timer->start();
}

TEST(NameFilters, OnePairOrADescriptionAlone) {
    EXPECT_EQ(platform::NameFilters("nod files|*.nod"), QStringList{"nod files (*.nod)"});
    EXPECT_EQ(platform::NameFilters("lng files|*.lng|all|*"),
              (QStringList{"lng files (*.lng)", "all (*)"}));
    EXPECT_EQ(platform::NameFilters("nod files"), QStringList{"nod files ()"});
}

TEST(QtMessageSink, ShowsTextsAndAnswersWithTheButtonPressed) {
    const struct {
        Message message;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton press;
        MessageAnswer answer;
    } cases[] = {
        {{MessageIcon::Critical, MessageButtons::Ok, "", "x.nod\x80 missing"},
         "Quavomat",
         QMessageBox::Critical,
         QMessageBox::Ok,
         MessageAnswer::Ok},
        {{MessageIcon::Question, MessageButtons::YesNoCancel, "Editor", "Save?"},
         "Editor",
         QMessageBox::Question,
         QMessageBox::No,
         MessageAnswer::No},
        {{MessageIcon::Exclamation, MessageButtons::OkCancel, "T", "?"},
         "T",
         QMessageBox::Warning,
         QMessageBox::Cancel,
         MessageAnswer::Cancel},
    };
    platform::QtMessageSink sink(QStringLiteral("Quavomat"));
    for (const auto& c : cases) {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(c.press)->click();
        });
        EXPECT_EQ(sink.Show(c.message), c.answer);
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(text, platform::FromWin1252(c.message.text));
    }
}

// Just after a dialog closes no window is active; the box must still belong
// to the window the user works in, and stay above it when that one does.
TEST(QtMessageSink, BoxBelongsToTheWindowInUseAndStaysAboveIt) {
    platform::QtMessageSink sink(QStringLiteral("Quavomat"));
    for (const bool onTop : {true, false}) {
        QWidget main;
        main.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        {
            QWidget dialog;
            dialog.show();
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        }
        QCoreApplication::processEvents();
        QWidget* owner = nullptr;
        bool above = false;
        WhenModalOpens([&](QWidget* modal) {
            owner = modal->parentWidget();
            above = modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
        sink.Show({MessageIcon::Critical, MessageButtons::Ok, "", "not loaded"});
        EXPECT_EQ(owner, &main) << onTop;
        EXPECT_EQ(above, onTop);
    }
}

TEST(QtFileDialogs, OpenReturnsTypedNameThatDoesNotExist) {
    QTemporaryDir folder;
    const QString wanted = folder.filePath("missing.nod");
    QStringList filters;
    QString title;
    bool readOnly = true;
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        readOnly = dialog->testOption(QFileDialog::ReadOnly);
        dialog->setDirectory(folder.path());
        dialog->selectFile(wanted);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    platform::QtFileDialogs dialogs;
    EXPECT_EQ(dialogs.ShowOpenDialog("Open", "nod files|*.nod", "*.nod"),
              platform::ToWin1252(wanted));
    EXPECT_EQ(title, "Open");
    EXPECT_EQ(filters, QStringList{"nod files (*.nod)"});
    EXPECT_FALSE(readOnly);
}

TEST(QtFileDialogs, SaveOverExistingFileAsksNothingAndCancelGivesEmpty) {
    QTemporaryDir folder;
    const QString existing = folder.filePath("old.nod");
    QFile(existing).open(QIODevice::WriteOnly);
    WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->setDirectory(folder.path());
        dialog->selectFile(existing);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    platform::QtFileDialogs dialogs;
    EXPECT_EQ(dialogs.ShowSaveDialog("nod files|*.nod", "*.nod", "Save"),
              platform::ToWin1252(existing));

    WhenModalOpens([](QWidget* modal) { qobject_cast<QFileDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.ShowOpenDialog("Open", "nod files|*.nod", "*.nod"), "");
}

// A chosen name reaches the program as a stored (Windows-1252) name; one
// Windows-1252 cannot hold is refused in a box naming the character, and the
// dialog answers as if cancelled.
TEST(QtFileDialogs, ChosenNamesOutsideAsciiAreStoredOrRefused) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QString::fromUtf8("jos\u00e9"));
    const std::string stored = platform::StoredFileName(folder.path()).text;
    struct Case {
        QString chosen;
        std::string result;
        QString boxText; // what the box says; empty: no box opens
    };
    const Case cases[] = {
        {QString::fromUtf8("jos\u00e9/\u20ac.nod"), stored + "/jos\xe9/\x80.nod", {}},
        {QString::fromUtf8("\u0151.nod"), "", QString::fromUtf8("\"\u0151\" (U+0151)")},
        {QString::fromUtf8("\u6771.nod"), "", QString::fromUtf8("\"\u6771\" (U+6771)")},
    };
    for (const Case& c : cases) {
        QFile(folder.filePath(c.chosen)).open(QIODevice::WriteOnly);
        QString boxText;
        WhenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->setDirectory(folder.path());
            // Typed, as a user would: the dialog's own selection of a file
            // comes from its folder listing, which fills in the background.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(folder.filePath(c.chosen));
            if (!c.boxText.isEmpty()) {
                WhenModalOpens([&](QWidget* box) {
                    auto* message = qobject_cast<QMessageBox*>(box);
                    ASSERT_NE(message, nullptr);
                    boxText = message->text();
                    message->button(QMessageBox::Ok)->click();
                });
            }
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
        platform::QtFileDialogs dialogs;
        EXPECT_EQ(dialogs.ShowOpenDialog("Open", "nod files|*.nod", "*.nod"), c.result)
            << c.chosen.toStdString();
        if (!c.boxText.isEmpty()) {
            EXPECT_TRUE(boxText.contains(c.boxText)) << boxText.toStdString();
            EXPECT_TRUE(boxText.contains(folder.filePath(c.chosen))) << boxText.toStdString();
        }
    }
}

TEST(Topmost, ChangesTheStackingOfTheSameNativeWindow) {
    QWidget window;
    window.show();
    const WId native = window.winId();
    for (const bool on : {true, false, true}) {
        platform::SetTopmost(window, on);
        EXPECT_EQ(window.winId(), native) << on; // not re-created: no flicker, same window
        EXPECT_TRUE(window.isVisible()) << on;
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
    }
}

TEST(QtClipboard, CarriesWindows1252Text) {
    platform::QtClipboard clipboard;
    clipboard.SetText("12,50 \x80");
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("12,50 \u20ac"));
    EXPECT_EQ(clipboard.Text(), "12,50 \x80");
    clipboard.Clear();
    EXPECT_EQ(clipboard.Text(), "");
}

} // namespace
} // namespace ombrix::testing

namespace ombrix::testing {
namespace {

// A first copy whose handed-over command lines all fail with a message box.
TEST(QtMessageSink, FailingHandOversWhileTheirBoxIsOpenAreCountedIntoIt) {
    QTemporaryDir folder;
    const QString name = folder.filePath("instance");
    platform::LocalInstanceChannel first(name, 3000);
    platform::QtMessageSink sink(QStringLiteral("Quavomat"));
    sink.GroupWhile([&first] { return first.Receiving(); });
    ASSERT_FALSE(first.HandOverToRunningCopy("", [&sink](const std::string& text) {
        sink.Show({MessageIcon::Critical, MessageButtons::Ok, "", text + " could not be opened"});
    }));

    std::vector<std::future<bool>> senders;
    const auto send = [&](const std::string& line) {
        senders.push_back(std::async(std::launch::async, [name, line] {
            platform::LocalInstanceChannel copy(name, 3000);
            return copy.HandOverToRunningCopy(line, [](const std::string&) {});
        }));
    };
    const auto allSent = [&] {
        for (auto& sender : senders) {
            if (sender.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
                return false;
            }
        }
        return true;
    };
    // Watches the boxes: the first stays open while five more hand-overs
    // fail, a later one is answered at once.
    int boxes = 0;
    int settled = 0;
    QPointer<QMessageBox> firstBox;
    QString firstText;
    QString lastText;
    bool done = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible() && !box->property("seen").toBool()) {
            box->setProperty("seen", true);
            if (++boxes == 1) {
                firstBox = box;
                for (int i = 1; i <= 5; ++i) {
                    send("/b" + std::to_string(i) + ".nod");
                }
                return;
            }
            lastText = box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (firstBox && allSent() && ++settled > 40) {
            firstText = firstBox->text();
            firstBox->button(QMessageBox::Ok)->click();
            firstBox = nullptr;
            done = true;
        }
    });
    watch.start();
    send("/a.nod");
    QElapsedTimer limit;
    limit.start();
    while (!done && limit.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ASSERT_TRUE(done);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(firstText.startsWith(QStringLiteral("/a.nod could not be opened")))
        << firstText.toStdString();
    EXPECT_TRUE(firstText.contains(QStringLiteral("5 more"))) << firstText.toStdString();

    // Once the box is closed, the next failure opens a box of its own.
    const int before = boxes;
    send("/c.nod");
    limit.restart();
    while ((boxes == before || !allSent()) && limit.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_EQ(boxes, before + 1);
    EXPECT_EQ(lastText, QStringLiteral("/c.nod could not be opened"));
}

} // namespace
} // namespace ombrix::testing
