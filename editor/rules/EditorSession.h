#pragma once
// The editor's file commands and its history: New, Open, Save, Save As, a
// recent file, the question before changes are dropped and the check of the
// file before the window closes, in both modes: hosted by the conversion
// properties dialog, or the stand-alone program's only window.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "base/Registry.h"
#include "editor/rules/EditHistory.h"
#include "editor/rules/EditorHost.h"
#include "editor/rules/EditorView.h"
#include "editor/rules/RecentFiles.h"
#include "platform/posix/Paths.h"
#include "services/FileDialogs.h"

#include <functional>
#include <string>

namespace ombrix {

inline constexpr std::string_view NodFilter = "nod files|*.nod";
inline constexpr std::string_view NodExtension = "*.nod";
inline constexpr std::string_view OpenTitle = "Open";
inline constexpr std::string_view SaveTitle = "Save";

// Checks a file with the conversion loader before the window closes; false
// after the loader's own message. May append ".nod" to `path`.
class FileValidator {
public:
    virtual ~FileValidator() = default;
    virtual bool Validate(std::string& path) = 0;
    // The conversion's title, for the host's name field; empty when unreadable.
    virtual std::string Title(std::string& path) = 0;
};

struct EditorServices {
    EditorView& view;
    MessageSink& sink;
    const MessageTexts& texts;
    FileDialogs& dialogs;
    Registry& registry;
    FileValidator& validator;
    std::string& currentFile;       // outlives the window
    const std::string& editorTitle; // the window's title word, from the language file
    platform::ProgramFolders folders;
    EditorHost* host = nullptr; // null in the stand-alone program
};

class EditorSession {
public:
    explicit EditorSession(EditorServices services);

    // The window's start in hosted mode: the host disabled, the recent
    // files shown, the host's file loaded.
    void OpenHosted();
    // The stand-alone program's start with its command line as one file name.
    void OpenStandalone(std::string commandLine);

    // Every change of the text box.
    void TextChanged();
    void Undo();
    void Redo();

    void New();
    void OpenText();
    // Save and Save As of the menu; true when the file was written.
    bool SaveText();
    bool SaveTextAs();
    void ChooseRecent(int slot);
    // True when the window may close (the host has been told).
    bool Closing();

    EditHistory& History() { return history_; }
    const EditHistory& History() const { return history_; }
    RecentFiles& Recent() { return recent_; }
    bool Hosted() const { return s_.host != nullptr; }

private:
    enum class Answer { Yes, No, Cancel };
    Answer AskSave();
    bool LoadTextFile(const std::string& path);
    bool WriteTo(const std::string& path);
    void FileError(const std::string& path);
    // Reads `path` into the text with a fresh history; false (and said) when it cannot be read.
    bool LoadFile(const std::string& path);
    void SetCaptionFor(const std::string& name);
    void ResetHistory();
    void Saved();

    EditorServices s_;
    EditHistory history_;
    RecentFiles recent_;
};

} // namespace ombrix
