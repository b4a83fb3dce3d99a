#pragma once
// The notification-area icon through Qt. Its menu and timer belong to the tray window.

#include "services/TrayIcon.h"

#include <QIcon>
#include <QSystemTrayIcon>

namespace ombrix::platform {

class QtTrayIcon : public TrayIcon {
public:
    explicit QtTrayIcon(const QIcon& icon);
    bool Available() const override;
    bool Add(const std::string& tip) override;
    bool Modify(const std::string& tip) override;
    void Remove() override;

    // Reports the pointer's clicks on the icon.
    QSystemTrayIcon& Icon() { return icon_; }

private:
    QSystemTrayIcon icon_;
};

} // namespace ombrix::platform
