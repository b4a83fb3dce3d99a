#include "mainwindow/tray1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QTimer>

namespace ombrix {

namespace {
constexpr int TimerInterval = 300; // ms

QAction* Item(QMenu* menu, const char* name, const char* caption) {
    auto* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}
} // namespace

tray1::tray1(TrayServices services, std::function<void()> closeMain,
             std::function<void()> endProcess)
    : rules_(services, *this), closeMain_(std::move(closeMain)),
      endProcess_(std::move(endProcess)) {
    setObjectName(QStringLiteral("tray1"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { rules_.Timer1_Timer(); });

    mnuMain = new QMenu(QStringLiteral("Main"), this);
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuShow = Item(mnuMain, "mnuShow", "Show");
    mnuHide = Item(mnuMain, "mnuHide", "Hide");
    spar = mnuMain->addSeparator();
    spar->setObjectName(QStringLiteral("spar"));
    mnuExit = Item(mnuMain, "mnuExit", "Exit");
    connect(mnuShow, &QAction::triggered, this, [this] { rules_.mnuShow_Click(); });
    connect(mnuHide, &QAction::triggered, this, [this] { rules_.mnuHide_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { rules_.mnuExit_Click(); });
}

void tray1::StartTimer() {
    Timer1->start();
}

void tray1::StopTimer() {
    Timer1->stop();
}

bool tray1::Enabled() const {
    // A window that must be answered first blocks every other window.
    return QApplication::activeModalWidget() == nullptr;
}

void tray1::SetItemsEnabled(bool show, bool hide, bool exit) {
    mnuShow->setEnabled(show);
    mnuHide->setEnabled(hide);
    mnuExit->setEnabled(exit);
}

void tray1::PopUpMenu() {
    mnuMain->popup(QCursor::pos());
}

void tray1::CloseMainWindow() {
    closeMain_();
}

void tray1::CloseAllAndEnd() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (*it != this && (*it)->isVisible()) {
            (*it)->close();
        }
    }
    closeMain_(); // tray mode is off now, so the main window closes for real
    endProcess_();
}

void tray1::closeEvent(QCloseEvent* event) {
    rules_.Unload();
    event->accept();
}

} // namespace ombrix
