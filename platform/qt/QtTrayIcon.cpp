#include "platform/qt/QtTrayIcon.h"

#include "platform/qt/Win1252.h"

namespace ombrix::platform {

QtTrayIcon::QtTrayIcon(const QIcon& icon) : icon_(icon) {}

bool QtTrayIcon::Available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

// The desktop offers no way to leave the task bar that keeps the main window
// an ordinary window, so the window stays listed there in tray mode.
bool QtTrayIcon::Add(const std::string& tip) {
    if (!Available()) {
        return false;
    }
    icon_.setToolTip(FromWin1252(tip));
    icon_.show();
    return true;
}

bool QtTrayIcon::Modify(const std::string& tip) {
    if (!icon_.isVisible() || !Available()) {
        return false;
    }
    icon_.setToolTip(FromWin1252(tip));
    return true;
}

void QtTrayIcon::Remove() {
    icon_.hide();
}

} // namespace ombrix::platform
