#pragma once
// The calculator as the main window's tool window. The window is made when
// first shown, by a factory the program gives once the main window (its
// host) exists, and made afresh after it was closed: its registers and
// memories live only as long as the window.

#include "calculator/standard.h"
#include "guikit/rules/ToolWindow.h"

#include <QPointer>

#include <functional>

namespace ombrix {

class CalculatorToolWindow : public ToolWindow {
public:
    using Factory = std::function<standard*()>;

    CalculatorToolWindow() = default;
    ~CalculatorToolWindow() override;
    CalculatorToolWindow(const CalculatorToolWindow&) = delete;
    CalculatorToolWindow& operator=(const CalculatorToolWindow&) = delete;

    // Until given a factory, showing does nothing. A new window opens
    // beside `beside`, the main window.
    void SetFactory(Factory factory, const QWidget& beside);

    void Show() override;
    void Hide() override;
    void SetTopmost(bool on) override;
    void SetEnabled(bool enabled) override;
    void ReloadTexts() override;

    // The open window, or null.
    standard* Window() const;

private:
    Factory factory_;
    const QWidget* beside_ = nullptr;
    QPointer<standard> window_;
};

} // namespace ombrix
