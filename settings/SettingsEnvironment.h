#pragma once
// The environment variables that place the settings and the data folder.
// Read once by each program's main() and passed on as data, so everything
// below it (and every test) decides where files live from this value alone.

#include <string>

namespace ombrix {

struct SettingsEnvironment {
    std::string home;          // HOME
    std::string xdgConfigHome; // XDG_CONFIG_HOME
    std::string xdgConfigDirs; // XDG_CONFIG_DIRS, ':'-separated
    std::string xdgDataHome;   // XDG_DATA_HOME
};

// The variables of the running process.
SettingsEnvironment ProcessSettingsEnvironment();

// The per-user configuration folder: XDG_CONFIG_HOME, else HOME/.config;
// empty when neither gives an absolute folder.
std::string UserConfigFolder(const SettingsEnvironment& env);
// The machine-wide configuration folder: the first absolute entry of
// XDG_CONFIG_DIRS, else /etc/xdg.
std::string MachineConfigFolder(const SettingsEnvironment& env);

} // namespace ombrix
