#pragma once
// The main window's own ports, as small interfaces: the window itself, the
// tray window, and the settings operations of the start-up.

#include "settings/ConversionLabels.h"
#include "settings/SettingsStartup.h"

#include <cstdint>
#include <string>

namespace ombrix {

enum class MenuItem { AlwaysOnTop, Intro, Tray, Startup };

// The main window's controls as the rules see them. Setting a control here
// never runs that control's handler.
class MainView {
public:
    virtual ~MainView() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetLabels(const PanelLabels& labels) = 0;

    // The conversion list.
    virtual void ClearList() = 0;
    virtual void AddListItem(const std::string& name) = 0;
    virtual void RemoveListItem(std::int16_t index) = 0;
    virtual void SelectListItem(std::int16_t index) = 0; // -1 clears the selection
    virtual std::int16_t ListSelection() const = 0;
    virtual void SetListText(const std::string& text) = 0;

    // Value fields: 1 is Text1, 2 is Text2.
    virtual std::string FieldText(int field) const = 0;
    virtual void SetFieldText(int field, const std::string& text) = 0;
    virtual void SetActiveOption(int field) = 0;
    // The field whose option button is selected: 2 for Option2, else 1.
    virtual int ActiveOption() const = 0;

    // Number-format controls: Check1 (precision), Digitchek, Combo2 (decimals).
    virtual void SetFormatControlsEnabled(bool check1, bool digitchek, bool combo2) = 0;
    virtual void SetDecimalsEnabled(bool enabled) = 0;
    virtual bool PrecisionChecked() const = 0;
    virtual void SetPrecisionChecked(bool checked) = 0;
    virtual void SetDigitChecked(bool checked) = 0;
    virtual void SelectDecimals(int index) = 0;
    virtual int SelectedDecimals() const = 0;

    virtual bool MenuChecked(MenuItem item) const = 0;
    virtual void SetMenuChecked(MenuItem item, bool checked) = 0;

    virtual void SetMenuEnabled(MenuItem item, bool enabled) = 0;

    virtual void ShowWindow() = 0; // shown, restored and raised
    virtual void HideWindow() = 0;
    virtual bool WindowVisible() const = 0;
    // False while a window that must be answered first is open.
    virtual bool WindowEnabled() const = 0;
    virtual void SetWindowEnabled(bool enabled) = 0;
    virtual void SetTopmost(bool on) = 0;
    // Listed on the desktop's task bar; off while the program waits in the
    // notification area.
    virtual void SetOnTaskBar(bool on) = 0;
    // Erases what was drawn on the window (the image buttons' frames).
    virtual void ClearDrawing() = 0;
    // Centres the window as a first start does.
    virtual void CentreWindow() = 0;
    // The language file's texts were applied: the layout makes room for them.
    virtual void LanguageApplied() = 0;
};

// The never-shown window that owns the icon: its timer and its popup menu.
class TrayHost {
public:
    virtual ~TrayHost() = default;
    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    // False while a window that must be answered first is open.
    virtual bool Enabled() const = 0;
    virtual void SetItemsEnabled(bool show, bool hide, bool exit) = 0;
    virtual void PopUpMenu() = 0;
    // The main window's close request, as its close box makes it.
    virtual void CloseMainWindow() = 0;
    // Closes every window, the last opened first, and ends the process with 0.
    virtual void CloseAllAndEnd() = 0;
};

// The settings operations the start-up runs.
class SettingsOps {
public:
    virtual ~SettingsOps() = default;
    virtual void MakeDirPath(const std::string& path) = 0;
    // Chooses between migration and first-run defaults, runs the chosen one and
    // makes sure the data folder holds a catalogue file. Returns the value of
    // "first" that applies to the rest of the start-up ("0" when an earlier
    // start's options apply).
    virtual std::string ApplyStartupRule(const std::string& commandLine,
                                         const FirstRunWindowSteps& window) = 0;
    // Reads the language file and applies its texts for the window; false when
    // it failed (its message is shown) and the program must end.
    virtual bool LoadLanguage(const std::string& file, std::int16_t window) = 0;
};

} // namespace ombrix
