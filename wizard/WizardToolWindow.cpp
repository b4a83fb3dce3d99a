#include "wizard/WizardToolWindow.h"

#include "guikit/PlaceBeside.h"

namespace ombrix {

WizardToolWindow::~WizardToolWindow() {
    delete window_.data();
}

void WizardToolWindow::SetFactory(Factory factory, const QWidget& beside) {
    factory_ = std::move(factory);
    beside_ = &beside;
}

WizardExpress* WizardToolWindow::Window() const {
    // A closed window waits for its deletion; it is not the open one.
    return window_ != nullptr && !window_->Closed() ? window_.data() : nullptr;
}

void WizardToolWindow::Show() {
    if (Window() == nullptr) {
        if (!factory_) {
            return;
        }
        window_ = factory_();
        if (beside_ != nullptr) {
            // The calculator opens on the right.
            PlaceBeside(*window_, *beside_, Side::Left);
        }
    }
    window_->ShowWindow();
}

void WizardToolWindow::Hide() {
    if (WizardExpress* window = Window()) {
        window->HideWindow();
    }
}

void WizardToolWindow::SetTopmost(bool on) {
    if (WizardExpress* window = Window()) {
        window->SetTopmost(on);
    }
}

void WizardToolWindow::SetEnabled(bool enabled) {
    if (WizardExpress* window = Window()) {
        window->setEnabled(enabled);
    }
}

void WizardToolWindow::ReloadTexts() {
    if (WizardExpress* window = Window()) {
        window->ReloadTexts();
    }
}

} // namespace ombrix
