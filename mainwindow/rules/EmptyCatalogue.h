#pragma once
// With no conversion left the user manages the catalogue in the options
// dialog, and the main window steps aside for it. A running copy is never
// out of the user's reach: where no options dialog opens, the main window
// stays in view with an empty panel.

#include "mainwindow/rules/MainDialogs.h"
#include "mainwindow/rules/WindowPorts.h"

namespace ombrix {

inline void OfferOptionsForEmptyCatalogue(MainView& view, MainDialogs& dialogs) {
    view.HideWindow();
    if (!dialogs.ShowOptions()) {
        view.ShowWindow();
    }
}

} // namespace ombrix
