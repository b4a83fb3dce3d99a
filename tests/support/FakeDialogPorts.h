#pragma once
// Stand-ins for what the options, properties and intro dialogs' rules talk
// to: their hosts and their windows. Each records what it was told.

#include "FakeServices.h"
#include "settings/Catalogue.h"
#include "settings/dialogs/rules/OptionsRules.h"
#include "settings/dialogs/rules/PropertiesRules.h"

#include <string>
#include <vector>

namespace ombrix::testing {

// The main window with a list of its own that follows the catalogue file
// when it is refreshed, as the real one does.
class FakeOptionsHost : public OptionsHost {
public:
    explicit FakeOptionsHost(Catalogue& catalogue) : catalogue_(&catalogue) {}
    // As a fresh main window.
    void Reset() { *this = FakeOptionsHost(*catalogue_); }

    std::vector<std::string> mainList;
    std::int16_t mainSelection = -1;
    bool mainVisible = true;
    bool mainEnabled = true;
    bool othersEnabled = true;
    bool languageWorks = true;
    std::vector<std::int16_t> languages; // windows whose texts were applied
    std::vector<std::int16_t> phases;    // StartupPhase as set, in order
    int refreshes = 0, mainShown = 0, ended = 0, intros = 0, closedNotices = 0;
    bool once = false, introEnabled = false, wizardOpen = false, calculatorOpen = false;
    bool needsRefresh = false, optionsOpen = false;

    std::int16_t MainListSelection() const override { return mainSelection; }
    void RefreshMainWindow() override {
        ++refreshes;
        catalogue_->SelectedIndex = mainSelection;
        const std::int16_t selected = catalogue_->ReadCatalogue(CatalogueRefresh);
        mainList = catalogue_->Names;
        mainSelection = catalogue_->LastIndex >= 0 ? selected : std::int16_t{-1};
    }
    bool MainWindowVisible() const override { return mainVisible; }
    void ShowMainWindow() override {
        ++mainShown;
        mainVisible = true;
    }
    void SetMainWindowEnabled(bool enabled) override { mainEnabled = enabled; }
    void EnableMainWindows(bool on) override { othersEnabled = on; }
    bool LoadLanguage(std::int16_t window) override {
        languages.push_back(window);
        return languageWorks;
    }
    void EndProgram() override { ++ended; }
    void ShowIntro() override { ++intros; }
    bool StartedOnce() const override { return once; }
    bool IntroEnabled() const override { return introEnabled; }
    bool WizardOpen() const override { return wizardOpen; }
    bool CalculatorOpen() const override { return calculatorOpen; }
    void SetStartupPhase(std::int16_t phase) override { phases.push_back(phase); }
    void SetNeedsRefresh() override { needsRefresh = true; }
    void SetOptionsOpen(bool open) override { optionsOpen = open; }
    void OptionsClosed() override { ++closedNotices; }

private:
    Catalogue* catalogue_;
};

class FakeOptionsView : public OptionsView {
public:
    std::vector<std::string> list;
    int selected = -1;
    std::string listText;
    std::string language;
    bool applyEnabled = true;
    bool propertiesEnabled = true;
    int propertiesOpened = 0, closed = 0, fronts = 0;

    void ShowList(const std::vector<std::string>& items) override { list = items; }
    void SelectListItem(int index) override { selected = index; }
    void SetListText(const std::string& text) override { listText = text; }
    std::string LanguageText() const override { return language; }
    void SetLanguageText(const std::string& text) override { language = text; }
    bool ApplyEnabled() const override { return applyEnabled; }
    void SetApplyEnabled(bool enabled) override { applyEnabled = enabled; }
    void SetPropertiesEnabled(bool enabled) override { propertiesEnabled = enabled; }
    void BringToFront() override { ++fronts; }
    void OpenProperties() override { ++propertiesOpened; }
    void CloseWindow() override { ++closed; }
};

class FakePropertiesView : public PropertiesView {
public:
    std::string file, name;
    bool boxChecked = false, boxEnabled = true;
    bool deleteEnabled = true, editEnabled = true;
    std::vector<std::string> notices;
    int closed = 0;

    std::string FileText() const override { return file; }
    void SetFileText(const std::string& text) override { file = text; }
    std::string NameText() const override { return name; }
    void SetNameText(const std::string& text) override { name = text; }
    void SetDefaultBox(bool checked, bool enabled) override {
        boxChecked = checked;
        boxEnabled = enabled;
    }
    void SetDeleteEnabled(bool enabled) override { deleteEnabled = enabled; }
    void SetEditEnabled(bool enabled) override { editEnabled = enabled; }
    void Notice(const std::string& text) override { notices.push_back(text); }
    void CloseWindow() override { ++closed; }
};

} // namespace ombrix::testing
