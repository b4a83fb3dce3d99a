#include "mainwindow/FieldEditActions.h"

#include "mainwindow/rules/EditMenu.h"
#include "platform/qt/Win1252.h"
#include "services/Clipboard.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace ombrix {

using platform::FromWin1252;
using platform::ToWin1252;

namespace {

QAction* Item(QMenu& menu, const char* name, const char* caption, const QKeySequence& keys) {
    auto* action = new QAction(QString::fromLatin1(caption), &menu);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    menu.addAction(action);
    return action;
}

} // namespace

FieldEditActions::FieldEditActions(QMenu& menu, ValueFields fields, Clipboard& clipboard)
    : QObject(&menu), fields_(fields), clipboard_(clipboard),
      cut_(Item(menu, "ecut", "cut", QKeySequence(Qt::CTRL | Qt::Key_X))),
      copy_(Item(menu, "ecopy", "copy", QKeySequence(Qt::CTRL | Qt::Key_C))),
      paste_(Item(menu, "epaste", "paste", QKeySequence(Qt::CTRL | Qt::Key_V))),
      delete_(Item(menu, "Delete", "Delete", QKeySequence(Qt::Key_Delete))),
      selectAll_(Item(menu, "eselect", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A))),
      deleteAll_(Item(menu, "delall", "Delete All ", {})) {
    deleteAll_->setEnabled(false);
    connect(copy_, &QAction::triggered, this, &FieldEditActions::Copy);
    connect(cut_, &QAction::triggered, this, &FieldEditActions::Cut);
    connect(delete_, &QAction::triggered, this, &FieldEditActions::Delete);
    connect(paste_, &QAction::triggered, this, &FieldEditActions::Paste);
    connect(selectAll_, &QAction::triggered, this, &FieldEditActions::SelectAll);
    connect(deleteAll_, &QAction::triggered, this, &FieldEditActions::DeleteAll);
    for (QRadioButton* option : {fields_.option1, fields_.option2}) {
        connect(option, &QRadioButton::toggled, this, &FieldEditActions::FollowSelection);
    }
    for (QLineEdit* field : {fields_.text1, fields_.text2}) {
        connect(field, &QLineEdit::selectionChanged, this, &FieldEditActions::FollowSelection);
        connect(field, &QLineEdit::textChanged, this, [this] {
            deleteAll_->setEnabled(DeleteAllEnabled(ToWin1252(fields_.text1->text()),
                                                    ToWin1252(fields_.text2->text())));
        });
    }
}

void FieldEditActions::FollowSelection() {
    const QLineEdit* field = ActiveField();
    const bool enabled =
        CopyAndCutEnabled(field == nullptr ? 0 : static_cast<int>(field->selectedText().size()));
    copy_->setEnabled(enabled);
    cut_->setEnabled(enabled);
}

QLineEdit* FieldEditActions::ActiveField() const {
    switch (ombrix::ActiveField(fields_.option1->isChecked(), fields_.option2->isChecked())) {
    case 1:
        return fields_.text1;
    case 2:
        return fields_.text2;
    default:
        return nullptr;
    }
}

void FieldEditActions::Copy() {
    QLineEdit* field = ActiveField();
    if (field == nullptr || !field->hasSelectedText()) {
        return;
    }
    clipboard_.Clear();
    clipboard_.SetText(ToWin1252(field->selectedText()));
}

void FieldEditActions::Cut() {
    Copy();
    Delete();
}

void FieldEditActions::Delete() {
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

void FieldEditActions::Paste() {
    // The clipboard's text replaces the whole field, not only the selection.
    if (QLineEdit* field = ActiveField()) {
        field->setText(FromWin1252(clipboard_.Text()));
    }
}

void FieldEditActions::SelectAll() {
    if (QLineEdit* field = ActiveField()) {
        field->setFocus();
        field->selectAll();
    }
}

void FieldEditActions::DeleteAll() {
    fields_.text1->clear();
    fields_.text2->clear();
}

void FieldEditActions::FieldClicked(const QLineEdit& field) {
    const EditItemStates states = StatesAfterFieldClick(
        !clipboard_.Text().empty(), static_cast<int>(field.selectedText().size()));
    paste_->setEnabled(states.paste);
    copy_->setEnabled(states.copy);
    cut_->setEnabled(states.cut);
    delete_->setEnabled(states.del);
}

bool FieldEditActions::IsEditShortcut(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    for (const QKeySequence& item :
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_C),
          QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::CTRL | Qt::Key_A)}) {
        if (pressed == item) {
            return true;
        }
    }
    return false;
}

} // namespace ombrix
