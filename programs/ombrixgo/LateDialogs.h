#pragma once
// The main window is built before the dialogs it opens, which need it as
// their host: it gets this stand-in, which the dialogs are put behind.

#include "mainwindow/rules/MainDialogs.h"
#include "settings/dialogs/DialogWindows.h"

namespace ombrix {

class LateDialogs : public MainDialogs {
public:
    bool ShowOptions() override { return windows != nullptr && windows->ShowOptions(); }
    void ShowIntro() override {
        if (windows != nullptr) {
            windows->ShowIntro();
        }
    }
    DialogWindows* windows = nullptr;
};

} // namespace ombrix
