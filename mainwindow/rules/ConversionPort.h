#pragma once
// What the main window asks of the current conversion and the number state.

#include "settings/ConversionLabels.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ombrix {

class ConversionPort {
public:
    virtual ~ConversionPort() = default;
    // Loads a definition file into the current conversion; on failure the
    // loader has shown its own message.
    virtual bool LoadConversion(std::string path) = 0;
    // The catalogue title of a definition file; empty when the file cannot be read.
    virtual std::optional<std::string> ReadConversionTitle(std::string& path) = 0;
    virtual ConversionTexts Texts() const = 0;
    virtual bool HasChangeTable() const = 0;
    virtual bool HasResultFormat() const = 0;
    // forward: from the first unit to the second.
    virtual std::string EvaluateConversion(std::string text, bool forward) = 0;
    // The display form of a number text; empty when it is not a number.
    virtual std::optional<std::string> FormatForDisplay(std::string text) = 0;
    // -1 turns fixed decimals off.
    virtual void SetDecimalPlaces(std::int16_t places) = 0;
    virtual void SetDigitGrouping(bool on) = 0;
    virtual void ClearGroupingSeen() = 0;
};

} // namespace ombrix
