#pragma once
// Turns an editable list's text into a type-ahead search over its entries:
// typed characters search instead of being inserted, Escape clears, Delete
// empties, and a found entry is selected and reported. Any window's list can
// carry one.

#include <QObject>

#include <functional>

class QComboBox;
class QKeyEvent;

namespace ombrix {

class Beeper;

class ListTypeAhead : public QObject {
    Q_OBJECT
public:
    struct Style {
        bool dropsDown = false;      // a search opens the drop-down part
        bool selectsOnFocus = false; // gaining focus selects the whole text
    };
    // selected: told the index of the entry a search selected.
    ListTypeAhead(QComboBox& list, Beeper& beeper, Style style, std::function<void(int)> selected);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Key(const QKeyEvent* key);

    QComboBox& list_;
    Beeper& beeper_;
    Style style_;
    std::function<void(int)> selected_;
};

} // namespace ombrix
