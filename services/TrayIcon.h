#pragma once
// The notification-area icon.

#include <string>

namespace ombrix {

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // False when the desktop has no notification area.
    virtual bool Available() const = 0;
    // Adds the icon, leaves the task bar; false when the desktop has no tray.
    virtual bool Add(const std::string& tip) = 0;
    // False when the icon is not there to change (the tray host went away).
    virtual bool Modify(const std::string& tip) = 0;
    virtual void Remove() = 0;
};

} // namespace ombrix
