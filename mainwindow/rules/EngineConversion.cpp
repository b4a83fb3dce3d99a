#include "mainwindow/rules/EngineConversion.h"

#include "engine/ConversionLoader.h"
#include "engine/ConversionPath.h"

namespace ombrix {

bool EngineConversion::LoadConversion(std::string path) {
    return engine_.LoadConversion(path, LoadMode);
}

std::optional<std::string> EngineConversion::ReadConversionTitle(std::string& path) {
    return ombrix::ReadConversionTitle(path, engine_.Folders());
}

ConversionTexts EngineConversion::Texts() const {
    const ConversionDefinition& d = engine_.Definition;
    return {d.GetConversionName(), d.GetInput1Label(), d.GetInput2Label(), d.GetSymbol1(),
            d.GetSymbol2(),        d.GetSymbol3(),     d.GetSymbol4(),     d.GetIntroText()};
}

bool EngineConversion::HasChangeTable() const {
    return engine_.Definition.HasChangeTable();
}

bool EngineConversion::HasResultFormat() const {
    return !engine_.Definition.ResultFormat.empty();
}

std::string EngineConversion::EvaluateConversion(std::string text, bool forward) {
    return engine_.EvaluateConversion(text, forward ? Forward : Reverse);
}

std::optional<std::string> EngineConversion::FormatForDisplay(std::string text) {
    return engine_.Numbers.FormatForDisplay(text, engine_.Definition.ResultFormat);
}

void EngineConversion::SetDecimalPlaces(std::int16_t places) {
    engine_.Numbers.SetDecimalPlaces(places);
}

void EngineConversion::SetDigitGrouping(bool on) {
    engine_.Numbers.DigitGrouping = on;
}

void EngineConversion::ClearGroupingSeen() {
    engine_.Numbers.GroupingSeen = false;
}

} // namespace ombrix
