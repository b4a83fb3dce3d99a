#pragma once
// Check lines: comment lines through which a definition file carries its own
// proof. "'CHECK 100 = 51.13" states that converting 100 forward gives
// exactly the text 51.13; "'CHECK-R 51.13 = 100.00" states the same for the
// reverse direction. Being comments, they change nothing for any loader.
//
// A check is run as a user with "." as decimal separator, fixed decimals off
// and digit grouping off would see it in the first field's partner: the
// conversion's own FORMAT applies, and one leading space of the result is
// dropped as the main window drops it.

#include "base/MessageTexts.h"
#include "engine/Engine.h"
#include "platform/posix/Paths.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

inline constexpr std::string_view CheckForwardPrefix = "'CHECK ";
inline constexpr std::string_view CheckReversePrefix = "'CHECK-R ";
// Between the value and the expected text; the first one splits the line, so
// an expected text may itself hold " = ".
inline constexpr std::string_view CheckSeparator = " = ";

struct CheckLine {
    int lineNumber = 0; // counted from 1, as the loader counts lines
    Direction direction = Forward;
    std::string value;
    std::string expected;
    // False when the line starts like a check line but has no " = ": a
    // check the author meant to write, so it fails rather than passing unseen.
    bool wellFormed = true;
    std::string text; // the line as written
};

// The check a line states, or nothing when it is no check line. Only the
// prefixes above in capitals count, so that an ordinary comment such as
// "'Check the rate" stays a comment.
std::optional<CheckLine> ParseCheckLine(std::string_view line, int lineNumber);

struct CheckResult {
    CheckLine check;
    bool held = false;
    std::string got;   // the converted text
    std::string error; // the conversion's error text when it failed
};

struct FileCheckReport {
    std::string path;    // as resolved for loading
    bool loaded = false; // false: the file could not be loaded or read
    std::string problem; // why, when it was not loaded
    std::vector<CheckResult> results;

    int Failed() const;
};

// Loads the definition at `path` (resolved as the loader resolves it) into a
// conversion of its own and runs each of its check lines. Touches no
// settings and shows no message; the loader's message texts come from
// `texts`.
FileCheckReport CheckDefinitionFile(std::string path, const platform::ProgramFolders& folders,
                                    const MessageTexts& texts);

} // namespace ombrix
