#include "guikit/rules/Mnemonics.h"

namespace ombrix {

std::string WithoutMnemonics(std::string_view caption) {
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i; // the mark goes; after it "&" stands for itself
        }
        text += caption[i];
    }
    return text;
}

} // namespace ombrix
