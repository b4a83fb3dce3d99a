#pragma once
// When the Edit menu's items may be used. Delete All follows the fields'
// text at every change; the others follow the last click in a field, so a
// selection made with the keyboard alone does not enable them.

#include <string>

namespace ombrix {

inline bool DeleteAllEnabled(const std::string& text1, const std::string& text2) {
    return !text1.empty() || !text2.empty();
}

struct EditItemStates {
    bool paste = false;
    bool copy = false;
    bool cut = false;
    bool del = false;
    bool operator==(const EditItemStates&) const = default;
};

inline EditItemStates StatesAfterFieldClick(bool clipboardHoldsText, int selectionLength) {
    const bool selected = selectionLength > 0;
    return {clipboardHoldsText, selected, selected, selected};
}

// The field the Edit items work on: Text1 when Option1 is selected, else Text2
// when Option2 is; 0 when neither is.
inline int ActiveField(bool option1, bool option2) {
    return option1 ? 1 : option2 ? 2 : 0;
}

} // namespace ombrix
