#include "wizard/rules/WizardRules.h"

#include "settings/SettingNames.h"

namespace ombrix {

UnitCaptions CaptionsFor(const ConversionDefinition& d) {
    UnitCaptions captions;
    captions.symbolsEnabled = SymbolsCanBeAttached(d);
    if (!captions.symbolsEnabled) {
        captions.option1 = d.GetInput1Label();
        captions.option2 = d.GetInput2Label();
        return captions;
    }
    captions.option1 = !d.Symbol3.empty() ? d.Symbol3 : d.Symbol1;
    // A second unit without symbols shows its field caption, not the caption
    // a previous conversion left behind.
    captions.option2 = !d.Symbol4.empty()   ? d.Symbol4
                       : !d.Symbol2.empty() ? d.Symbol2
                                            : d.GetInput2Label();
    return captions;
}

std::string IdentifyingText(const ConversionDefinition& d) {
    if (!d.Symbol3.empty()) {
        return d.Symbol3;
    }
    if (!d.Symbol1.empty()) {
        return d.Symbol1;
    }
    return d.Input1;
}

bool CanConvert(const ConversionDefinition& d) {
    // The kinds the engine's evaluation tells apart by their first entry.
    return (!d.MathSteps().empty() && !d.MathSteps().front().empty()) ||
           (!d.ChangeTable().empty() && !d.ChangeTable().front().from.empty()) ||
           (!d.TranslationTable().empty() && !d.TranslationTable().front().from.empty());
}

WizardRules::WizardRules(WizardServices services, WizardView& view) : s_(services), view_(view) {}

void WizardRules::Load() {
    std::string symbool = s_.registry.RegRead(Hive::CurrentUser, SettingsKey, SymbolSetting);
    if (symbool.empty()) {
        symbool = s_.registry.RegRead(Hive::LocalMachine, SettingsKey, SymbolSetting);
        if (symbool.empty()) {
            s_.registry.RegWrite(Hive::CurrentUser, SettingsKey, SymbolSetting, "0");
        }
    }
    symbolChecked_ = symbool == "1";
    view_.CheckSymbolItem(symbolChecked_);
    s_.host.SetWizardOpen(true);
    SetUpUnits();
    optionAlg_ = true;
    optalg_ = true;
    curc_ = IdentifyingText(s_.engine.Definition);
    curName_ = s_.engine.Definition.Name;
}

void WizardRules::Unload() {
    s_.host.SetWizardOpen(false);
}

void WizardRules::SetUpUnits() {
    view_.ApplyTopmostRule(s_.host.AlwaysOnTop());
    const UnitCaptions captions = CaptionsFor(s_.engine.Definition);
    symbolsEnabled_ = captions.symbolsEnabled;
    view_.ShowUnits(captions);
}

void WizardRules::symbool_Click() {
    symbolChecked_ = !symbolChecked_;
    s_.registry.RegWrite(Hive::CurrentUser, SettingsKey, SymbolSetting, symbolChecked_ ? "1" : "0");
    view_.CheckSymbolItem(symbolChecked_);
}

std::unique_ptr<ClipboardTable> WizardRules::OK_Click() {
    std::string table = s_.clipboard.Text();
    if (table.empty() || !CanConvert(s_.engine.Definition)) {
        return nullptr;
    }
    return std::make_unique<ClipboardTable>(s_.engine, s_.errorBoxes, std::move(table),
                                            optionAlg_ ? Forward : Reverse,
                                            symbolChecked_ && symbolsEnabled_);
}

void WizardRules::Converted(const ClipboardTable& table) {
    s_.clipboard.Clear();
    s_.clipboard.SetText(table.Result());
    ready_ = table.Result();
    SetStatus(WizardStatus::Converted);
}

void WizardRules::Timer1_Timer() {
    if (s_.clipboard.Text() != ready_) {
        SetStatus(WizardStatus::NotConverted);
    }
    if (optionAlg_ != optalg_) {
        SetStatus(WizardStatus::NotConverted);
        optalg_ = optionAlg_;
    }
    // Two conversions may share their units; the name tells them apart.
    const ConversionDefinition& d = s_.engine.Definition;
    std::string current = IdentifyingText(d);
    if (current != curc_ || d.Name != curName_) {
        SetUpUnits();
        SetStatus(WizardStatus::NotConverted);
        curc_ = std::move(current);
        curName_ = d.Name;
    }
}

void WizardRules::SetStatus(WizardStatus status) {
    status_ = status;
    view_.ShowStatus(status);
}

} // namespace ombrix
