#pragma once
// The Edit menu's items, acting on whichever of the two value fields is
// active: cut, copy, paste, delete, select all and delete all.

#include <QObject>

class QAction;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace ombrix {

class Clipboard;

struct ValueFields {
    QLineEdit* text1;
    QLineEdit* text2;
    QRadioButton* option1; // Text1 is active
    QRadioButton* option2; // Text2 is active
};

class FieldEditActions : public QObject {
    Q_OBJECT
public:
    // Fills `menu` with the items.
    FieldEditActions(QMenu& menu, ValueFields fields, Clipboard& clipboard);

    // A click in a field decides which items may be used.
    void FieldClicked(const QLineEdit& field);
    // Lets the menu's shortcuts act on a field instead of the field's own keys.
    // Del stays the field's own: with a selection it does what the Delete item
    // does, and without one it must still delete the next character.
    static bool IsEditShortcut(const QKeyEvent& key);

private:
    QLineEdit* ActiveField() const;
    void FollowSelection();
    void Copy();
    void Cut();
    void Delete();
    void Paste();
    void SelectAll();
    void DeleteAll();

    ValueFields fields_;
    Clipboard& clipboard_;
    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QAction* delete_;
    QAction* selectAll_;
    QAction* deleteAll_;
};

} // namespace ombrix
