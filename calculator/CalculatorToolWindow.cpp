#include "calculator/CalculatorToolWindow.h"

#include "guikit/PlaceBeside.h"

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
        if (beside_ != nullptr) {
            PlaceBeside(*window_, *beside_, Side::Right);
        }
    }
    window_->ShowWindow();
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
