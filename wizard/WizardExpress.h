#pragma once
// The wizard window: converts the table on the clipboard with the current
// conversion. The rules decide; the window shows the status and the units,
// and feeds a large table to the converter in pieces so it stays responsive.

#include "guikit/rules/WindowLanguage.h"
#include "wizard/rules/WizardRules.h"

#include <QMainWindow>

#include <unordered_set>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QTimer;

namespace ombrix {

struct WizardExpressServices {
    WizardHost& host;
    Engine& engine;
    Registry& registry;
    Clipboard& clipboard;
    MessageGate& errorBoxes;
    WindowLanguage& language;
};

class WizardExpress : public QMainWindow, private WizardView {
    Q_OBJECT
public:
    // Builds the window and runs its load: the symbool setting, the open
    // flag, the texts, the units and the topmost rule.
    explicit WizardExpress(WizardExpressServices services);

    // Shown, raised and active, its timer running.
    void ShowWindow();
    // Hidden, its timer stopped.
    void HideWindow();
    void SetTopmost(bool on);
    void ReloadTexts();
    // Closed by the user or the program; a closed window is not shown again.
    bool Closed() const { return closed_; }
    bool Converting() const { return converting_; }

    const WizardRules& Rules() const { return rules_; }

    // A table converts in steps of about this long before the window
    // handles its events again.
    static constexpr int StepMilliseconds = 30;
    // A table that takes longer than this shows its progress (500 ms).
    void SetProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

signals:
    // The progress dialog of a long conversion has just been shown.
    void progressShown(QProgressDialog* progress);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // WizardView.
    void ShowStatus(WizardStatus status) override;
    void ShowUnits(const UnitCaptions& captions) override;
    void CheckSymbolItem(bool checked) override;
    void ApplyTopmostRule(bool on) override;

    void OK_Click();
    // Converts the table step by step; false when the user cancelled.
    bool RunConversion(ClipboardTable& table);

    WizardExpressServices s_;
    WizardRules rules_;
    bool closed_ = false;
    bool converting_ = false;
    int progressDelay_ = 500;
    QProgressDialog* progress_ = nullptr;
    // While a table converts: the windows that take no input meanwhile.
    const std::unordered_set<QWidget*>* blocked_ = nullptr;

    // Controls, named as designed.
    QGroupBox* Status = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPushButton* OK = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QMenu* file = nullptr;
    QAction* exit = nullptr;
    QMenu* tool = nullptr;
    QAction* symbool = nullptr;
};

} // namespace ombrix
