#pragma once
// Whether a window is listed on the desktop's task bar. A program waiting in
// the notification area leaves the task bar; Qt has no call for it, so on X11
// the window manager is told through the window's state.

class QWidget;

namespace ombrix::platform {

// Does nothing where the desktop offers no such state.
void SetOnTaskBar(QWidget& window, bool on);

} // namespace ombrix::platform
