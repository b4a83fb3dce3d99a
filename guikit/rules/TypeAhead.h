#pragma once
// Typing in an editable list: every key is turned into one action on the list,
// and the typed character itself never reaches the list's text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

inline constexpr char KeyEnter = 13;
inline constexpr char KeyEscape = 27;
inline constexpr char KeyBackspace = 8;

struct TypeAheadAction {
    enum class Kind {
        SelectWholeText, // caret to the start, the selected entry's whole text selected
        ClearText,       // the list's text is emptied
        NoMatch,         // a search found nothing: beep, change nothing
        Match,           // select entry `index`, caret at `caret`, the rest of its text selected
    };
    Kind kind = Kind::NoMatch;
    int index = -1;
    std::size_t caret = 0;
    // A search was made (Match or NoMatch): the conversion list shows its drop-down part.
    bool Searched() const { return kind == Kind::Match || kind == Kind::NoMatch; }
};

// items: the list's entries; text and caret: the list's edit text and caret position;
// entrySelected: an entry of the list is selected; key: the typed character.
TypeAheadAction TypeAhead(const std::vector<std::string>& items, std::string_view text,
                          std::size_t caret, bool entrySelected, char key);

} // namespace ombrix
