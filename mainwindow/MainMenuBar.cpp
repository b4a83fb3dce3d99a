#include "mainwindow/MainMenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ombrix {

namespace {

QMenu* Menu(QMenuBar& bar, const char* name, const char* caption) {
    QMenu* menu = bar.addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                 const std::function<void()>& handler) {
    auto* action = new QAction(QString::fromLatin1(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [handler] { handler(); });
    return action;
}

QAction* CheckItem(QMenu* menu, const char* name, const char* caption,
                   const std::function<void()>& handler, bool checked = false) {
    auto* action = new QAction(QString::fromLatin1(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setChecked(checked);
    menu->addAction(action);
    // Qt flips the check mark before the handler runs; the handler decides
    // from the state before the click, so the flip is undone first.
    QObject::connect(action, &QAction::triggered, menu, [action, handler](bool flipped) {
        action->setChecked(!flipped);
        handler();
    });
    return action;
}

} // namespace

MainMenuBar::MainMenuBar(QMenuBar& bar, MainMenuHandlers handlers)
    : QObject(&bar), handlers_(std::move(handlers)) {
    const MainMenuHandlers& h = handlers_;
    QMenu* file = Menu(bar, "File", "&File");
    openConversion_ = AddItem(file, "openconv", "Open &Conversion", h.openConversion);
    AddItem(file, "Exit", "&Exit", h.exit);

    edit_ = Menu(bar, "edit", "&Edit");

    QMenu* config = Menu(bar, "Config", "Config");
    AddItem(config, "Switchclick", "Switch", h.switchSides);
    alwaysOnTop_ = CheckItem(config, "Altop", "Always on Top", h.alwaysOnTop);
    intro_ = CheckItem(config, "Indo", "Introducation Option", h.intro, true);
    tray_ = CheckItem(config, "Mtray", "Tray", h.tray);
    startup_ = CheckItem(config, "startup", "Startup", h.startup);

    QMenu* tool = Menu(bar, "Tool", "&Tool");
    wizard_ = AddItem(tool, "Wizard", "WizardExpress", h.wizard);
    calculator_ = AddItem(tool, "cal", "Calculcator", h.calculator);
    AddItem(tool, "Opties", "Opties", h.options);

    QMenu* help = Menu(bar, "Help", "&Help");
    AddItem(help, "Help2", "&Help", h.help)->setShortcut(QKeySequence(Qt::Key_F1));
    AddItem(help, "help1", "&Bugreports", h.bugReports);
    AddItem(help, "urllaunch", "www.quavomat.example", h.webLink);
    AddItem(help, "Donate", "Donate us", h.donate);
    AddItem(help, "About", "&About", h.about);
}

QAction& MainMenuBar::Item(MenuItem item) const {
    switch (item) {
    case MenuItem::AlwaysOnTop:
        return *alwaysOnTop_;
    case MenuItem::Intro:
        return *intro_;
    case MenuItem::Tray:
        return *tray_;
    case MenuItem::Startup:
        return *startup_;
    }
    return *alwaysOnTop_;
}

} // namespace ombrix
