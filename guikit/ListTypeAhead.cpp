#include "guikit/ListTypeAhead.h"

#include "guikit/rules/TypeAhead.h"
#include "platform/qt/Win1252.h"
#include "services/Beeper.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

using platform::ToWin1252;

namespace {

// What a key event types into a list: nothing for keys without a character,
// else the character as a Windows-1252 byte (unset when the code page lacks it).
struct Typed {
    bool character = false;
    std::optional<char> byte;
};

Typed TypedCharacter(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {true, KeyEnter};
    case Qt::Key_Escape:
        return {true, KeyEscape};
    case Qt::Key_Backspace:
        return {true, KeyBackspace};
    default:
        break;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        return {};
    }
    bool lossless = false;
    const std::string byte = ToWin1252(text, &lossless);
    return {true, lossless ? std::optional<char>(byte.front()) : std::nullopt};
}

// The text a focus event concerns: the watched line edit, or the list's own
// when the list itself is watched. A list being destroyed is no longer a
// combo box, yet it and its line edit still send focus events, so the list
// is never asked through the reference kept.
QLineEdit* TextOf(QObject* watched) {
    if (auto* line = qobject_cast<QLineEdit*>(watched)) {
        return line;
    }
    if (auto* list = qobject_cast<QComboBox*>(watched)) {
        return list->lineEdit();
    }
    return nullptr;
}

} // namespace

ListTypeAhead::ListTypeAhead(QComboBox& list, Beeper& beeper, Style style,
                             std::function<void(int)> selected)
    : QObject(&list), list_(list), beeper_(beeper), style_(style), selected_(std::move(selected)) {
    // On a real display the keys and the focus reach the list itself, which
    // hands them to its text directly, past any filter on the text; tests
    // and input methods may send them to the text. Both are watched.
    list_.installEventFilter(this);
    list_.lineEdit()->installEventFilter(this);
    if (style_.dropsDown) {
        list_.view()->installEventFilter(this);
    }
}

bool ListTypeAhead::eventFilter(QObject* watched, QEvent* event) {
    QLineEdit* line = TextOf(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (line != nullptr && style_.selectsOnFocus) {
            line->selectAll();
        }
        return false;
    case QEvent::FocusOut:
        if (line != nullptr) {
            line->deselect();
        }
        return false;
    case QEvent::KeyPress:
        return Key(static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

bool ListTypeAhead::Key(const QKeyEvent* key) {
    QLineEdit* line = list_.lineEdit();
    if (key->key() == Qt::Key_Delete) {
        line->clear();
        return true;
    }
    const Typed typed = TypedCharacter(key);
    if (!typed.character) {
        return false; // navigation, Tab and shortcuts keep their usual meaning
    }
    if (!typed.byte) {
        beeper_.Beep(); // no entry can hold this character
        return true;
    }
    std::vector<std::string> items;
    for (int i = 0; i < list_.count(); ++i) {
        items.push_back(ToWin1252(list_.itemText(i)));
    }
    const std::string text = ToWin1252(line->text());
    const auto caret = static_cast<std::size_t>(line->cursorPosition());
    const TypeAheadAction action =
        TypeAhead(items, text, caret, list_.currentIndex() >= 0, *typed.byte);
    const bool open = list_.view()->isVisible();
    switch (action.kind) {
    case TypeAheadAction::Kind::SelectWholeText:
        if (open) {
            list_.hidePopup();
        }
        line->setCursorPosition(0);
        line->selectAll();
        break;
    case TypeAheadAction::Kind::ClearText:
        if (open) {
            list_.hidePopup();
        }
        line->clear();
        break;
    case TypeAheadAction::Kind::NoMatch:
        if (style_.dropsDown && !open) {
            list_.showPopup();
        }
        beeper_.Beep();
        break;
    case TypeAheadAction::Kind::Match: {
        if (style_.dropsDown && !open) {
            list_.showPopup();
        }
        list_.setCurrentIndex(action.index);
        selected_(action.index);
        // The selection may have removed entries; show what the list holds now.
        const QString shown = list_.currentText();
        line->setText(shown);
        const int end = static_cast<int>(shown.size());
        const int caretAt = std::min(static_cast<int>(action.caret), end);
        line->setSelection(end, caretAt - end);
        break;
    }
    }
    return true;
}

} // namespace ombrix
