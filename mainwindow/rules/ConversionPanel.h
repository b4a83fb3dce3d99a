#pragma once
// The conversion panel of the main window without the window: choosing a
// catalogue entry, converting a field, the swap and the number-format
// options, and adding a definition file to the catalogue.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "base/Registry.h"
#include "mainwindow/rules/CataloguePort.h"
#include "mainwindow/rules/ConversionPort.h"
#include "mainwindow/rules/MainDialogs.h"
#include "mainwindow/rules/MainFlags.h"
#include "mainwindow/rules/ToolWindows.h"
#include "mainwindow/rules/WindowPorts.h"
#include "platform/posix/Paths.h"
#include "services/TrayIcon.h"

#include <cstdint>
#include <string>

namespace ombrix {

struct PanelServices {
    ConversionPort& conversion;
    CataloguePort& catalogue;
    Registry& registry;
    MainFlags& flags;
    MainView& view;
    MainDialogs& dialogs;
    ToolWindows tools;
    TrayIcon& tray;
    MessageSink& sink;
    const MessageTexts& texts;
    platform::ProgramFolders folders;
};

class ConversionPanel {
public:
    explicit ConversionPanel(PanelServices services);

    // Fills the conversion list from the catalogue.
    void ReloadList();
    // Selects entry `index` in the list and runs the selection procedure.
    // False when no entry could be loaded (the options dialog was asked for).
    bool SelectEntry(std::int16_t index);
    // The selection procedure for the entry the list shows selected.
    bool Combo1_Click(std::int16_t index);
    void ApplyLabels();

    // A key pressed in a value field (1 or 2); Enter converts.
    void FieldKey(int field);
    // Converts the field's text into the other field; false when nothing was
    // converted. Enter empties the other field then; the calculator keeps both.
    enum class WhenNothingConverted { EmptyOtherField, KeepFields };
    bool ConvertField(int field,
                      WhenNothingConverted nothing = WhenNothingConverted::EmptyOtherField);

    void Switchclick();
    void Check1_Click(bool checked);
    void Combo2_Click(int index);
    void Digitchek_Click(bool checked);

    // Adds a definition file to the list and the catalogue: "-2" when the title
    // is listed already (that entry is selected), "-1" when nothing was added,
    // the empty text when it is the new last entry. F loses its extension.
    std::string addconfig(std::string& F);

    // Re-reads the catalogue and the current conversion (after the options dialog).
    void RefreshFromCatalogue();

    bool TextConversion() const { return textConversion_; }

private:
    // Says which folder's conversion files could not be read, entry `index` being one.
    void ReportUnreadableFolder(std::int16_t index);
    void AfterLoad();
    void RemoveFailedEntry(std::int16_t index);

    PanelServices s_;
    // The catalogue file was kept aside before the first removal of this run.
    bool copyKept_ = false;
    bool textConversion_ = false;
};

} // namespace ombrix
