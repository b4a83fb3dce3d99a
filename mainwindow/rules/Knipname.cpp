#include "mainwindow/rules/Knipname.h"

namespace ombrix {

std::string Knipname(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace ombrix
