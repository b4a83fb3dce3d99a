#pragma once
// The about box: the program's name, version and disclaimer, and a button
// that starts the system information program. Opened from the main window it
// keeps the program's other windows disabled until it closes; opened from the
// editor it leaves them alone.

#include "base/MessageSink.h"
#include "base/Registry.h"
#include "guikit/rules/WindowLanguage.h"
#include "services/OwnerWindows.h"
#include "services/ProgramStarter.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace ombrix {

struct AboutServices {
    OwnerWindows& owners;
    WindowLanguage& language; // applies the language file's texts to this box
    const Registry& registry;
    ProgramStarter& starter;
    MessageSink& messages;
    std::string appTitle;
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(AboutServices services, bool openedFromEditor);

    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* Image1;

    // The stand-alone editor names itself under the picture; the converter's
    // box has no such label.
    void ShowProgramWord(const std::string& word);
    QLabel* Label1 = nullptr;

    void done(int result) override;

private:
    AboutServices s_;
    bool openedFromEditor_;
    bool closed_ = false;
};

} // namespace ombrix
