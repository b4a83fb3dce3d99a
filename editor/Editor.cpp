#include "editor/Editor.h"

#include "editor/rules/TextCommands.h"
#include "guikit/Twips.h"
#include "guikit/WindowTexts.h"
#include "guikit/rules/HelpLauncher.h"
#include "platform/qt/Win1252.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ombrix {

// The window as the session sees it.
class Editor::View : public EditorView {
public:
    explicit View(Editor& window) : w_(window) {}
    void LoadText(const std::string& bytes) override { w_.box_.LoadText(bytes); }
    void ClearText() override { w_.box_.ClearText(); }
    std::string Snapshot() const override { return w_.box_.Snapshot(); }
    void Restore(const std::string& snapshot) override { w_.box_.Restore(snapshot); }
    FileText TextForFile() const override { return w_.box_.TextForFile(); }
    void SetCaption(const std::string& caption) override {
        w_.setWindowTitle(platform::FromWin1252(caption));
    }
    void SetUndoRedoEnabled(bool enabled) override {
        w_.undo->setEnabled(enabled);
        w_.Redoclick->setEnabled(enabled);
    }
    void ShowRecent(int slot, const std::string& caption) override {
        QAction* item = w_.lastused[static_cast<std::size_t>(slot - 1)];
        item->setText(platform::FromWin1252(caption));
        item->setVisible(true);
        w_.line1->setVisible(true);
    }

private:
    Editor& w_;
};

Editor::Editor(EditorWindowServices services)
    : s_(std::move(services)), Text1(new QPlainTextEdit(this)), box_(*Text1),
      view_(std::make_unique<View>(*this)), findRules_(s_.sink, s_.texts) {
    setObjectName(QStringLiteral("Editor"));
    setWindowTitle(QStringLiteral("Editor - "));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    Text1->setParent(client);
    // The box fills the client area. The designed margins of 120 and 689
    // twips on the outer window are that platform's frame, title and menu
    // bar, which the client area here already leaves out.
    auto* fill = new QVBoxLayout(client);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Text1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setWordWrapMode(QTextOption::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Undo and redo are the window's own 51 snapshots.
    Text1->setUndoRedoEnabled(false);
    Text1->installEventFilter(this);

    BuildMenus();
    ApplyTexts();

    session_ = std::make_unique<EditorSession>(
        EditorServices{*view_, s_.sink, s_.texts, s_.dialogs, s_.registry, s_.validator,
                       s_.currentFile, editorTitle_, s_.folders, s_.host});
    connect(Text1->document(), &QTextDocument::contentsChanged, this,
            [this] { session_->TextChanged(); });
    resize(Px(9000), Px(6500));
}

Editor::~Editor() = default;

QAction* Editor::AddItem(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

void Editor::BuildMenus() {
    const bool standalone = s_.host == nullptr;
    file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("file"));
    connect(AddItem(file, "new", QStringLiteral("New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, [this] { session_->New(); });
    connect(AddItem(file, "open", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { session_->OpenText(); });
    connect(AddItem(file, "save", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { session_->SaveText(); });
    connect(AddItem(file, "SaveAs", QStringLiteral("Save As")), &QAction::triggered, this,
            [this] { session_->SaveTextAs(); });
    line1 = file->addSeparator();
    line1->setObjectName(QStringLiteral("line1"));
    line1->setVisible(false);
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "lastused_" + std::to_string(i);
        QAction* item = AddItem(file, name.c_str(), QStringLiteral("&%1").arg(i));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { session_->ChooseRecent(i); });
        lastused[static_cast<std::size_t>(i - 1)] = item;
    }
    file->addSeparator()->setObjectName(QStringLiteral("line"));
    connect(AddItem(file, "close", QStringLiteral("Exit")), &QAction::triggered, this,
            &QWidget::close);

    edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("edit"));
    connect(edit, &QMenu::aboutToShow, this, &Editor::UpdateEditMenu);
    undo = AddItem(edit, standalone ? "Undoclick" : "UndoClick", QStringLiteral("Undo"),
                   QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(false);
    connect(undo, &QAction::triggered, this, [this] { session_->Undo(); });
    Redoclick = AddItem(edit, "Redoclick", QStringLiteral("Redo"));
    Redoclick->setEnabled(false);
    connect(Redoclick, &QAction::triggered, this, [this] { session_->Redo(); });
    edit->addSeparator()->setObjectName(standalone ? QStringLiteral("sep61")
                                                   : QStringLiteral("sep_2"));
    cut = AddItem(edit, "cut", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(cut, &QAction::triggered, this,
            [this] { Edit(CutEdit(box_.Text(), CurrentSelection())); });
    copy = AddItem(edit, "copy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy, &QAction::triggered, this, [this] {
        s_.clipboard.Clear();
        s_.clipboard.SetText(SelectedText(box_.Text(), CurrentSelection()));
    });
    paste = AddItem(edit, "paste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    paste->setEnabled(false);
    connect(paste, &QAction::triggered, this,
            [this] { Edit(PasteEdit(CurrentSelection(), s_.clipboard.Text())); });
    Delete = AddItem(edit, "Delete", QStringLiteral("Delete"), QKeySequence(Qt::Key_Delete));
    connect(Delete, &QAction::triggered, this, [this] { Edit(DeleteEdit(CurrentSelection())); });
    edit->addSeparator()->setObjectName(standalone ? QStringLiteral("sep")
                                                   : QStringLiteral("sep1"));
    connect(
        AddItem(edit, "eselect", QStringLiteral("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A)),
        &QAction::triggered, this, [this] { Text1->selectAll(); });
    edit->addSeparator()->setObjectName(QStringLiteral("se4"));
    connect(AddItem(edit, "mnufind", QStringLiteral("Find"), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, [this] { ShowFindDialog(false, {}); });
    if (standalone) {
        connect(AddItem(edit, "findnext", QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3)),
                &QAction::triggered, this, &Editor::FindNextCommand);
    }
    connect(
        AddItem(edit, "mnureplace", QStringLiteral("Replace"), QKeySequence(Qt::CTRL | Qt::Key_H)),
        &QAction::triggered, this,
        [this] { ShowFindDialog(true, std::string(DefaultReplaceText)); });

    help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("help"));
    connect(AddItem(help, "help2", QStringLiteral("Help"), QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this,
            [this] { ShowHelp(s_.links.HelpTarget, s_.folders.program, s_.shell); });
    connect(AddItem(help, "help1", QStringLiteral("Bugreports")), &QAction::triggered, this,
            [this] { s_.shell.Open(BugReportText(s_.links.BugReportTarget), "c:\\"); });
    connect(AddItem(help, "help0", QStringLiteral("www.quavomat.example")), &QAction::triggered,
            this, [this] { s_.shell.Open(s_.links.WebLinkTarget, "c:\\"); });
    connect(AddItem(help, "about", QStringLiteral("About")), &QAction::triggered, this, [this] {
        if (s_.openAbout) {
            s_.openAbout();
        }
    });
}

void Editor::ApplyTexts() {
    std::vector<ControlText> captions;
    for (const WindowText& t : s_.windowTexts) {
        if (t.owner != "Editor") {
            continue;
        }
        if (t.property == TextProperty::Text && t.target == "EditorTitle") {
            editorTitle_ = t.text;
        } else if (t.property == TextProperty::Caption) {
            // The stand-alone program names its Undo item a little differently.
            const bool undoItem = t.target == "UndoClick";
            captions.push_back({undoItem ? undo->objectName().toStdString() : t.target,
                                ControlText::Kind::Caption, t.text});
        }
    }
    ApplyWindowTexts(*this, captions);
}

void Editor::OpenHosted() {
    session_->OpenHosted();
}

void Editor::OpenStandalone(const std::string& commandLine) {
    session_->OpenStandalone(commandLine);
}

Selection Editor::CurrentSelection() const {
    return Selection{box_.SelStart(), box_.SelLength()};
}

void Editor::UpdateEditMenu() {
    const EditMenuState state = EditMenuOnOpening(CurrentSelection(), s_.clipboard.Text());
    paste->setEnabled(state.paste);
    cut->setEnabled(state.cut);
    copy->setEnabled(state.copy);
    Delete->setEnabled(state.del);
}

void Editor::Edit(const TextEdit& change) {
    if (change.clipboard) {
        s_.clipboard.Clear();
        s_.clipboard.SetText(*change.clipboard);
    }
    box_.ReplaceRange(change.start, change.length, change.insert, change.caretAfter);
}

void Editor::ShowFindDialog(bool replace, const std::string& replacement) {
    if (s_.findSlot.Open()) {
        return;
    }
    const std::string selected = SelectedText(box_.Text(), CurrentSelection());
    const std::string find = selected.empty() ? std::string(DefaultFindText) : selected;
    auto* dialog = new FindReplaceDialog(this, replace, InitialFindFlags, find, replacement);
    s_.findSlot.Take(dialog);
    connect(dialog, &FindReplaceDialog::Notified, this,
            [this](const std::string& f, const std::string& r, std::uint32_t flags) {
                if ((flags & FindFlag::DialogTerm) != 0) {
                    Text1->setFocus();
                    return;
                }
                findRules_.Handle(box_, f, r, flags);
            });
    connect(dialog, &FindReplaceDialog::HelpRequested, this,
            [this] { ShowHelp(s_.links.HelpTarget, s_.folders.program, s_.shell); });
    dialog->show();
}

void Editor::FindNextCommand() {
    ShowFindDialog(true, std::string(FindNextReplaceText));
}

void Editor::closeEvent(QCloseEvent* event) {
    if (!session_->Closing()) {
        event->ignore();
        return;
    }
    if (FindReplaceDialog* dialog = s_.findSlot.Dialog();
        dialog != nullptr && dialog->parent() == this) {
        dialog->close();
    }
    event->accept();
}

bool Editor::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Z belongs to the window's Undo item, not to the text box.
    if (watched == Text1 && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace ombrix
