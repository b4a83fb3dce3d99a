#pragma once
// The converter's windows as a box opened from the main window owns them:
// the main window and the open tool windows, all out of the way together.

#include "mainwindow/rules/ConfigMenu.h"
#include "services/OwnerWindows.h"

namespace ombrix {

class MainOwnerWindows : public OwnerWindows {
public:
    MainOwnerWindows(const MainFlags& flags, MainView& view, ToolWindows tools)
        : flags_(flags), view_(view), tools_(tools) {}

    void SetOwnersEnabled(bool enabled) override {
        view_.SetWindowEnabled(enabled);
        EnableMainWindows(flags_, view_, tools_, enabled);
    }

private:
    const MainFlags& flags_;
    MainView& view_;
    ToolWindows tools_;
};

} // namespace ombrix
