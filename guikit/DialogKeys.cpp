#include "guikit/DialogKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace ombrix {

bool PressDialogKey(const QKeyEvent& event, QPushButton& ok, QPushButton& cancel) {
    if (event.modifiers() & ~Qt::KeypadModifier) {
        return false;
    }
    QPushButton* pressed = nullptr;
    switch (event.key()) {
    case Qt::Key_Escape:
        pressed = &cancel;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A button the user moved to is the one Enter means.
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        pressed = focused != nullptr && focused->window() == ok.window() ? focused : &ok;
        break;
    }
    default:
        return false;
    }
    if (!pressed->isEnabled() || !pressed->isVisible()) {
        return false;
    }
    pressed->click();
    return true;
}

} // namespace ombrix
