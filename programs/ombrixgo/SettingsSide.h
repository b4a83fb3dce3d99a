#pragma once
// The settings side of a converter run: the settings store, the shared
// catalogue and the language files, offered through the ports the windows use.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "guikit/rules/WindowLanguage.h"
#include "mainwindow/rules/CatalogueAdapter.h"
#include "mainwindow/rules/WindowPorts.h"
#include "platform/posix/Paths.h"
#include "settings/Catalogue.h"
#include "settings/FileRegistry.h"
#include "settings/LanguageFile.h"

#include <string>
#include <vector>

namespace ombrix {

class SettingsSide : public SettingsOps, public WindowLanguage {
public:
    SettingsSide(const SettingsEnvironment& environment, platform::ProgramFolders folders,
                 MessageSink& sink, MessageTexts& texts);

    Registry& Store() { return store_; }
    CataloguePort& CatalogueAccess() { return catalogueAccess_; }
    // The shared in-memory catalogue itself, for the options dialogs.
    Catalogue& SharedCatalogue() { return catalogue_; }
    // What the language file's records 401 to 405 set.
    const LinkTargets& Links() const { return links_; }

    // SettingsOps.
    void MakeDirPath(const std::string& path) override;
    std::string ApplyStartupRule(const std::string& commandLine,
                                 const FirstRunWindowSteps& window) override;
    bool LoadLanguage(const std::string& file, std::int16_t window) override;

    // The texts of window `window` from the catalogue's language file, for a
    // window that takes them when it is built (the editor); empty after a
    // failed load, whose message has been shown.
    std::vector<WindowText> TextsFor(std::int16_t window);

    // WindowLanguage: the catalogue's language file.
    bool ApplyTexts(std::int16_t window) override;

private:
    platform::ProgramFolders folders_;
    MessageSink& sink_;
    MessageTexts& texts_;
    FileRegistry store_;
    Catalogue catalogue_;
    CatalogueAdapter catalogueAccess_;
    LinkTargets links_;
};

} // namespace ombrix
