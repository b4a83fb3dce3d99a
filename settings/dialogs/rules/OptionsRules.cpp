#include "settings/dialogs/rules/OptionsRules.h"

#include "engine/ListOrdering.h"
#include "platform/posix/FileIo.h"
#include "settings/CatalogueFile.h"
#include "settings/WindowTextTables.h"

namespace ombrix {

OptionsRules::OptionsRules(OptionsServices services, OptionsView& view)
    : s_(services), view_(view) {}

bool OptionsRules::Load() {
    Catalogue& c = s_.catalogue;
    savedLastIndex_ = c.LastIndex;
    s_.host.SetOptionsOpen(true);
    if (!s_.host.LoadLanguage(OptionsWindow)) {
        EndProgram();
        return false;
    }
    if (c.LastIndex == -1) {
        view_.SetPropertiesEnabled(false);
    }
    s_.host.SetMainWindowEnabled(false);
    s_.host.EnableMainWindows(false);
    std::vector<std::string> shown = c.Names;
    if (shown.size() > static_cast<std::size_t>(c.LastIndex + 1)) {
        shown.resize(static_cast<std::size_t>(c.LastIndex + 1));
    }
    ReadIntoList(shown);
    view_.SetApplyEnabled(false);
    SelectedEntry = s_.host.MainListSelection();
    SelectItem(SelectedEntry);
    return true;
}

void OptionsRules::ReadIntoList(const std::vector<std::string>& fallback) {
    Catalogue& c = s_.catalogue;
    const std::optional<std::string> bytes = ReadWholeFile(c.CatalogueFilePath());
    CatalogueRecords records;
    if (bytes) {
        records = ParseCatalogue(*bytes);
    }
    if (!records.complete) {
        // Half a file would leave the list and the paths out of step, and
        // Apply would write that back: the list keeps what memory holds.
        s_.sink.Show(
            {MessageIcon::Critical, MessageButtons::Ok, s_.texts.Get(100), s_.texts.Get(102)});
        items_ = fallback;
        view_.ShowList(items_);
        view_.SetLanguageText(c.LanguageFile);
        return;
    }
    items_.clear();
    if (records.language) {
        c.LanguageFile = *records.language;
    }
    view_.SetLanguageText(c.LanguageFile);
    for (std::size_t i = 0; i < records.entries.size(); ++i) {
        CatalogueEntry& entry = records.entries[i];
        if (!entry.name.empty()) {
            items_.push_back(entry.name);
        }
        if (!entry.path.empty()) {
            c.CatalogueFiles[i] = entry.path;
        }
        if (entry.isDefault) {
            c.DefaultIndex = static_cast<std::int16_t>(i);
        }
    }
    c.LastIndex = static_cast<std::int16_t>(records.entries.size()) - 1;
    view_.ShowList(items_);
}

void OptionsRules::ListClicked(int index) {
    SelectedEntry = static_cast<std::int16_t>(index);
}

void OptionsRules::LanguageEdited() {
    view_.SetApplyEnabled(true);
}

void OptionsRules::Command1_Click() {
    const std::string chosen = s_.dialogs.ShowOpenDialog("Open", "lng files|*.lng", "*.lng");
    if (!chosen.empty()) {
        view_.SetLanguageText(chosen);
    }
    view_.SetApplyEnabled(true);
}

void OptionsRules::Command5_Click() {
    if (s_.catalogue.LastIndex == 0) {
        s_.catalogue.DefaultIndex = 0;
    }
    AddingEntry = true;
    view_.OpenProperties();
}

void OptionsRules::Command6_Click() {
    if (SelectedEntry < 0 || SelectedEntry > s_.catalogue.LastIndex) {
        return;
    }
    view_.OpenProperties();
}

void OptionsRules::Command7_Click() {
    Catalogue& c = s_.catalogue;
    const std::size_t count = static_cast<std::size_t>(c.LastIndex + 1);
    if (count < 2 || items_.size() < count) {
        return;
    }
    CatalogueList list;
    list.names.assign(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(count));
    list.paths.assign(c.CatalogueFiles.begin(),
                      c.CatalogueFiles.begin() + static_cast<std::ptrdiff_t>(count));
    list.defaultIndex = c.DefaultIndex;
    SortCatalogueList(list);
    for (std::size_t i = 0; i < count; ++i) {
        items_[i] = list.names[i];
        c.CatalogueFiles[i] = list.paths[i];
    }
    c.DefaultIndex = static_cast<std::int16_t>(list.defaultIndex);
    view_.ShowList(items_);
    // The list shows the default entry, as after a fresh read.
    SelectItem(c.DefaultIndex);
}

void OptionsRules::Command4_Click() {
    if (ApplySteps()) {
        view_.BringToFront();
    }
}

bool OptionsRules::Save() {
    // The list the user edited here is the whole truth: additions or removals
    // the main window could not save yet must not be laid over it.
    s_.catalogue.SaveWholeListNext();
    const std::optional<std::string> recorded =
        s_.catalogue.WriteCatalogue(view_.LanguageText(), items_, true);
    if (!recorded) {
        // The edits stay in the dialog, and the language with them, for another try.
        s_.sink.Show(
            {MessageIcon::Critical, MessageButtons::Ok, s_.texts.Get(100), s_.texts.Get(102)});
        return false;
    }
    view_.SetLanguageText(*recorded);
    return true;
}

bool OptionsRules::ApplySteps() {
    Catalogue& c = s_.catalogue;
    if (!Save()) {
        return false;
    }
    savedLastIndex_ = c.LastIndex;
    const std::vector<std::string> saved = items_;
    items_.clear();
    view_.ShowList(items_);
    if (c.LastIndex >= 0) {
        ReadIntoList(saved);
    }
    view_.SetApplyEnabled(false);
    s_.host.SetStartupPhase(5);
    if (c.LastIndex >= 0) {
        s_.host.RefreshMainWindow();
    }
    if (!s_.host.LoadLanguage(OptionsWindow) || !s_.host.LoadLanguage(MainWindow)) {
        EndProgram();
        return false;
    }
    if (c.LastIndex >= 0) {
        SelectedEntry = s_.host.MainListSelection();
        SelectItem(SelectedEntry);
    }
    if (s_.host.WizardOpen()) {
        s_.host.LoadLanguage(WizardWindow);
    }
    if (s_.host.CalculatorOpen()) {
        s_.host.LoadLanguage(CalculatorWindow);
    }
    s_.host.SetStartupPhase(1);
    return true;
}

void OptionsRules::Command2_Click() {
    Catalogue& c = s_.catalogue;
    if (c.LastIndex == -1) {
        if (savedLastIndex_ > -1 && !Save()) {
            return;
        }
        EndProgram();
        return;
    }
    // The edits are written before the main window reads the file, so
    // showing a hidden main window cannot drop them.
    savedLastIndex_ = c.LastIndex;
    if (!ApplySteps()) {
        return;
    }
    if (!s_.host.MainWindowVisible()) {
        s_.host.ShowMainWindow();
    }
    view_.CloseWindow();
}

void OptionsRules::Command3_Click() {
    Catalogue& c = s_.catalogue;
    if (view_.ApplyEnabled()) {
        c.LastIndex = savedLastIndex_;
    } else {
        savedLastIndex_ = c.LastIndex;
    }
    if (c.LastIndex == -1) {
        EndProgram();
        return;
    }
    s_.host.RefreshMainWindow();
    s_.host.SetStartupPhase(1);
    view_.CloseWindow();
}

void OptionsRules::Closed() {
    if (ending_) {
        return;
    }
    if (s_.host.StartedOnce() && s_.host.IntroEnabled()) {
        s_.host.ShowIntro();
        s_.host.SetStartupPhase(1);
    }
    s_.host.SetOptionsOpen(false);
    if (s_.catalogue.LastIndex >= 0) {
        s_.host.SetMainWindowEnabled(true);
    }
    s_.host.EnableMainWindows(true);
    s_.host.SetNeedsRefresh();
    s_.host.OptionsClosed();
}

void OptionsRules::EndProgram() {
    ending_ = true;
    s_.host.SetOptionsOpen(false);
    s_.host.EndProgram();
}

void OptionsRules::SetItem(int index, const std::string& name) {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) {
        items_[static_cast<std::size_t>(index)] = name;
        view_.ShowList(items_);
    }
}

void OptionsRules::AppendItem(const std::string& name) {
    items_.push_back(name);
    view_.ShowList(items_);
}

void OptionsRules::RemoveItem(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) {
        items_.erase(items_.begin() + index);
        view_.ShowList(items_);
    }
}

void OptionsRules::SelectItem(int index) {
    const bool listed = index >= 0 && static_cast<std::size_t>(index) < items_.size();
    view_.SelectListItem(listed ? index : -1);
}

} // namespace ombrix
