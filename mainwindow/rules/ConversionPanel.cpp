#include "mainwindow/rules/ConversionPanel.h"

#include "base/TextCase.h"
#include "engine/ConversionPath.h"
#include "mainwindow/rules/EmptyCatalogue.h"
#include "mainwindow/rules/Knipname.h"
#include "mainwindow/rules/TrayRules.h"
#include "settings/CatalogueEdits.h"
#include "settings/SettingNames.h"

namespace ombrix {

namespace {

std::string WithoutSurroundingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

ConversionPanel::ConversionPanel(PanelServices services) : s_(services) {}

void ConversionPanel::ReloadList() {
    s_.view.ClearList();
    for (const std::string& name : s_.catalogue.Names()) {
        s_.view.AddListItem(name);
    }
}

bool ConversionPanel::SelectEntry(std::int16_t index) {
    s_.view.SelectListItem(index);
    return Combo1_Click(index);
}

bool ConversionPanel::Combo1_Click(std::int16_t index) {
    // A failed entry is removed and a neighbour tried, until one loads or none
    // is left. When the neighbour fails too, the files are more likely missing
    // than broken (a damaged installation): nothing more is removed.
    bool neighbourFailed = false;
    while (index >= 0 && index <= s_.catalogue.LastIndex()) {
        if (s_.conversion.LoadConversion(s_.catalogue.File(index) + ".nod")) {
            AfterLoad();
            return true;
        }
        if (neighbourFailed) {
            ReportUnreadableFolder(index);
            s_.dialogs.ShowOptions();
            return false;
        }
        neighbourFailed = true;
        const bool wasLast = index == s_.catalogue.LastIndex();
        RemoveFailedEntry(index);
        if (s_.catalogue.LastIndex() < 0) {
            OfferOptionsForEmptyCatalogue(s_.view, s_.dialogs);
            return false;
        }
        // The list keeps the removed entry's index selected unless it was the last item.
        index = (wasLast || index == 0) ? std::int16_t{0} : static_cast<std::int16_t>(index - 1);
        s_.view.SelectListItem(index);
    }
    return false;
}

void ConversionPanel::RemoveFailedEntry(std::int16_t index) {
    s_.catalogue.SetDefaultIndex(DefaultAfterRemoval(index, s_.catalogue.DefaultIndex()));
    s_.catalogue.RemoveEntry(index);
    s_.view.RemoveListItem(index);
    if (!copyKept_) {
        // What this run removes can be had back from the copy.
        s_.catalogue.KeepCopyOnNextSave();
        copyKept_ = true;
    }
    std::string unused;
    s_.catalogue.SaveCatalogue(s_.catalogue.LanguageFile(), false, unused);
}

void ConversionPanel::ReportUnreadableFolder(std::int16_t index) {
    std::string file = s_.catalogue.File(index);
    const std::string path = ResolveConversionPath(file, s_.folders);
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? path : path.substr(0, slash);
    s_.sink.Show({MessageIcon::Critical, MessageButtons::Ok, s_.texts.Get(100),
                  "The conversion files in " + folder +
                      " could not be read. The list keeps its entries; once the files are "
                      "back, they load again."});
}

void ConversionPanel::AfterLoad() {
    const ConversionTexts texts = s_.conversion.Texts();
    if (s_.flags.IntroEnabled && !texts.intro.empty()) {
        s_.view.ShowWindow();
        s_.dialogs.ShowIntro();
    }
    if (s_.flags.WizardOpen) {
        s_.tools.wizard.Show();
    }
    if (s_.flags.TrayActive) {
        s_.tray.Modify(TrayTip(s_.view.Caption()));
    }
    s_.view.SetCaption(texts.name);
    textConversion_ = s_.conversion.HasChangeTable();
    if (textConversion_) {
        s_.view.SetFormatControlsEnabled(false, false, false);
    } else {
        s_.view.SetFormatControlsEnabled(true, true, s_.flags.PrecisionOn);
    }
    WriteSetting(s_.registry, ConversionNameSetting, s_.view.Caption());
    s_.view.SetLabels(LabelsFor(texts, s_.flags.SwitchSides));
}

void ConversionPanel::ApplyLabels() {
    s_.view.SetLabels(LabelsFor(s_.conversion.Texts(), s_.flags.SwitchSides));
}

void ConversionPanel::FieldKey(int field) {
    s_.view.SetActiveOption(field);
    if (s_.flags.CalculatorOpen) {
        s_.flags.MainWindowEdited = true;
    }
}

bool ConversionPanel::ConvertField(int field, WhenNothingConverted nothing) {
    s_.conversion.ClearGroupingSeen();
    const bool onTop = s_.view.MenuChecked(MenuItem::AlwaysOnTop);
    if (onTop) {
        // A message of the conversion must not be hidden behind the window.
        s_.view.SetTopmost(false);
    }
    const bool forward = (field == 1) != s_.flags.SwitchSides;
    // Blanks around a value are no part of it, at either end.
    const std::string typed = WithoutSurroundingBlanks(s_.view.FieldText(field));
    const std::string result = s_.conversion.EvaluateConversion(typed, forward);
    if (!result.empty() || nothing == WhenNothingConverted::EmptyOtherField) {
        const int other = field == 1 ? 2 : 1;
        s_.view.SetFieldText(other,
                             !result.empty() && result.front() == ' ' ? result.substr(1) : result);
    }
    if (s_.conversion.HasResultFormat() && !result.empty()) {
        if (auto shown = s_.conversion.FormatForDisplay(typed)) {
            s_.view.SetFieldText(field, *shown);
        }
    }
    if (onTop) {
        s_.view.SetTopmost(true);
    }
    return !result.empty();
}

void ConversionPanel::Switchclick() {
    s_.flags.SwitchSides = !s_.flags.SwitchSides;
    WriteSetting(s_.registry, SwitchSetting, OnOff(s_.flags.SwitchSides));
    const std::string first = s_.view.FieldText(1);
    s_.view.SetFieldText(1, s_.view.FieldText(2));
    s_.view.SetFieldText(2, first);
    ApplyLabels();
}

void ConversionPanel::Check1_Click(bool checked) {
    WriteSetting(s_.registry, PrecisionSetting, OnOff(checked));
    // A text conversion keeps its number-format controls off.
    s_.view.SetDecimalsEnabled(checked && !textConversion_);
    s_.conversion.SetDecimalPlaces(checked ? static_cast<std::int16_t>(s_.view.SelectedDecimals())
                                           : std::int16_t{-1});
    s_.flags.PrecisionOn = checked;
}

void ConversionPanel::Combo2_Click(int index) {
    if (!s_.view.PrecisionChecked()) {
        return;
    }
    s_.conversion.SetDecimalPlaces(static_cast<std::int16_t>(index));
    WriteSetting(s_.registry, DecimalsSetting, std::to_string(index));
}

void ConversionPanel::Digitchek_Click(bool checked) {
    WriteSetting(s_.registry, DigitSetting, OnOff(checked));
    s_.conversion.SetDigitGrouping(checked);
}

std::string ConversionPanel::addconfig(std::string& F) {
    F = Knipname(F);
    std::optional<std::string> title = s_.conversion.ReadConversionTitle(F);
    if (!title) {
        // Nothing names a readable definition: the list stays as it is.
        s_.sink.Show(
            {MessageIcon::Critical, MessageButtons::Ok, s_.texts.Get(100), F + s_.texts.Get(101)});
        return "-1";
    }
    if (*title == "-1") {
        return "-1";
    }
    if (title->empty()) {
        title = F;
    }
    const std::vector<std::string> names = s_.catalogue.Names();
    for (std::size_t j = 0; j < names.size(); ++j) {
        if (EqualsIgnoreCase1252(names[j], *title)) {
            s_.view.SetListText(names[j]);
            SelectEntry(static_cast<std::int16_t>(j));
            return "-2";
        }
    }
    F = StoredConversionPath(F, s_.folders.data);
    if (!s_.catalogue.AppendEntry(*title, F)) {
        return "-1";
    }
    s_.view.AddListItem(*title);
    std::string unused;
    if (!s_.catalogue.SaveCatalogue(s_.catalogue.LanguageFile(), false, unused)) {
        return "-1";
    }
    return "";
}

void ConversionPanel::RefreshFromCatalogue() {
    const std::int16_t index = s_.catalogue.ReadCatalogue(1, s_.view.ListSelection());
    ReloadList();
    if (s_.catalogue.LastIndex() >= 0) {
        SelectEntry(index);
    }
}

} // namespace ombrix
