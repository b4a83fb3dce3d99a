#pragma once
// The notification-area icon through Qt. Its menu and timer come with the tray window.

#include "mainwindow/rules/WindowPorts.h"

#include <QIcon>
#include <QSystemTrayIcon>

namespace ombrix::platform {

class QtTrayIcon : public TrayIcon {
public:
    explicit QtTrayIcon(const QIcon& icon);
    bool Add(const std::string& tip) override;
    bool Modify(const std::string& tip) override;
    void Remove() override;

private:
    QSystemTrayIcon icon_;
};

} // namespace ombrix::platform
