#pragma once
// Searching and replacing in the editor's text box, as the find and replace
// dialog asks for it. Texts are Windows-1252, one byte a character, so
// positions are the text box's character positions.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ombrix {

// The dialog's flags.
namespace FindFlag {
inline constexpr std::uint32_t Down = 0x1;
inline constexpr std::uint32_t WholeWord = 0x2;
inline constexpr std::uint32_t MatchCase = 0x4;
inline constexpr std::uint32_t FindNext = 0x8;
inline constexpr std::uint32_t Replace = 0x10;
inline constexpr std::uint32_t ReplaceAll = 0x20;
inline constexpr std::uint32_t DialogTerm = 0x40;
inline constexpr std::uint32_t ShowHelp = 0x80;
} // namespace FindFlag

// Every dialog opens with these: Help shown, the rest off (upwards in Find).
inline constexpr std::uint32_t InitialFindFlags = FindFlag::ShowHelp;

// The texts the editor's Find, Replace and Find Next commands start with.
inline constexpr std::string_view DefaultFindText = "Find Text";
inline constexpr std::string_view DefaultReplaceText = "Replace Text";
inline constexpr std::string_view FindNextReplaceText = "Find Next";

// The 36 word characters, compared without regard to letter case.
inline constexpr std::string_view WordCharacters = "abcdefghijklmnoprqstuvwxyz1234567890";

// 0 compares character by character, 1 ignores letter case.
inline constexpr std::int16_t CompareExact = 0;
inline constexpr std::int16_t CompareText = 1;
std::int16_t CompareModeOf(std::uint32_t flags);

// What the rules need of the text box being searched.
class SearchTarget {
public:
    virtual ~SearchTarget() = default;
    virtual std::string Text() const = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void Select(int start, int length) = 0;
    // The selection replaced by `text`; the insertion point after it, nothing selected.
    virtual void ReplaceSelection(const std::string& text) = 0;
};

bool IsWholeWord(char before, char after);

// The 1-based position of the right-most occurrence of `find` lying wholly
// within the first `limit` characters of `text`, or 0.
int FindLastBefore(int limit, std::string_view text, std::string_view find, std::int16_t mode);

// The 1-based position of the first occurrence at or after `start` (1-based), or 0.
int FindFirstFrom(int start, std::string_view text, std::string_view find, std::int16_t mode);

class FindRules {
public:
    FindRules(MessageSink& sink, const MessageTexts& texts) : sink_(sink), texts_(texts) {}

    bool FindForward(SearchTarget& target, const std::string& find, std::uint32_t flags,
                     bool announce);
    // Searches upwards from the selection start; always announces a failure.
    bool FindBackward(SearchTarget& target, const std::string& find, std::uint32_t flags);
    // Replaces the selection when it is an occurrence in the dialog's compare
    // mode, then finds the next one.
    void ReplaceOnce(SearchTarget& target, const std::string& find, const std::string& replacement,
                     std::uint32_t flags);
    // Replaces every occurrence from the start of the text; returns the count.
    int ReplaceAll(SearchTarget& target, const std::string& find, const std::string& replacement,
                   std::uint32_t flags);

    // A notification of the dialog: the buttons pressed, as flags.
    void Handle(SearchTarget& target, const std::string& find, const std::string& replacement,
                std::uint32_t flags);

private:
    void NotFound();

    MessageSink& sink_;
    const MessageTexts& texts_;
};

} // namespace ombrix
