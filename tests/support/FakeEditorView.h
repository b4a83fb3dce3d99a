#pragma once
// The editor window as its rules see it, over a plain string, and a
// properties dialog standing in as the editor's host.

#include "editor/rules/EditorHost.h"
#include "editor/rules/EditorSession.h"
#include "editor/rules/EditorView.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ombrix::testing {

class FakeEditorView : public EditorView {
public:
    std::string text;
    std::string caption;
    bool undoRedo = false;
    std::map<int, std::string> recent; // slot -> caption
    std::function<void()> changed;     // the session's TextChanged
    // A character the file's code page lacks, at this line; 0 for none.
    int badLine = 0;

    // Typing: the text changes and the window reports it.
    void Type(const std::string& more) {
        text += more;
        Changed();
    }
    void LoadText(const std::string& bytes) override { Set(text + bytes); }
    void ClearText() override { Set({}); }
    std::string Snapshot() const override { return text; }
    void Restore(const std::string& snapshot) override { Set(snapshot); }
    FileText TextForFile() const override {
        if (badLine != 0) {
            return FileText{{}, false, badLine, "U+4E2D"};
        }
        return FileText{text, true, 0, {}};
    }
    void SetCaption(const std::string& c) override { caption = c; }
    void SetUndoRedoEnabled(bool on) override { undoRedo = on; }
    void ShowRecent(int slot, const std::string& c) override { recent[slot] = c; }

private:
    void Set(const std::string& t) {
        if (t != text) {
            text = t;
            Changed();
        }
    }
    void Changed() {
        if (changed) {
            changed();
        }
    }
};

class FakeEditorHost : public EditorHost {
public:
    std::string fileField;
    std::string nameField;
    bool editButton = true;
    std::vector<bool> enabled;
    std::string FileField() const override { return fileField; }
    void SetFileField(const std::string& p) override { fileField = p; }
    void SetNameField(const std::string& t) override { nameField = t; }
    void DisableEditButton() override { editButton = false; }
    void SetHostEnabled(bool on) override { enabled.push_back(on); }
};

} // namespace ombrix::testing
