#include "settings/WindowTextTables.h"

#include <array>

namespace ombrix {

namespace {

using P = TextProperty;
using F = RecordField;

constexpr std::string_view WebAddress = "www.quavomat.example";

// The main window's table includes the tray window's menu.
constexpr std::array<WindowTextEntry, 40> Main{{
    {100, "Form1", "File", P::Caption, F::Text, "&File"},
    {101, "Form1", "Exit", P::Caption, F::Text, "&Exit"},
    {102, "Form1", "Label7", P::Caption, F::Text, "Location:"},
    {103, "Form1", "Digitchek", P::Caption, F::Text, "Digit"},
    {104, "Form1", "openconv", P::Caption, F::Text, "Open &Conversion"},
    {105, "Form1", "Check1", P::Caption, F::Text, "Check1"},
    {200, "Form1", "Config", P::Caption, F::Text, "Config"},
    {201, "Form1", "Altop", P::Caption, F::Text, "Always on Top"},
    {202, "Form1", "Indo", P::Caption, F::Text, "Introducation Option"},
    {203, "Form1", "Mtray", P::Caption, F::Text, "Tray"},
    {204, "Form1", "startup", P::Caption, F::Text, "Startup"},
    {205, "Form1", "Switchclick", P::Caption, F::Text, "Switch"},
    {300, "Form1", "Tool", P::Caption, F::Text, "&Tool"},
    {301, "Form1", "Wizard", P::Caption, F::Text, "WizardExpress"},
    {301, "Form1", "Image1", P::ToolTip, F::Text, "WizardExpress"},
    {302, "Form1", "cal", P::Caption, F::Text, "Calculcator"},
    {302, "Form1", "Image2", P::ToolTip, F::Text, "Calculcator"},
    {303, "Form1", "Opties", P::Caption, F::Text, "Opties"},
    {303, "Form1", "Image3", P::ToolTip, F::Text, "Opties"},
    {400, "Form1", "Help", P::Caption, F::Text, "&Help"},
    {401, "Form1", "help1", P::Caption, F::Text, "&Bugreports"},
    {401, "Form1", BugReportTargetName, P::Target, F::Extra, ""},
    {402, "Form1", "urllaunch", P::Caption, F::Text, WebAddress},
    {402, "Form1", WebLinkTargetName, P::Target, F::Extra, ""},
    {403, "Form1", "Help2", P::Caption, F::Text, "&Help"},
    {403, "Form1", HelpTargetName, P::Target, F::Extra, ""},
    {404, "Form1", "About", P::Caption, F::Text, "&About"},
    {405, "Form1", "Donate", P::Caption, F::Text, "Donate us"},
    {405, "Form1", DonateTargetName, P::Target, F::Extra, ""},
    {499, "Form1", "Help", P::Caption, F::Text, "&Help"},
    {500, "Form1", "edit", P::Caption, F::Text, "&Edit"},
    {501, "Form1", "ecopy", P::Caption, F::Text, "copy"},
    {502, "Form1", "epaste", P::Caption, F::Text, "paste"},
    {503, "Form1", "ecut", P::Caption, F::Text, "cut"},
    {504, "Form1", "Delete", P::Caption, F::Text, "Delete"},
    {505, "Form1", "delall", P::Caption, F::Text, "Delete All "},
    {506, "Form1", "eselect", P::Caption, F::Text, "Select All"},
    {601, "tray1", "mnuShow", P::Caption, F::Text, "Show"},
    {602, "tray1", "mnuHide", P::Caption, F::Text, "Hide"},
    {603, "tray1", "mnuExit", P::Caption, F::Text, "Exit"},
}};

constexpr std::array<WindowTextEntry, 3> Intro{{
    {100, "Form2", "Form2", P::Caption, F::TextAndBlank, "Form2"},
    {101, "Form2", "Command1", P::Caption, F::Text, "OK"},
    {200, "Form2", "Check1", P::Caption, F::Text, "Enable Introducation Option"},
}};

constexpr std::array<WindowTextEntry, 4> About{{
    {100, "frmAbout", "frmAbout", P::Caption, F::TextAndBlank, "About MyApp"},
    {101, "frmAbout", "lblVersion", P::Caption, F::Text, "Version"},
    {102, "frmAbout", "lblDescription", P::Caption, F::Text,
     "A conversion calculator with exact decimal arithmetic"},
    {103, "frmAbout", "lblDisclaimer", P::Caption, F::Block,
     "This program is provided as it is, without any warranty."},
}};

constexpr std::array<WindowTextEntry, 9> Wizard{{
    {100, "WizardExpress", "WizardExpress", P::Caption, F::Text, "Wizard"},
    {101, "WizardExpress", "OK", P::Caption, F::Text, "OK"},
    {200, "WizardExpress", "exit", P::Caption, F::Text, "&Exit"},
    {201, "WizardExpress", "file", P::Caption, F::Text, "File"},
    {300, "WizardExpress", "tool", P::Caption, F::Text, "Tool"},
    {301, "WizardExpress", "symbool", P::Caption, F::Text, "Symbool"},
    {500, "WizardExpress", "Status", P::Caption, F::Text, "Status"},
    {501, "WizardExpress", "PendingStatusText", P::Text, F::Text, ""},
    {502, "WizardExpress", "ConvertedStatusText", P::Text, F::Text, ""},
}};

constexpr std::array<WindowTextEntry, 3> Calculator{{
    {100, "standard", "standard", P::Caption, F::Text, "Calculcator"},
    {101, "standard", "edit", P::Caption, F::Text, "&Edit"},
    {102, "standard", "eexit", P::Caption, F::Text, "&Exit"},
}};

constexpr std::array<WindowTextEntry, 11> Options{{
    {100, "Form3", "Form3", P::Caption, F::Text, "Form3"},
    {101, "Form3", "Label1", P::Caption, F::Text, "Label1"},
    {102, "Form3", "Label2", P::Caption, F::Text, "Label2"},
    {200, "Form3", "Command1", P::Caption, F::Text, "Command1"},
    {201, "Form3", "Command2", P::Caption, F::Text, "Ok"},
    {202, "Form3", "Command3", P::Caption, F::Text, "Cancel"},
    {203, "Form3", "Command4", P::Caption, F::Text, "Apply"},
    {204, "Form3", "Command5", P::Caption, F::Text, "Add"},
    {205, "Form3", "Command6", P::Caption, F::Text, "Porperty"},
    {206, "Form3", "Command7", P::Caption, F::Text, "Command7"},
    {300, "Form3", "Frame1", P::Caption, F::Text, "Frame1"},
}};

constexpr std::array<WindowTextEntry, 10> Properties{{
    {100, "Form4", "Form4", P::Caption, F::Text, "Form4"},
    {101, "Form4", "Label1", P::Caption, F::Text, "Label1"},
    {102, "Form4", "Label2", P::Caption, F::Text, "Label2"},
    {200, "Form4", "Command1", P::Caption, F::Text, "Command1"},
    {201, "Form4", "Command2", P::Caption, F::Text, "Command2"},
    {202, "Form4", "Command3", P::Caption, F::Text, "Command3"},
    {203, "Form4", "Command4", P::Caption, F::Text, "Command4"},
    {204, "Form4", "Check1", P::Caption, F::Text, "Check1"},
    {205, "Form4", "Command5", P::Caption, F::Text, "Command5"},
    {300, "Form4", "Frame1", P::Caption, F::Text, "Frame1"},
}};

constexpr std::array<WindowTextEntry, 27> Editor{{
    {100, "Editor", "Editor", P::Caption, F::Text, "Editor - "},
    {100, "Editor", "EditorTitle", P::Text, F::Text, ""},
    {101, "Editor", "new", P::Caption, F::Text, "New"},
    {102, "Editor", "open", P::Caption, F::Text, "Open"},
    {103, "Editor", "save", P::Caption, F::Text, "Save"},
    {104, "Editor", "SaveAs", P::Caption, F::Text, "Save As"},
    {105, "Editor", "close", P::Caption, F::Text, "Exit"},
    {200, "Editor", "edit", P::Caption, F::Text, "Edit"},
    {201, "Editor", "paste", P::Caption, F::Text, "Paste"},
    {202, "Editor", "cut", P::Caption, F::Text, "Cut"},
    {203, "Editor", "copy", P::Caption, F::Text, "Copy"},
    {204, "Editor", "eselect", P::Caption, F::Text, "Select &All"},
    {205, "Editor", "mnufind", P::Caption, F::Text, "Find"},
    {206, "Editor", "mnureplace", P::Caption, F::Text, "Replace"},
    {207, "Editor", "Delete", P::Caption, F::Text, "Delete"},
    {208, "Editor", "UndoClick", P::Caption, F::Text, "Undo"},
    {209, "Editor", "Redoclick", P::Caption, F::Text, "Redo"},
    {300, "Editor", "file", P::Caption, F::Text, "File"},
    {400, "Editor", "help", P::Caption, F::Text, "Help"},
    {401, "Editor", "help1", P::Caption, F::Text, "Bugreports"},
    {401, "Editor", BugReportTargetName, P::Target, F::Extra, ""},
    {402, "Editor", "help0", P::Caption, F::Text, WebAddress},
    {402, "Editor", WebLinkTargetName, P::Target, F::Extra, ""},
    {403, "Editor", "help2", P::Caption, F::Text, "Help"},
    {403, "Editor", HelpTargetName, P::Target, F::Extra, ""},
    {404, "Editor", "about", P::Caption, F::Text, "About"},
    {499, "Editor", "help", P::Caption, F::Text, "Help"},
}};

} // namespace

std::span<const WindowTextEntry> WindowTextTable(std::int16_t window) {
    switch (window) {
    case MainWindow:
        return Main;
    case IntroWindow:
        return Intro;
    case AboutWindow:
        return About;
    case WizardWindow:
        return Wizard;
    case CalculatorWindow:
        return Calculator;
    case OptionsWindow:
        return Options;
    case PropertiesWindow:
        return Properties;
    case EditorWindow:
        return Editor;
    default:
        return {};
    }
}

std::string_view WindowObjectName(std::int16_t window) {
    constexpr std::array<std::string_view, 9> Names{
        "", "Form1", "Form2", "frmAbout", "WizardExpress", "standard", "Form3", "Form4", "Editor"};
    return window >= 1 && window <= 8 ? Names[static_cast<std::size_t>(window)] : "";
}

std::string_view WindowDesignCaption(std::int16_t window) {
    constexpr std::array<std::string_view, 9> Captions{
        "",         "Quavomat Euro Edition", "Form2", "About MyApp",
        "Wizard",   "Calculcator",           "Form3", "Form4",
        "Editor - "};
    return window >= 1 && window <= 8 ? Captions[static_cast<std::size_t>(window)] : "";
}

bool IsStoredMessageNumber(int number) {
    return (number >= 100 && number <= 110 && number != 108) || (number >= 201 && number <= 204);
}

} // namespace ombrix
