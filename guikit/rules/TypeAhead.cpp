#include "guikit/rules/TypeAhead.h"

#include "base/TextCase.h"

#include <algorithm>

namespace ombrix {

namespace {

TypeAheadAction Search(const std::vector<std::string>& items, const std::string& search) {
    for (std::size_t k = 0; k < items.size(); ++k) {
        const std::string& item = items[k];
        if (item.size() >= search.size() &&
            ToLower1252(std::string_view(item).substr(0, search.size())) == search) {
            return {TypeAheadAction::Kind::Match, static_cast<int>(k), search.size()};
        }
    }
    return {TypeAheadAction::Kind::NoMatch, -1, 0};
}

} // namespace

TypeAheadAction TypeAhead(const std::vector<std::string>& items, std::string_view text,
                          std::size_t caret, bool entrySelected, char key) {
    const std::string prefix(text.substr(0, std::min(caret, text.size())));
    switch (key) {
    case KeyEnter:
        if (entrySelected) {
            return {TypeAheadAction::Kind::SelectWholeText, -1, 0};
        }
        return Search(items, "");
    case KeyEscape:
        return {TypeAheadAction::Kind::ClearText, -1, 0};
    case KeyBackspace:
        if (prefix.size() <= 1) {
            return {TypeAheadAction::Kind::ClearText, -1, 0};
        }
        return Search(items, ToLower1252(prefix.substr(0, prefix.size() - 1)));
    default:
        return Search(items, ToLower1252(prefix + key));
    }
}

} // namespace ombrix
