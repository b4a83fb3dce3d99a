#pragma once
// The editor window for conversion definition files: one plain-text box, the
// File, Edit and Help menus, find and replace. Its rules decide everything;
// the window turns menu commands and text changes into their calls. Hosted
// by the conversion properties dialog in the main program, or the
// stand-alone program's only window.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "base/Registry.h"
#include "editor/FindReplaceDialog.h"
#include "editor/TextBoxAdapter.h"
#include "editor/rules/EditorSession.h"
#include "editor/rules/FindRules.h"
#include "editor/rules/TextCommands.h"
#include "services/Clipboard.h"
#include "services/FileDialogs.h"
#include "services/ShellOpener.h"
#include "settings/LanguageFile.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace ombrix {

struct EditorWindowServices {
    MessageSink& sink;
    const MessageTexts& texts;
    FileDialogs& dialogs;
    Registry& registry;
    Clipboard& clipboard;
    ShellOpener& shell;
    FileValidator& validator;
    std::string& currentFile; // outlives the window
    const LinkTargets& links;
    FindDialogSlot& findSlot; // one find or replace dialog a program
    platform::ProgramFolders folders;
    // The language file's texts of window 8, loaded by the caller.
    std::vector<WindowText> windowTexts;
    // Opens the about box as the editor's (not modal, nothing disabled).
    std::function<void()> openAbout;
    EditorHost* host = nullptr; // the properties dialog; null in the stand-alone program
};

class Editor : public QMainWindow {
    Q_OBJECT
public:
    explicit Editor(EditorWindowServices services);
    ~Editor() override;

    // Hosted: opens the host's file. Stand-alone: opens the command line's file.
    void OpenHosted();
    void OpenStandalone(const std::string& commandLine);

    EditorSession& Session() { return *session_; }
    const std::string& EditorTitle() const { return editorTitle_; }
    FindReplaceDialog* OpenFindDialog() const { return s_.findSlot.Dialog(); }

    // The menu commands, as the menu items run them.
    void ShowFindDialog(bool replace, const std::string& replacement);
    void FindNextCommand();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class View;
    void BuildMenus();
    void ApplyTexts();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {});
    void UpdateEditMenu();
    void Edit(const TextEdit& edit);
    Selection CurrentSelection() const;

    EditorWindowServices s_;
    std::string editorTitle_;
    QPlainTextEdit* Text1 = nullptr;
    TextBoxAdapter box_;
    std::unique_ptr<View> view_;
    std::unique_ptr<EditorSession> session_;
    FindRules findRules_;

    QMenu* file = nullptr;
    QMenu* edit = nullptr;
    QMenu* help = nullptr;
    QAction* line1 = nullptr;
    std::array<QAction*, 3> lastused{};
    QAction* undo = nullptr;
    QAction* Redoclick = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* Delete = nullptr;
};

} // namespace ombrix
