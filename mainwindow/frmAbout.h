#pragma once
// The about box: the program's name, version and disclaimer, and a button
// that starts the system information program. Opened from the main window it
// keeps the program's other windows disabled until it closes.

#include "base/MessageSink.h"
#include "base/Registry.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/WindowPorts.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace ombrix {

struct AboutServices {
    MainFlags& flags;
    MainView& mainView;
    OtherWindows& windows;
    SettingsOps& settings; // applies the language file's texts to this box
    const CataloguePort& catalogue;
    const Registry& registry;
    ProgramStarter& starter;
    MessageSink& messages;
    std::string appTitle;
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AboutServices services);

    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* Image1;

    void done(int result) override;

private:
    AboutServices s_;
    bool closed_ = false;
};

} // namespace ombrix
