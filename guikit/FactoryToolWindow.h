#pragma once
// A tool window of the main window, made when first shown by a factory the
// program gives once the main window (its host) exists, and made afresh after
// it was closed: what the window holds lives only as long as the window.

#include "guikit/PlaceBeside.h"
#include "guikit/rules/ToolWindow.h"

#include <QPointer>

#include <functional>
#include <utility>

namespace ombrix {

// W: a window with ShowWindow(), HideWindow(), SetTopmost(bool),
// ReloadTexts() and Closed().
template <typename W> class FactoryToolWindow : public ToolWindow {
public:
    using Factory = std::function<W*()>;

    // A new window opens on this side of the main window where there is room.
    explicit FactoryToolWindow(Side side) : side_(side) {}
    ~FactoryToolWindow() override { delete window_.data(); }
    FactoryToolWindow(const FactoryToolWindow&) = delete;
    FactoryToolWindow& operator=(const FactoryToolWindow&) = delete;

    // Until given a factory, showing does nothing.
    void SetFactory(Factory factory, const QWidget& beside) {
        factory_ = std::move(factory);
        beside_ = &beside;
    }

    // The open window, or null. A closed window waits for its deletion; it
    // is not the open one.
    W* Window() const {
        return window_ != nullptr && !window_->Closed() ? window_.data() : nullptr;
    }

    void Show() override {
        if (Window() == nullptr) {
            if (!factory_) {
                return;
            }
            window_ = factory_();
            if (beside_ != nullptr) {
                PlaceBeside(*window_, *beside_, side_);
            }
        }
        window_->ShowWindow();
    }
    void Hide() override {
        if (W* window = Window()) {
            window->HideWindow();
        }
    }
    void SetTopmost(bool on) override {
        if (W* window = Window()) {
            window->SetTopmost(on);
        }
    }
    void SetEnabled(bool enabled) override {
        if (W* window = Window()) {
            window->setEnabled(enabled);
        }
    }
    void ReloadTexts() override {
        if (W* window = Window()) {
            window->ReloadTexts();
        }
    }

private:
    Side side_;
    Factory factory_;
    const QWidget* beside_ = nullptr;
    QPointer<W> window_;
};

} // namespace ombrix
