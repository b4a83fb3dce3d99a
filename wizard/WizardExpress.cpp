#include "wizard/WizardExpress.h"

#include "platform/qt/QtServices.h"
#include "platform/qt/Win1252.h"
#include "settings/WindowTextTables.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <unordered_set>

namespace ombrix {

namespace {

// The window's layout, in pixels.
constexpr int Margin = 8;
constexpr int Width = 240;
constexpr int InnerWidth = Width - 2 * Margin;
constexpr int StatusHeight = 58;
constexpr int OptionTop = Margin + StatusHeight + 6;
constexpr int OptionHeight = 24;
constexpr int ButtonTop = OptionTop + OptionHeight + 6;
constexpr int ButtonHeight = 30;
constexpr int Height = ButtonTop + ButtonHeight + Margin;

// Rows of a table are handed to the converter in pieces of about this size,
// each far shorter than a step.
constexpr std::size_t PieceBytes = 16 * 1024;

constexpr int TimerMilliseconds = 500;

// A colour value (0x00BBGGRR) as a colour.
QColor FromColourValue(int value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

WizardExpress::WizardExpress(WizardExpressServices services)
    : s_(services), rules_({s_.host, s_.engine, s_.registry, s_.clipboard, s_.errorBoxes}, *this) {
    setObjectName(QStringLiteral("WizardExpress"));
    setWindowTitle(QStringLiteral("Wizard"));
    setAttribute(Qt::WA_DeleteOnClose);

    file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("file"));
    exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("exit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    tool = menuBar()->addMenu(QStringLiteral("Tool"));
    tool->setObjectName(QStringLiteral("tool"));
    symbool = tool->addAction(QStringLiteral("Symbool"));
    symbool->setObjectName(QStringLiteral("symbool"));
    symbool->setCheckable(true);
    // The rules decide the check mark; the click only asks them.
    connect(symbool, &QAction::triggered, this, [this] { rules_.symbool_Click(); });

    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("surface"));
    setCentralWidget(surface);
    Status = new QGroupBox(QStringLiteral("Status"), surface);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setGeometry(Margin, Margin, InnerWidth, StatusHeight);
    Label1 = new QLabel(QStringLiteral("Start"), Status);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    Label1->setGeometry(Margin, 22, InnerWidth - 2 * Margin, 26);

    Option1 = new QRadioButton(QStringLiteral("1"), surface);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(Margin, OptionTop, InnerWidth / 2, OptionHeight);
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, [this] { rules_.Option1_Click(); });
    Option2 = new QRadioButton(QStringLiteral("2"), surface);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(Margin + InnerWidth / 2, OptionTop, InnerWidth / 2, OptionHeight);
    connect(Option2, &QRadioButton::clicked, this, [this] { rules_.Option2_Click(); });

    OK = new QPushButton(QStringLiteral("OK"), surface);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(Margin, ButtonTop, InnerWidth, ButtonHeight);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { OK_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimerMilliseconds);
    connect(Timer1, &QTimer::timeout, this, [this] { rules_.Timer1_Timer(); });

    surface->setFixedSize(Width, Height);
    adjustSize();
    setFixedSize(size());

    // The load.
    s_.language.ApplyTexts(WizardWindow);
    rules_.Load();
    Timer1->start();
}

void WizardExpress::ShowWindow() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    if (!converting_) {
        Timer1->start();
    }
}

void WizardExpress::HideWindow() {
    Timer1->stop();
    hide();
}

void WizardExpress::SetTopmost(bool on) {
    platform::SetTopmost(*this, on);
}

void WizardExpress::ApplyTopmostRule(bool on) {
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        platform::SetTopmost(*this, on);
    }
}

void WizardExpress::ReloadTexts() {
    s_.language.ApplyTexts(WizardWindow);
    // The status text comes from the texts just loaded.
    ShowStatus(rules_.Status());
}

void WizardExpress::ShowStatus(WizardStatus status) {
    QPalette palette = Label1->palette();
    switch (status) {
    case WizardStatus::Start:
        Label1->setText(QStringLiteral("Start"));
        palette = QPalette();
        break;
    case WizardStatus::NotConverted:
        Label1->setText(property("PendingStatusText").toString());
        palette.setColor(QPalette::Window, FromColourValue(NotConvertedColour));
        break;
    case WizardStatus::Converted:
        Label1->setText(property("ConvertedStatusText").toString());
        palette.setColor(QPalette::Window, FromColourValue(ConvertedColour));
        break;
    }
    Label1->setPalette(palette);
}

void WizardExpress::ShowUnits(const UnitCaptions& captions) {
    Option1->setText(platform::FromWin1252(captions.option1));
    Option2->setText(platform::FromWin1252(captions.option2));
    symbool->setEnabled(captions.symbolsEnabled);
}

void WizardExpress::CheckSymbolItem(bool checked) {
    symbool->setChecked(checked);
}

void WizardExpress::OK_Click() {
    if (converting_) {
        return;
    }
    std::unique_ptr<ClipboardTable> table = rules_.OK_Click();
    if (table == nullptr) {
        return;
    }
    converting_ = true;
    const bool ticking = Timer1->isActive();
    Timer1->stop();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // Until the table is done, the windows open now take no input: their
    // clicks would change the conversion or the clipboard under the table.
    // Boxes that open meanwhile (the error box, the progress) take it.
    std::unordered_set<QWidget*> blocked;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        blocked.insert(window);
    }
    blocked_ = &blocked;
    qApp->installEventFilter(this);
    const bool done = RunConversion(*table);
    qApp->removeEventFilter(this);
    blocked_ = nullptr;
    delete progress_;
    progress_ = nullptr;
    QApplication::restoreOverrideCursor();
    if (done) {
        rules_.Converted(*table);
    }
    converting_ = false;
    if (ticking && isVisible()) {
        Timer1->start();
    }
}

bool WizardExpress::RunConversion(ClipboardTable& table) {
    QElapsedTimer clock;
    clock.start();
    qint64 stepStart = 0;
    while (!table.Step(PieceBytes)) {
        const qint64 now = clock.elapsed();
        if (now - stepStart < StepMilliseconds) {
            continue;
        }
        if (progress_ == nullptr && now >= progressDelay_) {
            progress_ = new QProgressDialog(this);
            progress_->setObjectName(QStringLiteral("Progress"));
            progress_->setWindowTitle(windowTitle());
            progress_->setWindowModality(Qt::ApplicationModal);
            progress_->setRange(0, 1000);
            progress_->setMinimumDuration(0);
            progress_->setAutoClose(false);
            progress_->setAutoReset(false);
            progress_->show();
            emit progressShown(progress_);
        }
        if (progress_ != nullptr) {
            progress_->setValue(static_cast<int>(table.Done() * 1000 / table.Total()));
        }
        QCoreApplication::processEvents();
        if (progress_ != nullptr && progress_->wasCanceled()) {
            return false;
        }
        stepStart = clock.elapsed();
    }
    return true;
}

bool WizardExpress::eventFilter(QObject* watched, QEvent* event) {
    if (blocked_ != nullptr && IsUserInput(event->type()) && watched->isWidgetType()) {
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (blocked_->contains(window)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void WizardExpress::closeEvent(QCloseEvent* event) {
    closed_ = true;
    Timer1->stop();
    rules_.Unload();
    event->accept();
}

} // namespace ombrix
