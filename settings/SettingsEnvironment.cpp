#include "settings/SettingsEnvironment.h"

#include <cstdlib>
#include <string_view>

namespace ombrix {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Relative values of these variables are invalid and are ignored.
bool IsUsableFolder(std::string_view folder) {
    return !folder.empty() && folder.front() == '/';
}

} // namespace

SettingsEnvironment ProcessSettingsEnvironment() {
    return {Variable("HOME"), Variable("XDG_CONFIG_HOME"), Variable("XDG_CONFIG_DIRS"),
            Variable("XDG_DATA_HOME")};
}

std::string UserConfigFolder(const SettingsEnvironment& env) {
    if (IsUsableFolder(env.xdgConfigHome))
        return env.xdgConfigHome;
    if (IsUsableFolder(env.home))
        return env.home + "/.config";
    return {};
}

std::string MachineConfigFolder(const SettingsEnvironment& env) {
    std::string_view dirs = env.xdgConfigDirs;
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view entry = dirs.substr(0, colon);
        if (IsUsableFolder(entry))
            return std::string(entry);
        if (colon == std::string_view::npos)
            break;
        dirs.remove_prefix(colon + 1);
    }
    return "/etc/xdg";
}

} // namespace ombrix
