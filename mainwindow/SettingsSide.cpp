#include "mainwindow/SettingsSide.h"

#include "mainwindow/Form1.h"
#include "mainwindow/WindowTexts.h"
#include "mainwindow/rules/CommandLine.h"
#include "settings/DataFolder.h"
#include "settings/SettingsStartup.h"
#include "settings/WindowTextTables.h"

#include <QApplication>
#include <QWidget>

namespace ombrix {

namespace {

// Each text goes to the open window named as its owner (the main window, the
// never-shown tray window, the about box, ...); a window not open takes none.
void ApplyToOpenWindows(const std::vector<WindowText>& loaded) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const std::string owner = window->objectName().toStdString();
        std::vector<ControlText> texts;
        for (const WindowText& t : loaded) {
            if (t.owner != owner) {
                continue;
            }
            if (t.property == TextProperty::Caption || t.property == TextProperty::ToolTip) {
                texts.push_back({t.target,
                                 t.property == TextProperty::Caption ? ControlText::Kind::Caption
                                                                     : ControlText::Kind::ToolTip,
                                 t.text});
            }
        }
        if (!texts.empty()) {
            ApplyWindowTexts(*window, texts);
        }
    }
}

} // namespace

std::string CatalogueAdapter::File(std::int16_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < MaxCatalogueEntries
               ? c_.CatalogueFiles[static_cast<std::size_t>(index)]
               : std::string();
}

std::int16_t CatalogueAdapter::ReadCatalogue(std::int16_t mode, std::int16_t currentSelection) {
    c_.SelectedIndex = currentSelection;
    return c_.ReadCatalogue(mode);
}

bool CatalogueAdapter::SaveCatalogue(const std::string& language, bool relative,
                                     std::string& written) {
    const std::optional<std::string> recorded = c_.WriteCatalogue(language, c_.Names, relative);
    if (!recorded) {
        return false;
    }
    written = *recorded;
    return true;
}

SettingsSide::SettingsSide(std::string programFolder, MessageSink& sink, MessageTexts& texts)
    : programFolder_(std::move(programFolder)), sink_(sink), texts_(texts),
      environment_(ProcessSettingsEnvironment()), store_(environment_),
      dataFolder_(ombrix::DataFolder(environment_, programFolder_)),
      catalogue_({programFolder_, dataFolder_}), catalogueAccess_(catalogue_) {}

std::string SettingsSide::RunCommand(const std::string& executableName) const {
    return StartAtLoginCommand(programFolder_, executableName);
}

void SettingsSide::Attach(Form1& form, AppContext& context) {
    form_ = &form;
    context_ = &context;
}

void SettingsSide::MakeDirPath(const std::string& path) {
    ombrix::MakeDirPath(path);
}

std::string SettingsSide::ApplyStartupRule(const std::string& commandLine) {
    FirstRunWindowSteps window{[this] {
                                   if (form_ != nullptr) {
                                       form_->SetMenuChecked(MenuItem::Startup, false);
                                   }
                               },
                               [this] {
                                   if (form_ != nullptr) {
                                       form_->CentreWindow();
                                   }
                               }};
    return ApplySettingsStartup(store_, catalogue_, window, commandLine).first;
}

bool SettingsSide::LoadLanguage(const std::string& file, std::int16_t window) {
    if (context_ == nullptr) {
        return false;
    }
    const LanguageLoad load = ombrix::LoadLanguage(
        file, window, {{programFolder_, context_->dataFolder}, sink_, texts_, context_->links});
    if (!load.ok) {
        return false;
    }
    ApplyToOpenWindows(load.texts);
    if (window == MainWindow && form_ != nullptr) {
        form_->FitListCaption();
    }
    return true;
}

} // namespace ombrix
