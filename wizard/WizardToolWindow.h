#pragma once
// The wizard as the main window's tool window, opening on its left (the
// calculator takes the right). Its state lives only as long as the window;
// the "symbool" setting outlives it.

#include "guikit/FactoryToolWindow.h"
#include "wizard/WizardExpress.h"

namespace ombrix {

class WizardToolWindow : public FactoryToolWindow<WizardExpress> {
public:
    WizardToolWindow() : FactoryToolWindow(Side::Left) {}
};

} // namespace ombrix
