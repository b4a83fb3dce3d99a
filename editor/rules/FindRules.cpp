#include "editor/rules/FindRules.h"

#include "base/TextCase.h"

namespace ombrix {

namespace {

bool IsWordCharacter(char c) {
    return WordCharacters.find(ToLower1252(c)) != std::string_view::npos;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view find, std::int16_t mode) {
    const std::string_view part = text.substr(at, find.size());
    return mode == CompareExact ? part == find : EqualsIgnoreCase1252(part, find);
}

// The characters around the occurrence at 1-based `pos`, blanks past either end.
bool IsWholeWordAt(std::string_view text, int pos, std::size_t length) {
    const std::size_t at = static_cast<std::size_t>(pos - 1);
    const char before = at == 0 ? ' ' : text[at - 1];
    const char after = at + length >= text.size() ? ' ' : text[at + length];
    return IsWholeWord(before, after);
}

} // namespace

std::int16_t CompareModeOf(std::uint32_t flags) {
    return (flags & FindFlag::MatchCase) != 0 ? CompareExact : CompareText;
}

bool IsWholeWord(char before, char after) {
    return !IsWordCharacter(before) && !IsWordCharacter(after);
}

int FindLastBefore(int limit, std::string_view text, std::string_view find, std::int16_t mode) {
    const int length = static_cast<int>(find.size());
    if (length == 0) {
        return 0;
    }
    if (limit > static_cast<int>(text.size())) {
        limit = static_cast<int>(text.size());
    }
    for (int n = limit - length + 1; n >= 1; --n) {
        if (MatchesAt(text, static_cast<std::size_t>(n - 1), find, mode)) {
            return n;
        }
    }
    return 0;
}

int FindFirstFrom(int start, std::string_view text, std::string_view find, std::int16_t mode) {
    if (find.empty() || start < 1) {
        return 0;
    }
    const std::size_t size = text.size();
    for (std::size_t at = static_cast<std::size_t>(start - 1); at + find.size() <= size; ++at) {
        if (MatchesAt(text, at, find, mode)) {
            return static_cast<int>(at) + 1;
        }
    }
    return 0;
}

bool FindRules::FindForward(SearchTarget& target, const std::string& find, std::uint32_t flags,
                            bool announce) {
    const std::string text = target.Text();
    const std::int16_t mode = CompareModeOf(flags);
    int start = target.SelStart() + 1;
    if (target.SelLength() > 0) {
        ++start;
    }
    for (;;) {
        const int pos = FindFirstFrom(start, text, find, mode);
        if (pos == 0) {
            break;
        }
        if ((flags & FindFlag::WholeWord) == 0 || IsWholeWordAt(text, pos, find.size())) {
            target.Select(pos - 1, static_cast<int>(find.size()));
            return true;
        }
        start = pos + 1;
    }
    if (announce) {
        NotFound();
    }
    return false;
}

bool FindRules::FindBackward(SearchTarget& target, const std::string& find, std::uint32_t flags) {
    const std::string text = target.Text();
    const std::int16_t mode = CompareModeOf(flags);
    // The nearest occurrence that ends before the selection starts; the
    // character just before the insertion point may be part of it.
    int limit = target.SelStart();
    for (;;) {
        const int pos = FindLastBefore(limit, text, find, mode);
        if (pos == 0) {
            break;
        }
        if ((flags & FindFlag::WholeWord) == 0 || IsWholeWordAt(text, pos, find.size())) {
            target.Select(pos - 1, static_cast<int>(find.size()));
            return true;
        }
        limit = pos + static_cast<int>(find.size()) - 2;
    }
    NotFound();
    return false;
}

void FindRules::ReplaceOnce(SearchTarget& target, const std::string& find,
                            const std::string& replacement, std::uint32_t flags) {
    const std::string text = target.Text();
    const int start = target.SelStart();
    const int length = target.SelLength();
    if (length == static_cast<int>(find.size()) && length > 0 &&
        MatchesAt(text, static_cast<std::size_t>(start), find, CompareModeOf(flags))) {
        target.ReplaceSelection(replacement);
    }
    FindForward(target, find, flags, true);
}

int FindRules::ReplaceAll(SearchTarget& target, const std::string& find,
                          const std::string& replacement, std::uint32_t flags) {
    target.Select(0, 0);
    int count = 0;
    while (FindForward(target, find, flags, false)) {
        target.ReplaceSelection(replacement);
        ++count;
        // The next search starts just after the inserted text.
    }
    if (count == 0) {
        NotFound();
    } else {
        sink_.Show(Message{MessageIcon::Information, MessageButtons::Ok, texts_.Get(202),
                           texts_.Get(203) + std::to_string(count) + texts_.Get(204)});
    }
    return count;
}

void FindRules::Handle(SearchTarget& target, const std::string& find,
                       const std::string& replacement, std::uint32_t flags) {
    if ((flags & FindFlag::FindNext) != 0) {
        if ((flags & FindFlag::Down) != 0) {
            FindForward(target, find, flags, true);
        } else {
            FindBackward(target, find, flags);
        }
    }
    if ((flags & FindFlag::Replace) != 0) {
        ReplaceOnce(target, find, replacement, flags);
    }
    if ((flags & FindFlag::ReplaceAll) != 0) {
        ReplaceAll(target, find, replacement, flags);
    }
}

void FindRules::NotFound() {
    sink_.Show(
        Message{MessageIcon::Exclamation, MessageButtons::Ok, texts_.Get(202), texts_.Get(201)});
}

} // namespace ombrix
