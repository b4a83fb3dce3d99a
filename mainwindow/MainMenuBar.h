#pragma once
// The main window's menu bar: File, Edit, Config, Tool and Help with their
// items, each connected to the handler the window gives for it. The Edit
// menu is left empty for the field edit actions to fill.

#include "mainwindow/rules/WindowPorts.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace ombrix {

struct MainMenuHandlers {
    std::function<void()> openConversion, exit, switchSides;
    // The check items' handlers decide from the check mark before the click.
    std::function<void()> alwaysOnTop, intro, tray, startup;
    std::function<void()> wizard, calculator, options;
    std::function<void()> help, bugReports, webLink, donate, about;
};

class MainMenuBar : public QObject {
    Q_OBJECT
public:
    MainMenuBar(QMenuBar& bar, MainMenuHandlers handlers);

    QMenu& EditMenu() const { return *edit_; }
    QAction& Item(MenuItem item) const;
    // What the wizard, calculator and open-file images trigger.
    std::array<QAction*, 3> ImageItems() const { return {wizard_, calculator_, openConversion_}; }

private:
    MainMenuHandlers handlers_;
    QMenu* edit_ = nullptr;
    QAction* openConversion_ = nullptr;
    QAction* alwaysOnTop_ = nullptr;
    QAction* intro_ = nullptr;
    QAction* tray_ = nullptr;
    QAction* startup_ = nullptr;
    QAction* wizard_ = nullptr;
    QAction* calculator_ = nullptr;
};

} // namespace ombrix
