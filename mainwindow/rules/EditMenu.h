#pragma once
// When the Edit menu's items may be used. Delete All follows the fields'
// text at every change; Copy and Cut follow the active field's selection
// however it was made, so Ctrl+C and Ctrl+X work after a keyboard selection as
// in any text field; Paste and Delete follow the last click in a field.

#include <string>

namespace ombrix {

inline bool DeleteAllEnabled(const std::string& text1, const std::string& text2) {
    return !text1.empty() || !text2.empty();
}

inline bool CopyAndCutEnabled(int selectionLength) {
    return selectionLength > 0;
}

struct EditItemStates {
    bool paste = false;
    bool copy = false;
    bool cut = false;
    bool del = false;
    bool operator==(const EditItemStates&) const = default;
};

inline EditItemStates StatesAfterFieldClick(bool clipboardHoldsText, int selectionLength) {
    const bool selected = CopyAndCutEnabled(selectionLength);
    return {clipboardHoldsText, selected, selected, selected};
}

// The field the Edit items work on: Text1 when Option1 is selected, else Text2
// when Option2 is; 0 when neither is.
inline int ActiveField(bool option1, bool option2) {
    return option1 ? 1 : option2 ? 2 : 0;
}

} // namespace ombrix
