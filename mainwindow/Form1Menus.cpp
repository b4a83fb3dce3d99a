// The main window's menus: the Edit items on the active value field, the
// window options, the tools, help, the links and the about box.
#include "mainwindow/Form1.h"

#include "guikit/frmAbout.h"
#include "guikit/rules/HelpLauncher.h"
#include "mainwindow/rules/EditMenu.h"
#include "mainwindow/tray1.h"
#include "platform/qt/Win1252.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <functional>
#include <utility>

namespace ombrix {

void Form1::ConnectMenus() {
    connect(openconv, &QAction::triggered, this, &Form1::OpenConversion);
    connect(Exit, &QAction::triggered, this, &QWidget::close);

    connect(ecopy, &QAction::triggered, this, &Form1::ecopy_Click);
    connect(ecut, &QAction::triggered, this, &Form1::ecut_Click);
    connect(Delete, &QAction::triggered, this, &Form1::Delete_Click);
    connect(epaste, &QAction::triggered, this, &Form1::epaste_Click);
    connect(eselect, &QAction::triggered, this, &Form1::eselect_Click);
    connect(delall, &QAction::triggered, this, &Form1::delall_Click);
    for (QLineEdit* field : {Text1, Text2}) {
        connect(field, &QLineEdit::textChanged, this,
                [this] { delall->setEnabled(DeleteAllEnabled(FieldText(1), FieldText(2))); });
    }

    connect(Switchclick, &QAction::triggered, this, [this] { panel_.Switchclick(); });
    // Qt flips a check mark before the handler runs; the handlers decide it
    // from the state before the click, so the flip is undone first.
    const std::pair<QAction*, std::function<void()>> options[] = {
        {Altop, [this] { config_.Altop_Click(); }},
        {Indo, [this] { config_.Indo_Click(); }},
        {Mtray, [this] { tray_->Rules().Mtray_Click(); }},
        {startup, [this] { config_.startup_Click(); }}};
    for (const auto& [item, handler] : options) {
        connect(item, &QAction::triggered, this, [item, handler](bool checked) {
            item->setChecked(!checked);
            handler();
        });
    }

    connect(Wizard, &QAction::triggered, this, [this] { s_.tools.wizard.Show(); });
    connect(cal, &QAction::triggered, this, [this] { s_.tools.calculator.Show(); });
    connect(Opties, &QAction::triggered, this, [this] { s_.dialogs.ShowOptions(); });

    ShellOpener& shell = s_.shell;
    const LinkTargets& links = s_.links;
    connect(Help2, &QAction::triggered, this,
            [this, &shell, &links] { ShowHelp(links.HelpTarget, s_.folders.program, shell); });
    // An address needs no working folder.
    connect(help1, &QAction::triggered, this,
            [&shell, &links] { shell.Open(BugReportText(links.BugReportTarget), {}); });
    connect(urllaunch, &QAction::triggered, this,
            [&shell, &links] { shell.Open(links.WebLinkTarget, {}); });
    connect(Donate, &QAction::triggered, this,
            [&shell, &links] { shell.Open(links.DonateTarget, {}); });
    connect(About, &QAction::triggered, this, &Form1::About_Click);
}

QLineEdit* Form1::ActiveField() const {
    switch (ombrix::ActiveField(Option1->isChecked(), Option2->isChecked())) {
    case 1:
        return Text1;
    case 2:
        return Text2;
    default:
        return nullptr;
    }
}

void Form1::ecopy_Click() {
    QLineEdit* field = ActiveField();
    if (field == nullptr || !field->hasSelectedText()) {
        return;
    }
    s_.clipboard.Clear();
    s_.clipboard.SetText(platform::ToWin1252(field->selectedText()));
}

void Form1::ecut_Click() {
    ecopy_Click();
    Delete_Click();
}

void Form1::Delete_Click() {
    QLineEdit* field = ActiveField();
    if (field == nullptr || !field->hasSelectedText()) {
        return;
    }
    const int start = field->selectionStart();
    QString text = field->text();
    text.remove(start, field->selectedText().size());
    field->setText(text);
    field->setCursorPosition(start);
}

void Form1::epaste_Click() {
    // The clipboard's text replaces the whole field, not only the selection.
    if (QLineEdit* field = ActiveField()) {
        field->setText(platform::FromWin1252(s_.clipboard.Text()));
    }
}

void Form1::eselect_Click() {
    if (QLineEdit* field = ActiveField()) {
        field->setFocus();
        field->selectAll();
    }
}

void Form1::delall_Click() {
    Text1->clear();
    Text2->clear();
}

void Form1::FieldClicked(QLineEdit* field) {
    const EditItemStates states = StatesAfterFieldClick(
        !s_.clipboard.Text().empty(), static_cast<int>(field->selectedText().size()));
    epaste->setEnabled(states.paste);
    ecopy->setEnabled(states.copy);
    ecut->setEnabled(states.cut);
    Delete->setEnabled(states.del);
}

bool Form1::IsEditShortcut(const QKeyEvent* key) {
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& item :
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_C),
          QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::CTRL | Qt::Key_A)}) {
        if (pressed == item) {
            return true;
        }
    }
    return false;
}

void Form1::About_Click() {
    if (about_ != nullptr) {
        about_->raise();
        about_->activateWindow();
        return;
    }
    about_ = new frmAbout({owners_, s_.language, s_.registry, s_.starter, s_.messages, "Quavomat"},
                          false);
    about_->show();
}

} // namespace ombrix
