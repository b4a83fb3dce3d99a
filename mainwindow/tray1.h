#pragma once
// The never-shown window that owns the notification-area icon: its popup
// menu, its 300 ms timer, and the icon's pointer events. The decisions are
// TrayRules'; this window carries them out.

#include "mainwindow/rules/TrayRules.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTimer;

namespace ombrix {

class tray1 : public QWidget, public TrayHost {
    Q_OBJECT
public:
    // closeMain: the main window's close request; endProcess: leaves the run with 0.
    tray1(TrayServices services, std::function<void()> closeMain, std::function<void()> endProcess);

    QTimer* Timer1;
    QMenu* mnuMain;
    QAction* mnuShow;
    QAction* mnuHide;
    QAction* spar;
    QAction* mnuExit;

    TrayRules& Rules() { return rules_; }
    void PointerEvent(TrayPointer message) { rules_.PointerEvent(message); }

    // TrayHost.
    void StartTimer() override;
    void StopTimer() override;
    bool Enabled() const override;
    void SetItemsEnabled(bool show, bool hide, bool exit) override;
    void PopUpMenu() override;
    void CloseMainWindow() override;
    void CloseAllAndEnd() override;

protected:
    // Unloading the window removes the icon and ends tray mode.
    void closeEvent(QCloseEvent* event) override;

private:
    TrayRules rules_;
    std::function<void()> closeMain_;
    std::function<void()> endProcess_;
};

} // namespace ombrix
