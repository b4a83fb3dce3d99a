#pragma once
// The intro dialog: the loaded conversion's intro text, with a check box
// for the intro option. Shown without waiting; the main window is disabled
// while it is open.

#include "settings/dialogs/DialogServices.h"
#include "settings/dialogs/rules/IntroRules.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ombrix {

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(DialogServices services);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DialogServices s_;
    IntroRules rules_;

    QLabel* text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace ombrix
