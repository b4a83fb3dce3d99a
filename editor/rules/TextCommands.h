#pragma once
// What the Edit menu's clipboard commands do to the text: each is one edit of
// the text box (a range replaced by a text), which the window applies and
// records as one change, and what goes to the clipboard.

#include <optional>
#include <string>

namespace ombrix {

struct Selection {
    int start = 0;  // 0-based
    int length = 0; // characters
};

struct TextEdit {
    int start = 0;                        // the range replaced, 0-based
    int length = 0;                       // its length
    std::string insert;                   // what takes its place (Windows-1252)
    int caretAfter = 0;                   // where the insertion point stands afterwards
    std::optional<std::string> clipboard; // the clipboard's new text, when it changes
};

// The selected part of `text`, clipped to the text.
std::string SelectedText(const std::string& text, Selection sel);

// Cut and Delete remove the selection, Paste puts the clipboard's text in its
// place; all three leave the insertion point at the start of the text.
// Cut with nothing selected puts the empty text on the clipboard.
TextEdit CutEdit(const std::string& text, Selection sel);
TextEdit DeleteEdit(Selection sel);
TextEdit PasteEdit(Selection sel, const std::string& clipboardText);

// The state of the Edit menu's items when the menu opens.
struct EditMenuState {
    bool paste = false;
    bool cut = false;
    bool copy = false;
    bool del = false;
};
EditMenuState EditMenuOnOpening(Selection sel, const std::string& clipboardText);

} // namespace ombrix
