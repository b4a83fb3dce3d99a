#pragma once
// The two start-up procedures that write settings on the user's behalf, the
// rule that chooses between them, and how the stored options read at start-up.

#include "base/Registry.h"
#include "platform/posix/Paths.h"
#include "settings/Catalogue.h"

#include <functional>
#include <string>
#include <string_view>

namespace ombrix {

// The main window's part of the first-run defaults.
struct FirstRunWindowSteps {
    std::function<void()> UncheckStartupItem;
    // top = screen height * 0.85 / 2 - window height / 2, left = screen width / 2 - window width /
    // 2
    std::function<void()> CentreMainWindow;
};

// Moves the machine-wide options into the per-user part, rewrites the
// program folder's catalogue into the data folder and marks the move done.
void MigrateMachineSettings(Registry& registry, Catalogue& catalogue);

// Writes the options of a first start and marks the first start done.
void ApplyFirstRunDefaults(Registry& registry, const FirstRunWindowSteps& window);

struct StartupDecision {
    std::string first; // "0" when options of an earlier start apply
    bool migrated = false;
    bool firstRunDefaults = false;
};

// The start-up rule: decides between migration and first-run defaults, copies
// catalogue files installed beside the program into the data folder, runs the
// chosen procedure and makes sure the data folder holds a catalogue file.
// The data folder must exist already (MakeDirPath).
StartupDecision ApplySettingsStartup(Registry& registry, Catalogue& catalogue,
                                     const FirstRunWindowSteps& window,
                                     std::string_view commandLine);

// The stored options as the main window applies them at start-up.
struct DisplayOptions {
    bool switchSides = true;   // Switch: only "0" is off
    bool alwaysOnTop = false;  // Ontop: only "1" is on
    bool introEnabled = true;  // Intro: only "0" is off
    bool digitGrouping = true; // Digit: only "0" is off
    bool fixedDecimals = true; // precision: only "0" is off
    bool trayIcon = false;     // Tray: only "1" is on
    int decimalsIndex = 2;     // decnum: an index 0 to 11, else 2
    bool startAtLogin = false; // the Run value equals the expected command exactly
};

inline constexpr int DecimalsItemCount = 12; // the decimals list holds "0" to "11"
inline constexpr int DefaultDecimalsIndex = 2;

// `startCommand` is the command the Startup item writes to the Run value.
DisplayOptions ReadDisplayOptions(const Registry& registry, std::string_view startCommand);

} // namespace ombrix
