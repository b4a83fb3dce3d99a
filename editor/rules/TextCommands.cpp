#include "editor/rules/TextCommands.h"

#include <algorithm>

namespace ombrix {

namespace {

Selection Clip(int size, Selection sel) {
    sel.start = std::clamp(sel.start, 0, size);
    sel.length = std::clamp(sel.length, 0, size - sel.start);
    return sel;
}

} // namespace

std::string SelectedText(const std::string& text, Selection sel) {
    sel = Clip(static_cast<int>(text.size()), sel);
    return text.substr(static_cast<std::size_t>(sel.start), static_cast<std::size_t>(sel.length));
}

TextEdit CutEdit(const std::string& text, Selection sel) {
    TextEdit edit = DeleteEdit(Clip(static_cast<int>(text.size()), sel));
    edit.clipboard = SelectedText(text, sel);
    return edit;
}

TextEdit DeleteEdit(Selection sel) {
    return TextEdit{sel.start, sel.length, {}, 0, std::nullopt};
}

TextEdit PasteEdit(Selection sel, const std::string& clipboardText) {
    return TextEdit{sel.start, sel.length, clipboardText, 0, std::nullopt};
}

EditMenuState EditMenuOnOpening(Selection sel, const std::string& clipboardText) {
    const bool selected = sel.length >= 1;
    return EditMenuState{!clipboardText.empty(), selected, selected, selected};
}

} // namespace ombrix
