#include "mainwindow/rules/TrayRules.h"
#include "FakeMainWindowPorts.h"
#include "FakeRegistry.h"
#include "mainwindow/rules/MainLifecycle.h"

#include <gtest/gtest.h>

namespace ombrix::testing {
namespace {

class TrayTest : public ::testing::Test {
protected:
    MainFlags flags;
    FakeRegistry registry;
    FakeView view;
    FakeWindows windows;
    FakeTray tray;
    FakeTrayHost host;
    TrayRules rules{{flags, registry, view, windows.Tools(), tray}, host};

    void InTrayMode() {
        ASSERT_TRUE(rules.EnterTrayMode(false));
        flags.Hooked = true;
    }
};

TEST_F(TrayTest, TrayItemTurnsTrayModeOnAndOff) {
    view.caption = "Euro-DEM";
    rules.Mtray_Click();
    EXPECT_TRUE(flags.TrayActive);
    EXPECT_EQ(registry.Get("Tray"), "1");
    EXPECT_TRUE(view.MenuChecked(MenuItem::Tray));
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.tips, std::vector<std::string>{"Euro-DEM"});
    EXPECT_TRUE(host.timer);
    EXPECT_FALSE(view.onTaskBar);

    rules.Mtray_Click();
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_EQ(registry.Get("Tray"), "0");
    EXPECT_FALSE(view.MenuChecked(MenuItem::Tray));
    EXPECT_FALSE(tray.shown);
    EXPECT_FALSE(host.timer);
    EXPECT_TRUE(view.onTaskBar);
}

TEST_F(TrayTest, WithoutANotificationAreaTheItemIsDisabledAndChangesNothing) {
    tray.available = false;
    rules.DisableItemWithoutTray();
    EXPECT_FALSE(view.menuEnabled.at(MenuItem::Tray));
    rules.Mtray_Click();
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_TRUE(view.onTaskBar);
    EXPECT_FALSE(registry.Has("Tray"));
    EXPECT_FALSE(view.MenuChecked(MenuItem::Tray));
    EXPECT_FALSE(host.timer);
}

TEST_F(TrayTest, TimerKeepsTheTipCurrentAndPutsALostIconBack) {
    InTrayMode();
    const std::string longCaption(70, 'x');
    view.caption = longCaption + "!";
    rules.Timer1_Timer();
    EXPECT_EQ(tray.adds, 1); // the icon was there: changed only
    EXPECT_EQ(tray.tips.back(), std::string(64, 'x'));

    tray.shown = false; // the tray host restarted
    view.caption = "Short";
    rules.Timer1_Timer();
    EXPECT_EQ(tray.adds, 2);
    EXPECT_TRUE(tray.shown);
    EXPECT_EQ(tray.tips.back(), "Short");
}

TEST_F(TrayTest, MenuItemStatesFollowTheMainWindow) {
    struct Case {
        bool enabled, visible;
        bool show, hide, exit;
    };
    for (const Case& c :
         {Case{true, true, false, true, true}, Case{true, false, true, false, true},
          Case{false, true, false, false, false}, Case{false, false, false, false, false}}) {
        view.enabled = c.enabled;
        view.visible = c.visible;
        flags.StartupPhase = 0;
        rules.PointerEvent(TrayPointer::RightButtonUp);
        EXPECT_EQ(host.show, c.show) << c.enabled << c.visible;
        EXPECT_EQ(host.hide, c.hide) << c.enabled << c.visible;
        EXPECT_EQ(host.exit, c.exit) << c.enabled << c.visible;
        EXPECT_EQ(flags.StartupPhase, 1);
    }
    EXPECT_EQ(host.popups, 4);
}

TEST_F(TrayTest, DoubleClickShowsTheHiddenWindowsUnlessTheOptionsDialogIsOpen) {
    InTrayMode();
    flags.WizardOpen = flags.CalculatorOpen = true;
    flags.OptionsOpen = true;
    rules.PointerEvent(TrayPointer::LeftDoubleClick);
    rules.PointerEvent(TrayPointer::RightButtonUp);
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(host.popups, 0);

    flags.OptionsOpen = false;
    rules.PointerEvent(TrayPointer::Other);
    EXPECT_FALSE(view.visible);
    rules.PointerEvent(TrayPointer::LeftDoubleClick);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(windows.wizard.shown, 1);
    EXPECT_EQ(windows.calculator.shown, 1);
    EXPECT_FALSE(host.show);
    EXPECT_TRUE(host.hide);
}

TEST_F(TrayTest, HideAndShowTakeTheOpenWindowsAlong) {
    flags.WizardOpen = true;
    view.visible = true;
    rules.mnuHide_Click();
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(windows.wizard.hidden, 1);
    EXPECT_EQ(windows.calculator.hidden, 0);
    EXPECT_TRUE(host.show);
    EXPECT_FALSE(host.hide);

    host.enabled = false; // a dialog must be answered first
    rules.mnuShow_Click();
    EXPECT_FALSE(view.visible);
    host.enabled = true;
    rules.mnuShow_Click();
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(windows.wizard.shown, 1);
}

TEST_F(TrayTest, ExitEndsTheProgramEvenWhenTheMainWindowOnlyHides) {
    InTrayMode();
    flags.CalculatorOpen = true;
    rules.mnuExit_Click();
    EXPECT_EQ(host.mainCloses, 1);
    EXPECT_EQ(windows.calculator.hidden, 1);
    EXPECT_FALSE(tray.shown);
    EXPECT_FALSE(flags.TrayActive);
    EXPECT_FALSE(flags.Hooked);
    EXPECT_FALSE(host.timer);
    EXPECT_EQ(host.ends, 1);
}

TEST_F(TrayTest, ExitDoesNothingWhileADialogMustBeAnswered) {
    InTrayMode();
    host.enabled = false;
    rules.mnuExit_Click();
    EXPECT_EQ(host.ends, 0);
    EXPECT_TRUE(tray.shown);
    EXPECT_TRUE(flags.TrayActive);
}

} // namespace
} // namespace ombrix::testing
