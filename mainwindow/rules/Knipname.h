#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// The text up to, not including, its first zero character.
std::string Knipname(std::string_view text);

} // namespace ombrix
