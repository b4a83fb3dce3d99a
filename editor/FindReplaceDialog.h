#pragma once
// The modeless find and replace dialog: the find text, for Replace the
// replacement, whole word, match case and, for Find, the direction. Each
// button press is reported through Notified with the dialog's flags; closing
// reports the closing flag. At most one is open in a program at a time.

#include <QDialog>
#include <QPointer>

#include <cstdint>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ombrix {

class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    FindReplaceDialog(QWidget* owner, bool replace, std::uint32_t flags, const std::string& find,
                      const std::string& replacement);

    // The flags of the controls' current state, without a button's flag.
    std::uint32_t Flags() const;

signals:
    // find and replacement are Windows-1252.
    void Notified(const std::string& find, const std::string& replacement, std::uint32_t flags);
    void HelpRequested();

protected:
    void done(int result) override;

private:
    void Report(std::uint32_t button);

    bool replace_;
    bool closed_ = false;
    QLineEdit* findWhat = nullptr;
    QLineEdit* replaceWith = nullptr;
    QCheckBox* wholeWord = nullptr;
    QCheckBox* matchCase = nullptr;
    QRadioButton* up = nullptr;
    QRadioButton* down = nullptr;
    QPushButton* findNext = nullptr;
    QPushButton* replaceOne = nullptr;
    QPushButton* replaceAll = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* cancel = nullptr;
};

// The one dialog of a program: a second request while it is open does nothing.
class FindDialogSlot {
public:
    bool Open() const { return !dialog_.isNull(); }
    // False, and nothing made, when a dialog is already open.
    bool Take(FindReplaceDialog* dialog);
    FindReplaceDialog* Dialog() const { return dialog_.data(); }

private:
    QPointer<FindReplaceDialog> dialog_;
};

} // namespace ombrix
