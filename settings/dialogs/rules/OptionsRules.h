#pragma once
// The options dialog without the window: the language file, the dialog's
// own list of the catalogue entries, Add, Properties, Sort, Apply, Ok,
// Cancel and closing. The dialog edits the shared in-memory catalogue
// through its list; Apply and Ok write the catalogue file, Cancel re-reads it.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "services/FileDialogs.h"
#include "settings/Catalogue.h"
#include "settings/dialogs/rules/DialogHosts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ombrix {

// The options dialog's controls as the rules see them. Setting a control
// here never runs its handler.
class OptionsView {
public:
    virtual ~OptionsView() = default;
    // Combo1: its items, its selection (-1 for none) and its edit text.
    virtual void ShowList(const std::vector<std::string>& items) = 0;
    virtual void SelectListItem(int index) = 0;
    virtual void SetListText(const std::string& text) = 0;
    // Text1, the language file.
    virtual std::string LanguageText() const = 0;
    virtual void SetLanguageText(const std::string& text) = 0;
    // Command4 (Apply): enabled while there are unapplied changes.
    virtual bool ApplyEnabled() const = 0;
    virtual void SetApplyEnabled(bool enabled) = 0;
    // Command6 (Porperty).
    virtual void SetPropertiesEnabled(bool enabled) = 0;
    virtual void BringToFront() = 0;
    // Opens the properties dialog for the rules' SelectedEntry and AddingEntry.
    virtual void OpenProperties() = 0;
    // Closes the window; its closing steps run.
    virtual void CloseWindow() = 0;
};

struct OptionsServices {
    Catalogue& catalogue;
    OptionsHost& host;
    MessageSink& sink;
    const MessageTexts& texts;
    FileDialogs& dialogs;
};

class OptionsRules {
public:
    OptionsRules(OptionsServices services, OptionsView& view);

    // The dialog's load. False when the program is ending instead.
    bool Load();

    void ListClicked(int index);
    void LanguageEdited(); // Text1 changed by the user
    void Command1_Click(); // browse for a language file
    void Command5_Click(); // Add
    void Command6_Click(); // Porperty
    void Command7_Click(); // sort
    void Command4_Click(); // Apply
    void Command2_Click(); // Ok
    void Command3_Click(); // Cancel
    // The window closes, whichever way; nothing happens once the program ends.
    void Closed();

    // What the properties dialog works on.
    std::int16_t SelectedEntry = -1;
    bool AddingEntry = false;
    Catalogue& Shared() { return s_.catalogue; }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItem(int index, const std::string& name);
    void AppendItem(const std::string& name);
    // Item `index` goes; later items move up by one.
    void RemoveItem(int index);
    void SelectItem(int index);
    void SetListText(const std::string& text) { view_.SetListText(text); }
    void EnableApply() { view_.SetApplyEnabled(true); }
    void SetPropertiesEnabled(bool enabled) { view_.SetPropertiesEnabled(enabled); }

    std::int16_t SavedLastIndex() const { return savedLastIndex_; }
    bool Ending() const { return ending_; }

private:
    // The dialog's catalogue reader: the data folder's file into the list.
    // When the file cannot be read its message is shown and the list
    // becomes `fallback`, which matches the catalogue in memory.
    void ReadIntoList(const std::vector<std::string>& fallback);
    // Writes the catalogue and brings every window up to date with it. False
    // when the save failed (its message is shown; the edits stay) or the
    // program is ending.
    bool ApplySteps();
    bool Save();
    void EndProgram();

    OptionsServices s_;
    OptionsView& view_;
    std::vector<std::string> items_;
    std::int16_t savedLastIndex_ = -1;
    bool ending_ = false;
};

} // namespace ombrix
