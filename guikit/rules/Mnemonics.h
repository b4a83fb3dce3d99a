#pragma once
// Captions mark their keyboard mnemonic with "&" ("&&" for the sign itself);
// a tool tip shows the caption's text without the marks.

#include <string>
#include <string_view>

namespace ombrix {

std::string WithoutMnemonics(std::string_view caption);

} // namespace ombrix
