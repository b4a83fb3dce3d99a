#include "platform/qt/QtServices.h"

#include "platform/qt/Win1252.h"

#include "platform/posix/Paths.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QWindow>

namespace ombrix::platform {

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

MessageAnswer FromQt(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    case QMessageBox::Abort:
        return MessageAnswer::Abort;
    case QMessageBox::Ignore:
        return MessageAnswer::Ignore;
    default:
        // Closing the box answers as its cancelling button would.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

// A name the program cannot store is refused at once, as if the dialog had
// been cancelled, rather than looked up lossily.
std::string ChosenPath(const QString& path, QWidget* owner) {
    if (path.isEmpty()) {
        return {};
    }
    return StoredFileNameOrTell(QFileInfo(path).absoluteFilePath(), owner).value_or(std::string());
}

} // namespace

QStringList NameFilters(const std::string& filter) {
    QStringList result;
    const QStringList parts = FromWin1252(filter).split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : QString();
        result << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
    }
    return result;
}

MessageAnswer QtMessageSink::Show(const Message& message) {
    const bool groupable = message.buttons == MessageButtons::Ok && grouping_ && grouping_();
    if (groupable && grouped_ != nullptr) {
        ++groupedMore_;
        grouped_->setText(groupedText_ +
                          QStringLiteral("\n\n%1 more command line(s) handed over since then "
                                         "failed as well.")
                              .arg(groupedMore_));
        // The hand-over brought the main window forward; the box stays above it.
        grouped_->raise();
        grouped_->activateWindow();
        return MessageAnswer::Ok;
    }
    QWidget* owner = owner_.Current();
    QMessageBox box(ToQt(message.icon),
                    message.title.empty() ? appTitle_ : FromWin1252(message.title),
                    FromWin1252(message.text), ToQt(message.buttons), owner);
    WindowInUse::KeepAbove(box, owner);
    if (groupable) {
        grouped_ = &box;
        groupedText_ = box.text();
        groupedMore_ = 0;
    }
    const int pressed = box.exec();
    if (grouped_ == &box) {
        grouped_ = nullptr;
    }
    return FromQt(pressed, message.buttons);
}

namespace {

// What both dialogs share: one filter pair, the default extension, and any
// name at all (the caller reports a file that does not exist). The chosen
// path, or the empty text when the dialog was cancelled.
std::string RunFileDialog(QFileDialog& dialog, const std::string& filter,
                          const std::string& defaultExtension, QWidget* owner) {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filter));
    dialog.setDefaultSuffix(FromWin1252(defaultExtension).remove(QStringLiteral("*.")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return ChosenPath(dialog.selectedFiles().constFirst(), owner);
}

} // namespace

std::string QtFileDialogs::ShowOpenDialog(const std::string& title, const std::string& filter,
                                          const std::string& defaultExtension) {
    QWidget* owner = owner_.Current();
    QFileDialog dialog(owner, FromWin1252(title));
    WindowInUse::KeepAbove(dialog, owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly, false);
    return RunFileDialog(dialog, filter, defaultExtension, owner);
}

std::string QtFileDialogs::ShowSaveDialog(const std::string& filter,
                                          const std::string& defaultExtension,
                                          const std::string& title) {
    QWidget* owner = owner_.Current();
    QFileDialog dialog(owner, FromWin1252(title));
    WindowInUse::KeepAbove(dialog, owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    return RunFileDialog(dialog, filter, defaultExtension, owner);
}

std::string QtClipboard::Text() const {
    return ToWin1252(QApplication::clipboard()->text());
}
void QtClipboard::SetText(const std::string& text) {
    QApplication::clipboard()->setText(FromWin1252(text));
}
void QtClipboard::Clear() {
    QApplication::clipboard()->clear();
}

void QtBeeper::Beep() {
    QApplication::beep();
}

QUrl ShellTarget(const std::string& target, const std::string& workingFolder) {
    if (target.empty()) {
        return {};
    }
    // "scheme:..." is an address; a drive-letter name is not.
    static const QRegularExpression Scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    const QString text = FromWin1252(target);
    if (!IsAbsolutePath(target) && Scheme.match(text).hasMatch()) {
        return QUrl(text, QUrl::TolerantMode);
    }
    QString path = QtFileName(target);
    if (!IsAbsolutePath(target) && !workingFolder.empty()) {
        path = QDir(QtFileName(workingFolder)).filePath(path);
    }
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

bool QtShellOpener::Open(const std::string& target, const std::string& workingFolder) {
    const QUrl url = ShellTarget(target, workingFolder);
    return url.isValid() && !url.isEmpty() && QDesktopServices::openUrl(url);
}

bool QtProgramStarter::Start(const std::string& path) {
    return !path.empty() && QProcess::startDetached(QtFileName(path), {});
}

void SetTopmost(QWidget& window, bool on) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        // Changing a widget's flags re-creates its native window (it flickers,
        // loses its place in the window list); the native window's own flags
        // change the stacking state in place.
        Qt::WindowFlags flags = window.windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, on);
        window.overrideWindowFlags(flags);
        if (QWindow* native = window.windowHandle()) {
            native->setFlags(flags);
        }
    }
    if (window.isVisible()) {
        window.raise();
        window.activateWindow();
    }
}

} // namespace ombrix::platform
