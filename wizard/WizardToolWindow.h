#pragma once
// The wizard as the main window's tool window. The window is made when first
// shown, by a factory the program gives once the main window (its host)
// exists, and made afresh after it was closed: its state lives only as long
// as the window; the "symbool" setting outlives it.

#include "guikit/rules/ToolWindow.h"
#include "wizard/WizardExpress.h"

#include <QPointer>

#include <functional>

namespace ombrix {

class WizardToolWindow : public ToolWindow {
public:
    using Factory = std::function<WizardExpress*()>;

    WizardToolWindow() = default;
    ~WizardToolWindow() override;
    WizardToolWindow(const WizardToolWindow&) = delete;
    WizardToolWindow& operator=(const WizardToolWindow&) = delete;

    // Until given a factory, showing does nothing. A new window opens
    // beside `beside`, the main window.
    void SetFactory(Factory factory, const QWidget& beside);

    void Show() override;
    void Hide() override;
    void SetTopmost(bool on) override;
    void SetEnabled(bool enabled) override;
    void ReloadTexts() override;

    // The open window, or null.
    WizardExpress* Window() const;

private:
    Factory factory_;
    const QWidget* beside_ = nullptr;
    QPointer<WizardExpress> window_;
};

} // namespace ombrix
