#include "editor/rules/EditorSession.h"

#include "base/TextCase.h"
#include "engine/ConversionPath.h"
#include "platform/posix/FileIo.h"

namespace ombrix {

namespace {

bool EndsWithLineBreak(const std::string& bytes) {
    return !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r');
}

} // namespace

EditorSession::EditorSession(EditorServices services)
    : s_(services), recent_(services.registry, services.view) {}

void EditorSession::OpenHosted() {
    if (s_.host == nullptr) {
        return;
    }
    s_.host->SetHostEnabled(false);
    recent_.Fill();
    const std::string field = s_.host->FileField();
    std::string copy = field;
    const std::string resolved = ResolveConversionPath(copy, s_.folders);
    if (LoadTextFile(resolved)) {
        s_.currentFile = field;
    } else {
        FileError(resolved);
    }
}

void EditorSession::OpenStandalone(std::string commandLine) {
    recent_.Fill();
    if (EndsWithIgnoreCase1252(commandLine, "NOD")) {
        commandLine.erase(commandLine.size() >= 4 ? commandLine.size() - 4 : 0);
    }
    // A relative name on the command line means the program's own folder.
    const platform::ProgramFolders programOnly{s_.folders.program, {}};
    const std::string resolved = ResolveConversionPath(commandLine, programOnly);
    if (commandLine == ".nod") {
        return;
    }
    if (LoadTextFile(resolved)) {
        s_.currentFile = commandLine;
    } else {
        s_.currentFile.clear();
        FileError(resolved);
    }
}

void EditorSession::TextChanged() {
    if (history_.IsRestoring) {
        history_.MarkDirty();
        return;
    }
    history_.Record(s_.view.Snapshot());
    s_.view.SetUndoRedoEnabled(history_.UndoRedoEnabled());
}

void EditorSession::Undo() {
    if (auto snapshot = history_.Undo()) {
        history_.IsRestoring = true;
        s_.view.Restore(*snapshot);
        history_.IsRestoring = false;
        history_.MarkDirty();
    }
}

void EditorSession::Redo() {
    if (auto snapshot = history_.Redo()) {
        history_.IsRestoring = true;
        s_.view.Restore(*snapshot);
        history_.IsRestoring = false;
        history_.MarkDirty();
    }
}

EditorSession::Answer EditorSession::AskSave() {
    const MessageAnswer answer = s_.sink.Show(
        Message{MessageIcon::None, MessageButtons::YesNoCancel, s_.editorTitle, s_.texts.Get(109)});
    if (answer == MessageAnswer::Yes) {
        return Answer::Yes;
    }
    return answer == MessageAnswer::No ? Answer::No : Answer::Cancel;
}

void EditorSession::New() {
    if (history_.IsDirty == 1) {
        const Answer answer = AskSave();
        if (answer == Answer::Cancel || (answer == Answer::Yes && !SaveText())) {
            return;
        }
    }
    s_.view.SetCaption(s_.editorTitle + " - ");
    s_.view.ClearText();
    s_.currentFile.clear();
    ResetHistory();
}

void EditorSession::OpenText() {
    if (history_.IsDirty == 1) {
        const Answer answer = AskSave();
        if (answer == Answer::Cancel || (answer == Answer::Yes && !SaveTextAs())) {
            return;
        }
    }
    // The file is chosen and read before anything of the open text changes.
    const std::string path = s_.dialogs.ShowOpenDialog(
        std::string(OpenTitle), std::string(NodFilter), std::string(NodExtension));
    if (path.empty()) {
        return;
    }
    if (!LoadFile(path)) {
        return;
    }
    if (s_.host != nullptr) {
        s_.host->SetFileField(s_.currentFile);
    }
    SetCaptionFor(s_.currentFile);
    history_.IsDirty = 0;
    recent_.salastused(s_.currentFile);
}

bool EditorSession::LoadFile(const std::string& path) {
    const auto bytes = ReadWholeFile(platform::ToFileSystemPath(path));
    if (!bytes) {
        FileError(path);
        return false;
    }
    s_.currentFile = path;
    ResetHistory();
    history_.IsRestoring = true;
    s_.view.ClearText();
    s_.view.LoadText(*bytes);
    history_.IsRestoring = false;
    history_.SetBase(s_.view.Snapshot());
    return true;
}

bool EditorSession::SaveText() {
    if (s_.currentFile.empty()) {
        const std::string path = s_.dialogs.ShowSaveDialog(
            std::string(NodFilter), std::string(NodExtension), std::string(SaveTitle));
        if (path.empty()) {
            return false;
        }
        if (s_.host != nullptr) {
            s_.host->SetFileField(path);
        }
        s_.currentFile = path;
    }
    SetCaptionFor(s_.host != nullptr ? s_.host->FileField() : s_.currentFile);
    const std::string resolved = ResolveConversionPath(s_.currentFile, s_.folders);
    if (!WriteTo(resolved)) {
        return false;
    }
    Saved();
    return true;
}

bool EditorSession::SaveTextAs() {
    const std::string path = s_.dialogs.ShowSaveDialog(
        std::string(NodFilter), std::string(NodExtension), std::string(SaveTitle));
    if (path.empty()) {
        return false;
    }
    s_.currentFile = path;
    if (s_.host != nullptr) {
        s_.host->SetFileField(path);
    }
    SetCaptionFor(s_.currentFile);
    if (!WriteTo(path)) {
        return false;
    }
    Saved();
    return true;
}

void EditorSession::ChooseRecent(int slot) {
    // Loading another file drops the changes: ask first, as New does.
    if (history_.IsDirty == 1) {
        const Answer answer = AskSave();
        if (answer == Answer::Cancel || (answer == Answer::Yes && !SaveText())) {
            return;
        }
    }
    const std::string path = recent_.Stored(slot);
    if (!LoadFile(path)) {
        return;
    }
    SetCaptionFor(s_.currentFile);
    history_.IsDirty = 0;
    recent_.salastused(s_.currentFile);
}

bool EditorSession::Closing() {
    auto release = [this] {
        if (s_.host != nullptr) {
            s_.host->SetHostEnabled(true);
        }
    };
    // An unnamed text that holds something is not dropped without the question.
    const bool unnamedText =
        s_.currentFile.empty() && history_.IsDirty == 1 && !s_.view.TextForFile().bytes.empty();
    if (s_.currentFile.empty() && !unnamedText) {
        release();
        return true;
    }
    if (history_.IsDirty == 1) {
        const Answer answer = AskSave();
        if (answer == Answer::Cancel) {
            return false;
        }
        if (answer == Answer::No) {
            release();
            return true;
        }
        // A save that was cancelled or failed keeps the window and its text.
        if (!SaveText()) {
            return false;
        }
    }
    if (!s_.validator.Validate(s_.currentFile)) {
        return false;
    }
    if (s_.host != nullptr) {
        s_.host->SetHostEnabled(true);
        std::string path = s_.currentFile;
        s_.host->SetNameField(s_.validator.Title(path));
        if (s_.host->FileField().empty()) {
            s_.host->DisableEditButton();
        }
    }
    return true;
}

bool EditorSession::LoadTextFile(const std::string& path) {
    const auto bytes = ReadWholeFile(platform::ToFileSystemPath(path));
    if (!bytes) {
        return false;
    }
    history_.IsRestoring = true;
    s_.view.LoadText(*bytes);
    history_.IsRestoring = false;
    history_.MarkDirty();
    history_.SetBase(s_.view.Snapshot());
    SetCaptionFor(path);
    return true;
}

bool EditorSession::WriteTo(const std::string& path) {
    FileText text = s_.view.TextForFile();
    if (!text.writable) {
        s_.sink.Show(Message{MessageIcon::Exclamation,
                             MessageButtons::Ok,
                             {},
                             "The character " + text.badCharacter + " on line " +
                                 std::to_string(text.badLine) +
                                 " cannot be written in this file's character set "
                                 "(Windows-1252). Nothing was written to " +
                                 path + "."});
        return false;
    }
    // A text that ends with a line break is written as it stands, so
    // opening and saving a file does not grow it.
    if (!EndsWithLineBreak(text.bytes)) {
        text.bytes += "\r\n";
    }
    if (!WriteFileAtomically(platform::ToFileSystemPath(path), text.bytes)) {
        FileError(s_.currentFile);
        return false;
    }
    return true;
}

void EditorSession::FileError(const std::string& path) {
    s_.sink.Show(
        Message{MessageIcon::None, MessageButtons::Ok, {}, path + " " + s_.texts.Get(101)});
}

void EditorSession::SetCaptionFor(const std::string& name) {
    s_.view.SetCaption(s_.editorTitle + " - " + name);
}

void EditorSession::ResetHistory() {
    history_.ResetHistory();
    s_.view.SetUndoRedoEnabled(false);
}

void EditorSession::Saved() {
    history_.IsDirty = 0;
    recent_.salastused(s_.currentFile);
}

} // namespace ombrix
