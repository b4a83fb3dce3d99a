#pragma once
// For each window that takes its texts from the language file, which record
// sets which text: the record's index, the object it goes to (named as the
// window's controls are named), which property, and the design-time caption
// the object shows before a language file is applied. One generic applier in
// the GUI walks these tables; nothing here knows about widgets.

#include <cstdint>
#include <span>
#include <string_view>

namespace ombrix {

// Window numbers of the language file; 0 holds the message texts.
inline constexpr std::int16_t MessageWindow = 0;
inline constexpr std::int16_t MainWindow = 1;
inline constexpr std::int16_t IntroWindow = 2;
inline constexpr std::int16_t AboutWindow = 3;
inline constexpr std::int16_t WizardWindow = 4;
inline constexpr std::int16_t CalculatorWindow = 5;
inline constexpr std::int16_t OptionsWindow = 6;
inline constexpr std::int16_t PropertiesWindow = 7;
inline constexpr std::int16_t EditorWindow = 8;

enum class TextProperty {
    Caption, // the caption of a window, control or menu item
    ToolTip, // the tool-tip text of a control
    Text,    // a text the window keeps for later use, named by `target`
    Target,  // an address or file a command opens (the record's extra field)
};

enum class RecordField {
    Text,         // the record's third field
    TextAndBlank, // the third field followed by one blank
    Extra,        // the record's fourth field
    Block,        // the about box's block of lines, starting at this record
};

struct WindowTextEntry {
    std::int16_t index;
    std::string_view owner;  // the window object that holds the target
    std::string_view target; // control, menu item or text name
    TextProperty property;
    RecordField field;
    std::string_view designCaption;
};

// The table of window 1 to 8; empty for any other number. Several entries
// may share an index (a menu item and its picture button's tool tip).
std::span<const WindowTextEntry> WindowTextTable(std::int16_t window);

// The window object's name ("Form1", "frmAbout", ...) and its design-time caption.
std::string_view WindowObjectName(std::int16_t window);
std::string_view WindowDesignCaption(std::int16_t window);

// The program-wide texts set by the extra fields of records 401 to 405.
inline constexpr std::string_view BugReportTargetName = "BugReportTarget";
inline constexpr std::string_view WebLinkTargetName = "WebLinkTarget";
inline constexpr std::string_view HelpTargetName = "HelpTarget";
inline constexpr std::string_view DonateTargetName = "DonateTarget";

// The message numbers that window 0 stores; 108 and 300 are accepted and dropped.
bool IsStoredMessageNumber(int number);
inline constexpr int SaveQuestionMessage = 109; // accumulates one line per record

} // namespace ombrix
