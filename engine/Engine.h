#pragma once
// The conversion engine of one program run: the current conversion, the
// number state, and the evaluation of a value in either direction.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "engine/ConversionDefinition.h"
#include "engine/FormulaOperands.h"
#include "engine/NumberText.h"
#include "platform/posix/Paths.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ombrix {

class Registry;

// -1 converts forward (first unit to second), 0 in reverse.
using Direction = std::int16_t;
inline constexpr Direction Forward = -1;
inline constexpr Direction Reverse = 0;

struct EngineServices {
    SeparatorSource separators;   // the user's decimal separator
    MessageSink& sink;            // message boxes
    const MessageTexts& texts;    // language message texts
    Registry* registry = nullptr; // receives the loaded conversion's name; may be null
    platform::ProgramFolders folders;
};

class Engine {
public:
    explicit Engine(EngineServices services);

    ConversionDefinition Definition; // the current conversion
    NumberText Numbers;              // the number state and number-text rules

    // Loads (mode 1) or validates (mode 3) a definition file into Definition.
    bool LoadConversion(std::string& path, std::int16_t mode);
    // The converted text, or the empty text when nothing could be converted.
    std::string EvaluateConversion(std::string& input, Direction direction);
    void ShowConversionError();

    std::string EvaluateFormula(std::string& input, Direction direction);
    // The everyday case of a formula conversion with its display rules
    // applied: a plain number and a FORMAT such as "0.00" or "#,##0.00", for
    // which those rules change nothing but the minus's place. Nothing when the
    // case does not apply; the empty text after showing the error when it
    // fails.
    std::optional<std::string> EvaluatePlainFormula(const std::string& input, Direction direction);
    std::string EvaluateChangeTable(std::string& input, Direction direction);
    std::string EvaluateTranslation(std::string& input, Direction direction);

    // Whether the last EvaluateConversion ended in the conversion's error box.
    bool LastConversionFailed() const { return lastConversionFailed_; }
    const platform::ProgramFolders& Folders() const { return services_.folders; }

private:
    // The formula's steps from `start`; nothing when a step cannot be done.
    std::optional<Decimal> RunSteps(const Decimal& start, Direction direction);

    EngineServices services_;
    bool lastConversionFailed_ = false;
    FormulaOperands formulaOperands_;
};

} // namespace ombrix
