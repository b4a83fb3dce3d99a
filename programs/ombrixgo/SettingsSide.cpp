#include "programs/ombrixgo/SettingsSide.h"

#include "guikit/WindowTexts.h"
#include "settings/DataFolder.h"
#include "settings/SettingsStartup.h"

namespace ombrix {

SettingsSide::SettingsSide(const SettingsEnvironment& environment, platform::ProgramFolders folders,
                           MessageSink& sink, MessageTexts& texts)
    : folders_(std::move(folders)), sink_(sink), texts_(texts), store_(environment, &sink),
      catalogue_(folders_, &sink_), catalogueAccess_(catalogue_) {}

void SettingsSide::MakeDirPath(const std::string& path) {
    ombrix::MakeDirPath(path);
}

std::string SettingsSide::ApplyStartupRule(const std::string& commandLine,
                                           const FirstRunWindowSteps& window) {
    return ApplySettingsStartup(store_, catalogue_, window, commandLine).first;
}

bool SettingsSide::LoadLanguage(const std::string& file, std::int16_t window) {
    const LanguageLoad load = ombrix::LoadLanguage(file, window, {folders_, sink_, texts_, links_});
    if (!load.ok) {
        return false;
    }
    ApplyToOpenWindows(load.texts);
    return true;
}

std::vector<WindowText> SettingsSide::TextsFor(std::int16_t window) {
    LanguageLoad load =
        ombrix::LoadLanguage(catalogue_.LanguageFile, window, {folders_, sink_, texts_, links_});
    return load.ok ? std::move(load.texts) : std::vector<WindowText>();
}

bool SettingsSide::ApplyTexts(std::int16_t window) {
    return LoadLanguage(catalogue_.LanguageFile, window);
}

} // namespace ombrix
