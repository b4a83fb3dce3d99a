#pragma once
// The window the user is working in, to own a message box or a file dialog
// so that it opens above that window, also when the window stays on top: an
// open modal window, else the active window, else the one active last that
// is still shown. Just after a dialog closes no window is active yet, and a
// box without an owner may open behind an always-on-top window.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace ombrix::platform {

class WindowInUse : public QObject {
    Q_OBJECT
public:
    WindowInUse();
    QWidget* Current() const;
    // Makes a message box or dialog owned by `owner` stay on top when it does.
    static void KeepAbove(QWidget& dialog, const QWidget* owner);

private:
    void Activated();

    std::vector<QPointer<QWidget>> recent_; // the last one is the most recent
};

} // namespace ombrix::platform
