#include "platform/qt/QtTrayIcon.h"

#include "platform/qt/Win1252.h"

namespace ombrix::platform {

namespace {
constexpr qsizetype TipLength = 64;
}

QtTrayIcon::QtTrayIcon(const QIcon& icon) : icon_(icon) {}

bool QtTrayIcon::Add(const std::string& tip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    icon_.setToolTip(FromWin1252(tip).left(TipLength));
    icon_.show();
    return true;
}

bool QtTrayIcon::Modify(const std::string& tip) {
    if (!icon_.isVisible()) {
        return false;
    }
    icon_.setToolTip(FromWin1252(tip).left(TipLength));
    return true;
}

void QtTrayIcon::Remove() {
    icon_.hide();
}

} // namespace ombrix::platform
