#pragma once
// Qt implementations of the GUI services.

#include "base/MessageSink.h"
#include "platform/qt/WindowInUse.h"
#include "services/Beeper.h"
#include "services/Clipboard.h"
#include "services/FileDialogs.h"
#include "services/ProgramStarter.h"
#include "services/ShellOpener.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class QMessageBox;
class QWidget;

namespace ombrix::platform {

// "nod files|*.nod" as Qt's name filters: "nod files (*.nod)".
QStringList NameFilters(const std::string& filter);

class QtMessageSink : public MessageSink {
public:
    // appTitle: the title of a message that gives none of its own.
    explicit QtMessageSink(QString appTitle) : appTitle_(std::move(appTitle)) {}
    MessageAnswer Show(const Message& message) override;
    // While `grouping` says so (a handed-over command line runs), a message
    // with only an OK button that comes while another such message is open
    // is counted into the open box instead of opening a box above it, so a
    // flood of failing hand-overs cannot stack boxes.
    void GroupWhile(std::function<bool()> grouping) { grouping_ = std::move(grouping); }

private:
    QString appTitle_;
    WindowInUse owner_;
    std::function<bool()> grouping_;
    QMessageBox* grouped_ = nullptr;
    QString groupedText_;
    int groupedMore_ = 0;
};

// Qt's own file dialogs: no read-only option, no existence check on open,
// no overwrite question on save, an empty name to start with.
class QtFileDialogs : public FileDialogs {
public:
    std::string ShowOpenDialog(const std::string& title, const std::string& filter,
                               const std::string& defaultExtension) override;
    std::string ShowSaveDialog(const std::string& filter, const std::string& defaultExtension,
                               const std::string& title) override;

private:
    WindowInUse owner_;
};

class QtClipboard : public Clipboard {
public:
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void Clear() override;
};

class QtBeeper : public Beeper {
public:
    void Beep() override;
};

class QtShellOpener : public ShellOpener {
public:
    bool Open(const std::string& target, const std::string& workingFolder) override;
};

// Starts a program, its stored path turned into the file system's form.
class QtProgramStarter : public ProgramStarter {
public:
    bool Start(const std::string& path) override;
};

// Where the shell opener sends a target: an address as it stands, a file
// name in the file system's form, a relative one inside `workingFolder`.
QUrl ShellTarget(const std::string& target, const std::string& workingFolder);

// Keeps a window above the others, or takes it out of that band.
void SetTopmost(QWidget& window, bool on);

} // namespace ombrix::platform
