#include "mainwindow/rules/ConfigMenu.h"
#include "PanelFixture.h"
#include "mainwindow/rules/CommandLine.h"
#include "mainwindow/rules/MainLifecycle.h"

namespace ombrix::testing {
namespace {

class ConfigMenuTest : public PanelFixture {
protected:
    const std::string run = "/opt/quavomat/ombrixgo /tray";
    ConfigMenu menu{{flags, registry, view, windows.Tools(), tray, run}};
};

TEST_F(ConfigMenuTest, AlwaysOnTopTakesTheOpenWindowsAlong) {
    flags.WizardOpen = flags.CalculatorOpen = true;
    menu.Altop_Click();
    EXPECT_EQ(registry.Get("Ontop"), "1");
    EXPECT_TRUE(flags.AlwaysOnTop);
    EXPECT_TRUE(view.MenuChecked(MenuItem::AlwaysOnTop));
    EXPECT_EQ(view.topmostCalls, std::vector<bool>{true});
    EXPECT_EQ(windows.wizard.topmost, std::vector<bool>{true});
    EXPECT_EQ(windows.calculator.topmost, std::vector<bool>{true});

    flags.WizardOpen = false;
    menu.Altop_Click();
    EXPECT_EQ(registry.Get("Ontop"), "0");
    EXPECT_FALSE(flags.AlwaysOnTop);
    EXPECT_FALSE(view.MenuChecked(MenuItem::AlwaysOnTop));
    EXPECT_EQ(view.topmostCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(windows.wizard.topmost, std::vector<bool>{true}); // closed meanwhile
    EXPECT_EQ(windows.calculator.topmost, (std::vector<bool>{true, false}));
}

TEST_F(ConfigMenuTest, IntroOptionToggles) {
    // The item starts checked.
    menu.Indo_Click();
    EXPECT_FALSE(flags.IntroEnabled);
    EXPECT_EQ(registry.Get("Intro"), "0");
    EXPECT_FALSE(view.MenuChecked(MenuItem::Intro));
    menu.Indo_Click();
    EXPECT_TRUE(flags.IntroEnabled);
    EXPECT_EQ(registry.Get("Intro"), "1");
}

TEST_F(ConfigMenuTest, StartupOnMakesCloseHideAndAnEmptyHandOverShowAgain) {
    FakeTrayHost host;
    menu.startup_Click();
    EXPECT_EQ(registry.Get("Ombrix", RunKey), run);
    EXPECT_TRUE(view.MenuChecked(MenuItem::Startup));
    EXPECT_TRUE(flags.TrayActive);
    EXPECT_FALSE(tray.shown); // no icon for it
    EXPECT_FALSE(registry.Has("Tray"));

    struct NoSettings : SettingsOps {
        void MakeDirPath(const std::string&) override {}
        std::string ApplyStartupRule(const std::string&, const FirstRunWindowSteps&) override {
            return "0";
        }
        bool LoadLanguage(const std::string&, std::int16_t) override { return true; }
    } settings;
    FakeChannel channel;
    MainLifecycle life{{registry, settings, catalogue, panel, flags, view, windows.dialogs,
                        windows.Tools(), tray, host, channel, run, dataFolder}};
    view.visible = true;
    EXPECT_EQ(life.CloseRequested(false), CloseDecision::Hide);
    EXPECT_FALSE(view.visible);
    life.SUBCOMMAND(""); // what a second start hands over
    EXPECT_TRUE(view.visible);

    menu.startup_Click();
    EXPECT_FALSE(view.MenuChecked(MenuItem::Startup));
    EXPECT_EQ(registry.values.count({{Hive::CurrentUser, FakeRegistry::Normal(RunKey)}, "Ombrix"}),
              0u);
}

TEST_F(ConfigMenuTest, StartupWithoutNotificationAreaLeavesTrayModeOff) {
    tray.available = false;
    menu.startup_Click();
    EXPECT_EQ(registry.Get("Ombrix", RunKey), run);
    EXPECT_TRUE(view.MenuChecked(MenuItem::Startup));
    EXPECT_FALSE(flags.TrayActive);
}

TEST(EnableMainWindows, MovesOnlyOpenWindowsAndTheTopmostBandOnlyWhenOnTop) {
    struct Case {
        bool onTop, wizard, calculator, on;
        std::vector<bool> mainTopmost, wizardTopmost, wizardEnabled, calcTopmost, calcEnabled;
    };
    const Case cases[] = {
        {true, true, true, false, {false}, {false}, {false}, {false}, {false}},
        {true, false, true, true, {true}, {}, {}, {true}, {true}},
        {false, true, true, false, {}, {}, {false}, {}, {false}},
        {false, false, false, true, {}, {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        MainFlags flags;
        flags.AlwaysOnTop = c.onTop;
        flags.WizardOpen = c.wizard;
        flags.CalculatorOpen = c.calculator;
        FakeView view;
        FakeWindows windows;
        EnableMainWindows(flags, view, windows.Tools(), c.on);
        SCOPED_TRACE(::testing::Message() << c.onTop << c.wizard << c.calculator << c.on);
        EXPECT_EQ(view.drawingsCleared, 1);
        EXPECT_EQ(view.topmostCalls, c.mainTopmost);
        EXPECT_EQ(windows.wizard.topmost, c.wizardTopmost);
        EXPECT_EQ(windows.wizard.enabled, c.wizardEnabled);
        EXPECT_EQ(windows.calculator.topmost, c.calcTopmost);
        EXPECT_EQ(windows.calculator.enabled, c.calcEnabled);
    }
}

} // namespace
} // namespace ombrix::testing

namespace ombrix::testing {
namespace {

TEST(StartAtLoginCommand, PlainPathsAsTheyAreOthersQuoted) {
    const struct {
        const char* folder;
        const char* command;
    } cases[] = {
        {"/opt/quavomat", "/opt/quavomat/ombrixgo /tray"},
        {"/home/an/My Programs", "\"/home/an/My Programs/ombrixgo\" /tray"},
        {"/home/an/$HOME`x`", "\"/home/an/\\$HOME\\`x\\`/ombrixgo\" /tray"},
        {"/home/an/say \"hi\"", "\"/home/an/say \\\"hi\\\"/ombrixgo\" /tray"},
        {"/home/an/a\\b", "\"/home/an/a\\\\b/ombrixgo\" /tray"},
        {"/home/an/R&D", "\"/home/an/R&D/ombrixgo\" /tray"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartAtLoginCommand(c.folder, "ombrixgo"), c.command) << c.folder;
    }
}

} // namespace
} // namespace ombrix::testing
