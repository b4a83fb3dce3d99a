#pragma once
// The engine of the run as the main window's rules ask for it.

#include "engine/Engine.h"
#include "mainwindow/rules/ConversionPort.h"

namespace ombrix {

class EngineConversion : public ConversionPort {
public:
    explicit EngineConversion(Engine& engine) : engine_(engine) {}

    bool LoadConversion(std::string path) override;
    std::optional<std::string> ReadConversionTitle(std::string& path) override;
    ConversionTexts Texts() const override;
    bool HasChangeTable() const override;
    bool HasResultFormat() const override;
    std::string EvaluateConversion(std::string text, bool forward) override;
    std::optional<std::string> FormatForDisplay(std::string text) override;
    void SetDecimalPlaces(std::int16_t places) override;
    void SetDigitGrouping(bool on) override;
    void ClearGroupingSeen() override;

private:
    Engine& engine_;
};

} // namespace ombrix
