#pragma once
// The keypad calculator window. It has no display of its own: its keys work
// on the main window's value fields through the keypad rules, which decide
// everything; the window turns clicks and typed characters into their calls.

#include "base/MessageSink.h"
#include "base/MessageTexts.h"
#include "calculator/rules/Keypad.h"
#include "guikit/rules/WindowLanguage.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace ombrix {

struct StandardServices {
    CalculatorHost& host;
    NumberText& numbers;
    MessageSink& messages;
    const MessageTexts& texts;
    Beeper& beeper;
    Clipboard& clipboard;
    WindowLanguage& language;
};

class standard : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs its load: texts, the open flag, the decimal
    // key's caption, the topmost rule, fresh registers, the clipboard emptied.
    explicit standard(StandardServices services);

    // Shown, raised and active.
    void ShowWindow();
    void HideWindow() { hide(); }
    void SetTopmost(bool on);
    void ReloadTexts();
    // Closed by the user or the program; a closed window is not shown again.
    bool Closed() const { return closed_; }

    const Keypad& Keys() const { return keys_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildKeys();
    QPushButton* MakeKey(const QString& name, const QString& caption, int column, int row,
                         int columns = 1, int rows = 1);
    // Runs a key's rule, then brings the memory status up to date.
    template <typename Rule> void Press(Rule rule);
    void ApplyTopmostRule();

    StandardServices s_;
    Keypad keys_;
    bool closed_ = false;

    // Controls, named as designed; arrays are named with their index ("Command1_10").
    QFrame* Frame1 = nullptr;
    std::array<QPushButton*, 11> Command1{};
    std::array<QPushButton*, 9> Command2{};
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    std::array<QPushButton*, 6> Command7{}; // indexes 2 and 3 are unused
    QPushButton* Convert = nullptr;
    QLabel* Memory = nullptr;
    QLineEdit* Memorystatus = nullptr;
    QMenu* edit = nullptr;
    QAction* eexit = nullptr;
};

} // namespace ombrix
