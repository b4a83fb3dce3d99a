#include "engine/FormulaOperands.h"

namespace ombrix {

const std::vector<DecimalResult>& FormulaOperands::For(const std::vector<std::string>& steps,
                                                       const NumberText& numbers) {
    std::string separator = numbers.NotationSeparator();
    if (valid_ && separator == separator_ && steps == steps_)
        return operands_;
    operands_.clear();
    for (const std::string& step : steps)
        operands_.push_back(numbers.ToNumber(
            numbers.ToLocaleDecimal(step.size() > 6 ? step.substr(6) : std::string())));
    steps_ = steps;
    separator_ = std::move(separator);
    valid_ = true;
    return operands_;
}

} // namespace ombrix
