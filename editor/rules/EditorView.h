#pragma once
// The editor window as its rules see it: the text box, the caption and the
// menu items the rules switch.

#include "editor/rules/RecentFiles.h"

#include <string>

namespace ombrix {

// The text as a file holds it, or where it cannot be.
struct FileText {
    std::string bytes;        // Windows-1252, the line breaks as they will be written
    bool writable = true;     // false when a character has no Windows-1252 code
    int badLine = 0;          // 1-based line of the first such character
    std::string badCharacter; // that character's code, "U+4E2D"
};

class EditorView : public RecentMenu {
public:
    // The text box gets the file's bytes (Windows-1252, line breaks as in the file).
    virtual void LoadText(const std::string& bytes) = 0;
    virtual void ClearText() = 0;
    // A copy of the whole text for the history, and putting one back.
    virtual std::string Snapshot() const = 0;
    virtual void Restore(const std::string& snapshot) = 0;
    virtual FileText TextForFile() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetUndoRedoEnabled(bool enabled) = 0;
};

} // namespace ombrix
