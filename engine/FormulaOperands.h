#pragma once
// The operands of a formula's steps, read once for as long as the steps and
// the decimal separator stay the same instead of once for every value.

#include "engine/NumberText.h"
#include "engine/decimal/Decimal.h"

#include <string>
#include <vector>

namespace ombrix {

class FormulaOperands {
public:
    // The operand of every step in file order, read in the notation of `numbers`.
    const std::vector<DecimalResult>& For(const std::vector<std::string>& steps,
                                          const NumberText& numbers);

private:
    bool valid_ = false;
    std::vector<std::string> steps_;
    std::string separator_;
    std::vector<DecimalResult> operands_;
};

} // namespace ombrix
