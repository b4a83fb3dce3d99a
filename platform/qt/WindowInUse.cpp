#include "platform/qt/WindowInUse.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>

namespace ombrix::platform {

namespace {

constexpr std::size_t Remembered = 8;

} // namespace

WindowInUse::WindowInUse() {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &WindowInUse::Activated);
    Activated();
}

void WindowInUse::Activated() {
    QWidget* active = QApplication::activeWindow();
    std::erase_if(recent_,
                  [active](const QPointer<QWidget>& w) { return w.isNull() || w == active; });
    if (active != nullptr) {
        recent_.emplace_back(active);
    }
    if (recent_.size() > Remembered) {
        recent_.erase(recent_.begin());
    }
}

QWidget* WindowInUse::Current() const {
    if (QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && modal->isVisible()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (auto it = recent_.rbegin(); it != recent_.rend(); ++it) {
        if (!it->isNull() && (*it)->isVisible()) {
            return *it;
        }
    }
    return nullptr;
}

void WindowInUse::KeepAbove(QWidget& dialog, const QWidget* owner) {
    if (owner != nullptr && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
}

} // namespace ombrix::platform
