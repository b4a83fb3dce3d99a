#pragma once
// The settings side of a converter run: the settings store, the shared
// catalogue and the language files, offered through the ports the main
// window's rules use.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/WindowPorts.h"
#include "settings/Catalogue.h"
#include "settings/FileRegistry.h"
#include "settings/LanguageFile.h"

#include <string>

namespace ombrix {

class Form1;
struct AppContext;

// The catalogue as the conversion list's rules see it.
class CatalogueAdapter : public CataloguePort {
public:
    explicit CatalogueAdapter(Catalogue& catalogue) : c_(catalogue) {}
    std::vector<std::string> Names() const override { return c_.Names; }
    std::string File(std::int16_t index) const override;
    std::int16_t LastIndex() const override { return c_.LastIndex; }
    std::int16_t DefaultIndex() const override { return c_.DefaultIndex; }
    void SetDefaultIndex(std::int16_t index) override { c_.DefaultIndex = index; }
    std::string LanguageFile() const override { return c_.LanguageFile; }
    void SetLanguageFile(const std::string& file) override { c_.LanguageFile = file; }
    void RemoveEntry(std::int16_t index) override { c_.RemoveEntry(index); }
    bool AppendEntry(const std::string& name, const std::string& file) override {
        return c_.AppendEntry(name, file);
    }
    std::int16_t ReadCatalogue(std::int16_t mode, std::int16_t currentSelection) override;
    bool SaveCatalogue(const std::string& language, bool relative, std::string& written) override;

private:
    Catalogue& c_;
};

class SettingsSide : public SettingsOps {
public:
    SettingsSide(std::string programFolder, MessageSink& sink, MessageTexts& texts);

    Registry& Store() { return store_; }
    CataloguePort& CatalogueAccess() { return catalogueAccess_; }
    std::string RunCommand(const std::string& executableName) const;
    // The window the first-run defaults centre and the language texts go to.
    void Attach(Form1& form, AppContext& context);

    std::string DataFolder() override { return dataFolder_; }
    void MakeDirPath(const std::string& path) override;
    std::string ApplyStartupRule(const std::string& commandLine) override;
    bool LoadLanguage(const std::string& file, std::int16_t window) override;

private:
    std::string programFolder_;
    MessageSink& sink_;
    MessageTexts& texts_;
    SettingsEnvironment environment_;
    FileRegistry store_;
    std::string dataFolder_;
    Catalogue catalogue_;
    CatalogueAdapter catalogueAccess_;
    Form1* form_ = nullptr;
    AppContext* context_ = nullptr;
};

} // namespace ombrix
