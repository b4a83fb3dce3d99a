#include "calculator/CalculatorToolWindow.h"

#include <QScreen>

#include <algorithm>

namespace ombrix {

CalculatorToolWindow::~CalculatorToolWindow() {
    delete window_.data();
}

void CalculatorToolWindow::SetFactory(Factory factory, const QWidget& beside) {
    factory_ = std::move(factory);
    beside_ = &beside;
}

standard* CalculatorToolWindow::Window() const {
    // A closed window waits for its deletion; it is not the open one.
    return window_ != nullptr && !window_->Closed() ? window_.data() : nullptr;
}

void CalculatorToolWindow::Show() {
    if (Window() == nullptr) {
        if (!factory_) {
            return;
        }
        window_ = factory_();
        PlaceBeside(*window_);
    }
    window_->ShowWindow();
}

void CalculatorToolWindow::PlaceBeside(QWidget& window) const {
    if (beside_ == nullptr || !beside_->isVisible()) {
        return;
    }
    constexpr int Gap = 8;
    const QRect host = beside_->frameGeometry();
    const int width = window.frameGeometry().width();
    QPoint place(host.right() + 1 + Gap, host.top());
    if (const QScreen* screen = beside_->screen()) {
        // Right of the main window, else left of it; on a screen too narrow
        // for either it covers the main window's right edge, never the screen's.
        const QRect area = screen->availableGeometry();
        if (place.x() + width > area.right() + 1 && host.left() - Gap - width >= area.left()) {
            place.setX(host.left() - Gap - width);
        }
        place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - width)));
        place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - window.height())));
    }
    window.move(place);
}

void CalculatorToolWindow::Hide() {
    if (standard* window = Window()) {
        window->hide();
    }
}

void CalculatorToolWindow::SetTopmost(bool on) {
    if (standard* window = Window()) {
        window->SetTopmost(on);
    }
}

void CalculatorToolWindow::SetEnabled(bool enabled) {
    if (standard* window = Window()) {
        window->setEnabled(enabled);
    }
}

void CalculatorToolWindow::ReloadTexts() {
    if (standard* window = Window()) {
        window->ReloadTexts();
    }
}

} // namespace ombrix
