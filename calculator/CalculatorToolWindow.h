#pragma once
// The calculator as the main window's tool window, opening on its right. Its
// registers and memories live only as long as the window.

#include "calculator/standard.h"
#include "guikit/FactoryToolWindow.h"

namespace ombrix {

class CalculatorToolWindow : public FactoryToolWindow<standard> {
public:
    CalculatorToolWindow() : FactoryToolWindow(Side::Right) {}
};

} // namespace ombrix
